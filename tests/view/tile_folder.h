#pragma once

#include <QColor>

#include "image_folder.h"
#include "view/tile_set.h"

// Colours of the sample images.
namespace SampleColours {
inline const QColor Bg(0, 0, 200);
inline const QColor Bg2(0, 0, 100);
inline const QColor Fg(0, 200, 0);
inline const QColor Object(200, 100, 0);
inline const QColor WideObject(150, 50, 0);
inline const QColor Char(120, 0, 120);
inline const QColor Marker(250, 250, 0);
inline const QColor Platform(0, 100, 100);
}  // namespace SampleColours

// Writes the sample sets the view tests draw from:
// img_bg: 16x16 Bg, 16x16 Bg2; img_mg: six 16x16 images;
// img_fg: 16x16 Fg; img_obj: 16x32 Object, 48x24 WideObject;
// img_chars: 16x16 fuchsia with an 8x8 Char centre; primary: 16x16 Marker;
// img_pla: 32x16 Platform.
void WriteSampleSets(ImageFolder& folder);

// The seven sample sets, loaded.
struct SampleSets {
  SampleSets();
  ImageFolder Folder;
  TileSets Sets;
};
