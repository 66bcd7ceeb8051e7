#include "editing/map_resizing.h"

#include <algorithm>
#include <cstdint>

#include "model/limits.h"
#include "model/map.h"

namespace {

// The columns or rows a shift may touch: never beyond the storage.
int StorageExtent(int size) {
  return std::clamp(size, 0, GridSize);
}

// Moves every column in use one to the right (step 1) or left (step -1),
// together with everything placed by column.
void ShiftColumns(Map& map, int newWidth, int step) {
  const int height = StorageExtent(map.Height);
  for (int y = 1; y <= height; ++y) {
    if (step > 0) {
      for (int x = newWidth - 1; x >= 1; --x) map.Cell(x + 1, y) = map.Cell(x, y);
      map.Cell(1, y) = MapCell{};
    } else {
      for (int x = 2; x <= newWidth + 1; ++x) map.Cell(x - 1, y) = map.Cell(x, y);
      map.Cell(newWidth + 1, y) = MapCell{};
    }
  }
  for (int i = 0; i < map.PlatformCount; ++i) {
    Platform& platform = map.Platforms[i];
    platform.StartX = static_cast<uint8_t>(platform.StartX + step);
    platform.EndX = static_cast<uint8_t>(platform.EndX + step);
    platform.SwitchX = static_cast<uint8_t>(platform.SwitchX + step);
  }
  for (int i = 0; i < map.SpringCount; ++i) {
    Spring& spring = map.Springs[i];
    for (int k = 0; k < spring.PointCount; ++k) spring.Points[k].X += step;
  }
  if (map.HasPrimaryChar()) map.PrimaryCharX += step;
}

// Moves every row in use one up (step 1) or down (step -1), together with
// everything placed by row.
void ShiftRows(Map& map, int newHeight, int step) {
  const int width = StorageExtent(map.Width);
  for (int x = 1; x <= width; ++x) {
    if (step > 0) {
      for (int y = newHeight - 1; y >= 1; --y) map.Cell(x, y + 1) = map.Cell(x, y);
      map.Cell(x, 1) = MapCell{};
    } else {
      for (int y = 2; y <= newHeight + 1; ++y) map.Cell(x, y - 1) = map.Cell(x, y);
      map.Cell(x, newHeight + 1) = MapCell{};
    }
  }
  for (int i = 0; i < map.PlatformCount; ++i) {
    Platform& platform = map.Platforms[i];
    platform.StartY = static_cast<uint8_t>(platform.StartY + step);
    platform.EndY = static_cast<uint8_t>(platform.EndY + step);
    platform.SwitchY = static_cast<uint8_t>(platform.SwitchY + step);
  }
  for (int i = 0; i < map.SpringCount; ++i) {
    Spring& spring = map.Springs[i];
    for (int k = 0; k < spring.PointCount; ++k) spring.Points[k].Y += step;
  }
  if (map.HasPrimaryChar()) map.PrimaryCharY += step;
}

// Clears columns newWidth + 1 .. 256 of rows 1..Height.
void ClearColumnsBeyond(Map& map, int newWidth) {
  const int height = StorageExtent(map.Height);
  for (int x = newWidth + 1; x <= GridSize; ++x)
    for (int y = 1; y <= height; ++y) map.Cell(x, y) = MapCell{};
}

// Clears rows newHeight + 1 .. 256 of columns 1..Width.
void ClearRowsBeyond(Map& map, int newHeight) {
  const int width = StorageExtent(map.Width);
  for (int x = 1; x <= width; ++x)
    for (int y = newHeight + 1; y <= GridSize; ++y) map.Cell(x, y) = MapCell{};
}

}  // namespace

ResizeDirection ResizeDirectionFor(int oldValue, int proposed) {
  if (proposed < MinMapSize || proposed > MaxMapSize || proposed == oldValue)
    return ResizeDirection::None;
  return proposed > oldValue ? ResizeDirection::Up : ResizeDirection::Down;
}

void UDWidthChangingEx(Map& map, int oldWidth, int newWidth, bool riseLeft) {
  map.Saved = false;
  const ResizeDirection direction = ResizeDirectionFor(oldWidth, newWidth);
  if (direction == ResizeDirection::None) return;
  if (riseLeft)
    ShiftColumns(map, newWidth, direction == ResizeDirection::Up ? 1 : -1);
  else if (direction == ResizeDirection::Down)
    ClearColumnsBeyond(map, newWidth);
  map.Width = newWidth;
}

void UDHeightChangingEx(Map& map, int oldHeight, int newHeight, bool riseDown) {
  map.Saved = false;
  const ResizeDirection direction = ResizeDirectionFor(oldHeight, newHeight);
  if (direction == ResizeDirection::None) return;
  if (riseDown)
    ShiftRows(map, newHeight, direction == ResizeDirection::Up ? 1 : -1);
  else if (direction == ResizeDirection::Down)
    ClearRowsBeyond(map, newHeight);
  map.Height = newHeight;
}
