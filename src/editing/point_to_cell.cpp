#include "editing/point_to_cell.h"

#include <cassert>

bool operator==(const CellPosition& a, const CellPosition& b) {
  return a.X == b.X && a.Y == b.Y;
}

CellPosition PointToCell(const ViewGeometry& geometry, int x, int y) {
  assert(geometry.CellSize >= 1);
  // Integer division in C++ truncates toward zero, as the conversion needs.
  return CellPosition{x / geometry.CellSize + 1 + geometry.CameraX,
                      (geometry.ViewHeight - y) / geometry.CellSize + 1 + geometry.CameraY};
}
