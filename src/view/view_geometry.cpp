#include "view/view_geometry.h"

#include <algorithm>
#include <cassert>

#include "model/spring.h"

int CellSizeFor(int zoom, int baseTileSize) {
  return std::max(1, zoom * baseTileSize / 10);
}

bool operator==(const CellPosition& a, const CellPosition& b) {
  return a.X == b.X && a.Y == b.Y;
}

bool operator==(const CellArea& a, const CellArea& b) {
  return a.X == b.X && a.Y == b.Y && a.Width == b.Width && a.Height == b.Height;
}

CellPosition PointToCell(const ViewGeometry& geometry, int x, int y) {
  assert(geometry.CellSize >= 1);
  // Integer division in C++ truncates toward zero, as the conversion needs.
  return CellPosition{x / geometry.CellSize + 1 + geometry.CameraX,
                      (geometry.ViewHeight - y) / geometry.CellSize + 1 + geometry.CameraY};
}

PixelPosition CellTopLeft(const ViewGeometry& geometry, int x, int y) {
  return PixelPosition{(x - 1 - geometry.CameraX) * geometry.CellSize,
                       geometry.ViewHeight - (y - geometry.CameraY) * geometry.CellSize};
}

PixelPosition CellMiddle(const ViewGeometry& geometry, int x, int y) {
  const PixelPosition topLeft = CellTopLeft(geometry, x, y);
  const int half = geometry.CellSize / 2;
  return PixelPosition{topLeft.X + half, topLeft.Y + half};
}

PixelPosition SpringPointToPixel(const SpringPoint& point, const ViewGeometry& geometry) {
  const int cellSize = geometry.CellSize;
  const PixelPosition topLeft = CellTopLeft(geometry, point.X, point.Y);
  switch (point.Corner) {
    case TopRight:
      return PixelPosition{topLeft.X + cellSize, topLeft.Y};
    case BottomRight:
      return PixelPosition{topLeft.X + cellSize, topLeft.Y + cellSize};
    case BottomLeft:
      return PixelPosition{topLeft.X, topLeft.Y + cellSize};
    case Center:
      return CellMiddle(geometry, point.X, point.Y);
    default:
      return topLeft;
  }
}
