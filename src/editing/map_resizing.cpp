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
void ShiftColumns(MapEdit edit, int newWidth, int step) {
  const Map& map = edit.Read();
  const int height = StorageExtent(map.Height);
  for (int y = 1; y <= height; ++y) {
    if (step > 0) {
      for (int x = newWidth - 1; x >= 1; --x) edit.Cell(x + 1, y) = map.Cell(x, y);
      edit.Cell(1, y) = MapCell{};
    } else {
      for (int x = 2; x <= newWidth + 1; ++x) edit.Cell(x - 1, y) = map.Cell(x, y);
      edit.Cell(newWidth + 1, y) = MapCell{};
    }
  }
  const PlatformList platforms = edit.Platforms();
  for (int i = 0; i < platforms.Count; ++i) {
    Platform& platform = platforms.Slots[i];
    platform.StartX = static_cast<uint8_t>(platform.StartX + step);
    platform.EndX = static_cast<uint8_t>(platform.EndX + step);
    platform.SwitchX = static_cast<uint8_t>(platform.SwitchX + step);
  }
  const SpringList springs = edit.Springs();
  for (int i = 0; i < springs.Count; ++i) {
    Spring& spring = springs.Slots[i];
    for (int k = 0; k < spring.PointCount; ++k) spring.Points[k].X += step;
  }
  if (map.HasPrimaryChar()) edit.SetPrimaryChar(map.PrimaryCharX + step, map.PrimaryCharY);
}

// Moves every row in use one up (step 1) or down (step -1), together with
// everything placed by row.
void ShiftRows(MapEdit edit, int newHeight, int step) {
  const Map& map = edit.Read();
  const int width = StorageExtent(map.Width);
  for (int x = 1; x <= width; ++x) {
    if (step > 0) {
      for (int y = newHeight - 1; y >= 1; --y) edit.Cell(x, y + 1) = map.Cell(x, y);
      edit.Cell(x, 1) = MapCell{};
    } else {
      for (int y = 2; y <= newHeight + 1; ++y) edit.Cell(x, y - 1) = map.Cell(x, y);
      edit.Cell(x, newHeight + 1) = MapCell{};
    }
  }
  const PlatformList platforms = edit.Platforms();
  for (int i = 0; i < platforms.Count; ++i) {
    Platform& platform = platforms.Slots[i];
    platform.StartY = static_cast<uint8_t>(platform.StartY + step);
    platform.EndY = static_cast<uint8_t>(platform.EndY + step);
    platform.SwitchY = static_cast<uint8_t>(platform.SwitchY + step);
  }
  const SpringList springs = edit.Springs();
  for (int i = 0; i < springs.Count; ++i) {
    Spring& spring = springs.Slots[i];
    for (int k = 0; k < spring.PointCount; ++k) spring.Points[k].Y += step;
  }
  if (map.HasPrimaryChar()) edit.SetPrimaryChar(map.PrimaryCharX, map.PrimaryCharY + step);
}

// Clears columns newWidth + 1 .. 256 of rows 1..Height.
void ClearColumnsBeyond(MapEdit edit, int newWidth) {
  const int height = StorageExtent(edit.Read().Height);
  for (int x = newWidth + 1; x <= GridSize; ++x)
    for (int y = 1; y <= height; ++y) edit.Cell(x, y) = MapCell{};
}

// Clears rows newHeight + 1 .. 256 of columns 1..Width.
void ClearRowsBeyond(MapEdit edit, int newHeight) {
  const int width = StorageExtent(edit.Read().Width);
  for (int x = 1; x <= width; ++x)
    for (int y = newHeight + 1; y <= GridSize; ++y) edit.Cell(x, y) = MapCell{};
}

}  // namespace

ResizeDirection ResizeDirectionFor(int oldValue, int proposed) {
  if (proposed < MinMapSize || proposed > MaxMapSize || proposed == oldValue)
    return ResizeDirection::None;
  return proposed > oldValue ? ResizeDirection::Up : ResizeDirection::Down;
}

void UDWidthChangingEx(MapEdit edit, int oldWidth, int newWidth, bool riseLeft) {
  const ResizeDirection direction = ResizeDirectionFor(oldWidth, newWidth);
  if (direction == ResizeDirection::None) return;
  if (riseLeft)
    ShiftColumns(edit, newWidth, direction == ResizeDirection::Up ? 1 : -1);
  else if (direction == ResizeDirection::Down)
    ClearColumnsBeyond(edit, newWidth);
  edit.SetWidth(newWidth);
}

void UDHeightChangingEx(MapEdit edit, int oldHeight, int newHeight, bool riseDown) {
  const ResizeDirection direction = ResizeDirectionFor(oldHeight, newHeight);
  if (direction == ResizeDirection::None) return;
  if (riseDown)
    ShiftRows(edit, newHeight, direction == ResizeDirection::Up ? 1 : -1);
  else if (direction == ResizeDirection::Down)
    ClearRowsBeyond(edit, newHeight);
  edit.SetHeight(newHeight);
}
