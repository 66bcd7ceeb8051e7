#include "app/wheel_navigation.h"

#include <algorithm>

#include "model/limits.h"

namespace {

// The largest camera position that still shows the last fully visible
// column or row within the map's largest size; 0 when the view is larger.
int CameraBound(int viewSize, int cellSize) {
  return std::max(0, MaxMapSize - viewSize / std::max(1, cellSize));
}

int ClampedMove(int camera, int cells, int bound) {
  if (cells < 0) return std::max(0, camera + cells);
  return std::max(camera, std::min(camera + cells, bound));
}

}  // namespace

int WheelNotches::Add(int delta) {
  if ((delta > 0 && Remainder < 0) || (delta < 0 && Remainder > 0)) Remainder = 0;
  Remainder += delta;
  const int notches = Remainder / WheelNotch;
  Remainder -= notches * WheelNotch;
  return notches;
}

WheelTurn SurfaceWheel::Turn(int angleX, int angleY, bool zoomWheel, bool sideways, int zoom,
                             int minZoom, int maxZoom) {
  WheelTurn turn;
  turn.Zoom = zoom;
  if (zoomWheel) {
    turn.Zoom = WheelZoom(zoom, ZoomNotches.Add(angleY != 0 ? angleY : angleX), minZoom, maxZoom);
    return turn;
  }
  const int forwards = sideways ? 0 : angleY;
  const int across = sideways ? (angleY != 0 ? angleY : angleX) : angleX;
  turn.Rows = RowNotches.Add(forwards) * WheelScrollCells;
  turn.Columns = -ColumnNotches.Add(across) * WheelScrollCells;
  return turn;
}

int WheelZoom(int zoom, int notches, int minZoom, int maxZoom) {
  for (; notches > 0 && zoom < maxZoom; --notches) zoom = std::max(zoom + 1, (zoom * 12 + 5) / 10);
  for (; notches < 0 && zoom > minZoom; ++notches) zoom = std::min(zoom - 1, (zoom * 10 + 6) / 12);
  return std::clamp(zoom, minZoom, maxZoom);
}

void KeepCellUnderPointer(ViewGeometry& geometry, int newCellSize, int x, int y) {
  const int oldCellSize = std::max(1, geometry.CellSize);
  newCellSize = std::max(1, newCellSize);
  // The cell's column and row counted from the view's first, before and after.
  const int column = geometry.CameraX + x / oldCellSize;
  const int row = geometry.CameraY + (geometry.ViewHeight - y) / oldCellSize;
  geometry.CameraX =
      std::clamp(column - x / newCellSize, 0, CameraBound(geometry.ViewWidth, newCellSize));
  geometry.CameraY = std::clamp(row - (geometry.ViewHeight - y) / newCellSize, 0,
                                CameraBound(geometry.ViewHeight, newCellSize));
}

void ScrollCamera(ViewGeometry& geometry, int columns, int rows) {
  geometry.CameraX =
      ClampedMove(geometry.CameraX, columns, CameraBound(geometry.ViewWidth, geometry.CellSize));
  geometry.CameraY =
      ClampedMove(geometry.CameraY, rows, CameraBound(geometry.ViewHeight, geometry.CellSize));
}

void CentreOnCell(ViewGeometry& geometry, int x, int y) {
  const int cellSize = std::max(1, geometry.CellSize);
  const int columns = geometry.ViewWidth / cellSize;
  const int rows = geometry.ViewHeight / cellSize;
  geometry.CameraX = std::clamp(x - 1 - columns / 2, 0, CameraBound(geometry.ViewWidth, cellSize));
  geometry.CameraY = std::clamp(y - 1 - rows / 2, 0, CameraBound(geometry.ViewHeight, cellSize));
}
