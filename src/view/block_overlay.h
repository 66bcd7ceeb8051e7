#pragma once

#include <vector>

// One cell of the paste preview: the contents of map cell (SourceX, SourceY),
// drawn at screen column Column and row Row (from 1, rows from the bottom).
struct BlockPreviewCell {
  int Column = 0;
  int Row = 0;
  int SourceX = 0;
  int SourceY = 0;
};

// The red outline of a selected cell: a square of Size pixels whose
// top-left pixel is (Left, Top); the right and bottom edges are Left + Size
// and Top + Size, excluded.
struct BlockOutline {
  int Left = 0;
  int Top = 0;
  int Size = 0;
};

// What the block tools show over the map: the selection where a paste at the
// pointer would put it, and the outlines of the selected cells.
struct BlockOverlay {
  std::vector<BlockPreviewCell> Preview;
  std::vector<BlockOutline> Outlines;
};
