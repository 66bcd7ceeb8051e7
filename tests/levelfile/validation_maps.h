#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>

#include "model/map.h"
#include "model/platform.h"
#include "model/spring.h"

// Maps for the validation tests, built cell by cell.
namespace validation_maps {

// A 20 x 20 map that passes: a Zubo at (1, 1) and the end tile at (2, 1).
inline std::unique_ptr<Map> PlayableMap() {
  auto map = std::make_unique<Map>();
  map->Width = 20;
  map->Height = 20;
  map->Cell(1, 1).CharKind = ZuboCharKind;
  map->Cell(2, 1).MgTile = EndMgTile;
  return map;
}

inline SpringPoint Point(int x, int y, uint8_t corner) {
  SpringPoint point;
  point.X = x;
  point.Y = y;
  point.Corner = corner;
  return point;
}

// Appends a spring of kind 1 with the given points.
inline Spring& AddSpring(Map& map, std::initializer_list<SpringPoint> points) {
  Spring& spring = map.Springs[map.SpringCount++];
  spring.Kind = 1;
  spring.PointCount = 0;
  for (const SpringPoint& point : points) spring.Points[spring.PointCount++] = point;
  return spring;
}

// Appends a platform with the given switch type and switch cell.
inline Platform& AddPlatform(Map& map, uint8_t switchType, uint8_t switchX, uint8_t switchY) {
  Platform& platform = map.Platforms[map.PlatformCount++];
  platform.StartX = 3;
  platform.StartY = 3;
  platform.EndX = 8;
  platform.EndY = 3;
  platform.Speed = 5;
  platform.Kind = 1;
  platform.SwitchType = switchType;
  platform.SwitchX = switchX;
  platform.SwitchY = switchY;
  return platform;
}

}  // namespace validation_maps
