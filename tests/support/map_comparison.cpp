#include "map_comparison.h"

#include "model/map.h"

namespace {

std::string At(int x, int y) {
  return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

}  // namespace

std::string CompareRestored(const Map& expected, const Map& actual) {
  if (expected.Width != actual.Width || expected.Height != actual.Height ||
      expected.Background != actual.Background)
    return "the size or background differs";
  if (expected.PrimaryCharX != actual.PrimaryCharX ||
      (expected.HasPrimaryChar() && expected.PrimaryCharY != actual.PrimaryCharY))
    return "the primary char differs";
  for (int x = 1; x <= GridSize; ++x)
    for (int y = 1; y <= GridSize; ++y)
      if (expected.Cell(x, y) != actual.Cell(x, y)) return "the cell " + At(x, y) + " differs";
  if (expected.PlatformCount != actual.PlatformCount) return "PlatformCount differs";
  for (int i = 0; i < expected.PlatformCount; ++i)
    if (!(expected.Platforms[i] == actual.Platforms[i]))
      return "the platform " + std::to_string(i + 1) + " differs";
  if (expected.SpringCount != actual.SpringCount) return "SpringCount differs";
  for (int i = 0; i < expected.SpringCount; ++i)
    if (!SameSpring(expected.Springs[i], actual.Springs[i]))
      return "the spring " + std::to_string(i + 1) + " differs";
  return {};
}
