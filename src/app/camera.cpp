#include "app/camera.h"

#include <algorithm>

#include "model/limits.h"

int NextCameraInterval(int interval) {
  if (interval == CameraArmedInterval) return CameraFirstRepeatInterval;
  return CameraRepeatInterval;
}

bool StepCamera(ViewGeometry& geometry, ScrollDirection direction) {
  const int cellSize = std::max(1, geometry.CellSize);
  switch (direction) {
    case ScrollDirection::Up:
      if (geometry.ViewHeight / cellSize + geometry.CameraY >= MaxMapSize) return false;
      ++geometry.CameraY;
      return true;
    case ScrollDirection::Down:
      if (geometry.CameraY <= 0) return false;
      --geometry.CameraY;
      return true;
    case ScrollDirection::Left:
      if (geometry.CameraX <= 0) return false;
      --geometry.CameraX;
      return true;
    case ScrollDirection::Right:
      if (geometry.ViewWidth / cellSize + geometry.CameraX >= MaxMapSize) return false;
      ++geometry.CameraX;
      return true;
    case ScrollDirection::None:
      break;
  }
  return false;
}
