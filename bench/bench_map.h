#pragma once

#include <memory>

class Map;

// How many images each tile set offers; the generated maps use only entries
// that exist. The defaults are the sample sets'.
struct SampleImageCounts {
  int Bg = 64;
  int Mg = 20;
  int Fg = 40;
  int Objects = 12;
  int Chars = 6;
  int Platforms = 4;
};

// The worst case for drawing, writing and validation: a 255 x 255 map whose
// every cell has all three tile layers, with objects, chars and text markers
// spread over it, and every list of the level file at its limit (255 chars of
// kinds 1 and 5, 255 other chars, 255 objects, platforms, springs of 15
// points, text markers and custom text lines of 255 characters). It passes
// validation without changing a cell.
std::unique_ptr<Map> MakeFullMap(const SampleImageCounts& counts = SampleImageCounts());

// A 255 x 255 map whose background layer is a winding one-cell-wide path
// (tile `path`) between walls (tile `wall`): every odd row is open, and the
// rows between are closed but for one cell, alternately at the right and the
// left edge. The path starts at (1, 1).
std::unique_ptr<Map> MakeWindingPathMap(int path, int wall);
