#pragma once

#include <QColor>

// The colours the map view draws with.
namespace ViewColours {

inline const QColor Background(0, 31, 27);
inline const QColor Grid(128, 128, 128);
inline const QColor Label(255, 0, 0);
inline const QColor RefreshedLabel(0, 128, 0);
inline const QColor PlatformLine(255, 0, 255);
inline const QColor PaletteFrame(255, 0, 0);
inline const QColor PaletteFill(0, 0, 0);
inline const QColor SelectedEntry(166, 202, 240);
// Springs of a kind without a colour of its own.
inline const QColor OtherSpring(128, 128, 128);

}  // namespace ViewColours

// The colour of a spring by its kind: 0 and 2 red, 1 white, 3 lime, 4 aqua,
// 5 fuchsia, 6 yellow, any other gray.
QColor SpringColour(int kind);
