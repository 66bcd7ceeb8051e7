#include "editing/cell_line.h"

#include <algorithm>
#include <cstdlib>

std::vector<CellPosition> CellLineAfter(CellPosition from, CellPosition to) {
  // Bresenham's line: one step along the longer axis per cell.
  const int dx = std::abs(to.X - from.X);
  const int dy = std::abs(to.Y - from.Y);
  const int stepX = to.X > from.X ? 1 : -1;
  const int stepY = to.Y > from.Y ? 1 : -1;
  std::vector<CellPosition> cells;
  cells.reserve(std::max(dx, dy));
  int error = dx - dy;
  CellPosition cell = from;
  while (!(cell == to)) {
    const int doubled = 2 * error;
    if (doubled > -dy) {
      error -= dy;
      cell.X += stepX;
    }
    if (doubled < dx) {
      error += dx;
      cell.Y += stepY;
    }
    cells.push_back(cell);
  }
  return cells;
}
