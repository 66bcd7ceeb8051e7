#pragma once

#include <array>
#include <cstdint>

#include "model/limits.h"

// Where in its cell a spring point lies. "Top" is the side towards higher rows.
enum Corner : uint8_t {
  TopLeft = 0,
  TopRight = 1,
  BottomRight = 2,
  BottomLeft = 3,
  Center = 4,
};

constexpr int CornerCount = 5;

struct SpringPoint {
  int32_t X = 0;
  int32_t Y = 0;
  uint8_t Corner = TopLeft;
};

bool operator==(const SpringPoint& a, const SpringPoint& b);

// A polyline of cell points; point 1 and point PointCount are its two ends.
// Points are stored 0-based: Points[0] is point 1.
struct Spring {
  int32_t Kind = 0;
  int32_t PointCount = 0;
  std::array<SpringPoint, SpringPointCapacity> Points{};

  const SpringPoint& First() const { return Points[0]; }
  const SpringPoint& Last() const { return Points[PointCount - 1]; }
};

// The same spring: kind, point count and the points in use (slots past the
// count, which the map keeps, do not count).
bool SameSpring(const Spring& a, const Spring& b);

// The spring kinds the editor places: 1..6.
constexpr int SpringKindCount = 6;
