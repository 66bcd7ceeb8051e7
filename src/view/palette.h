#pragma once

#include <optional>

#include "model/editor_state.h"

struct TileSets;
class TileSet;

// The palette's place on the surface for n images.
struct PaletteGeometry {
  int Columns = 0;
  int Rows = 0;
  int Width = 0;   // PW
  int Height = 0;  // PH
  int Left = 0;    // ViewWidth - PW - 2, the frame's left edge
};

PaletteGeometry PaletteGeometryFor(int imageCount, int cellSize, int viewWidth);

// True when a press at (x, y) falls on the palette's frame, both ends included.
bool OnPalette(const PaletteGeometry& palette, int viewWidth, int x, int y);

// The entry a press on the palette points at (it may be above the image count).
int PaletteEntryAt(const PaletteGeometry& palette, int cellSize, int x, int y);

// The tile set the palette shows for the tool, or none for tools without one.
const TileSet* PaletteTileSet(const TileSets& sets, Tool tool, int activeLayer);

// The "Selected" rule: the value the selection becomes for a position of the
// up-down, by tool (wrapping below 1 to the last value and above it to 1), or
// nothing for the block and primary-char tools, which ignore the selection.
std::optional<int> CorrectSelectedIndex(Tool tool, int position, int imageCount);
