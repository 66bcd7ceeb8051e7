#include "model/spring.h"

#include <algorithm>

bool operator==(const SpringPoint& a, const SpringPoint& b) {
  return a.X == b.X && a.Y == b.Y && a.Corner == b.Corner;
}

bool SameSpring(const Spring& a, const Spring& b) {
  if (a.Kind != b.Kind || a.PointCount != b.PointCount) return false;
  const int count = std::clamp(a.PointCount, 0, SpringPointCapacity);
  return std::equal(a.Points.begin(), a.Points.begin() + count, b.Points.begin());
}
