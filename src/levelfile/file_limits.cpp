#include "levelfile/file_limits.h"

#include <string>

#include "model/map.h"

namespace {

// "The level file can hold at most 255 objects, but the map has 300 (45 too many)."
std::string OverLimit(const std::string& what, int count, int limit) {
  return "The level file can hold at most " + std::to_string(limit) + " " + what +
         ", but the map has " + std::to_string(count) + " (" + std::to_string(count - limit) +
         " too many).";
}

// "The level file cannot hold platform 2: its start (0, 3) lies outside the
// map (columns 1..20, rows 1..20)." Empty when (x, y) is on the map. Resizing
// keeps items that it moves off the map; the game must never get them.
std::string OutsideMap(const Map& map, const std::string& item, const std::string& part, int x,
                       int y) {
  if (x >= 1 && x <= map.Width && y >= 1 && y <= map.Height) return {};
  return "The level file cannot hold " + item + ": its " + part + " (" + std::to_string(x) + ", " +
         std::to_string(y) + ") lies outside the map (columns 1.." + std::to_string(map.Width) +
         ", rows 1.." + std::to_string(map.Height) + ").";
}

std::string ItemsOutsideMap(const Map& map) {
  for (int i = 0; i < map.PlatformCount; ++i) {
    const Platform& p = map.Platforms[i];
    const std::string name = "platform " + std::to_string(i + 1);
    std::string message = OutsideMap(map, name, "start", p.StartX, p.StartY);
    if (message.empty()) message = OutsideMap(map, name, "end", p.EndX, p.EndY);
    if (message.empty() && HasSwitch(p.SwitchType))
      message = OutsideMap(map, name, "switch", p.SwitchX, p.SwitchY);
    if (!message.empty()) return message;
  }
  for (int i = 0; i < map.SpringCount; ++i) {
    const Spring& spring = map.Springs[i];
    for (int k = 0; k < spring.PointCount; ++k) {
      std::string message = OutsideMap(map, "spring " + std::to_string(i + 1), "point",
                                       spring.Points[k].X, spring.Points[k].Y);
      if (!message.empty()) return message;
    }
  }
  return {};
}

}  // namespace

std::string FileLimitsMessage(const Map& map) {
  int leadChars = 0;
  int otherChars = 0;
  int objects = 0;
  int textMarkers = 0;
  for (int x = 1; x <= map.Width; ++x) {
    for (int y = 1; y <= map.Height; ++y) {
      const MapCell& cell = map.Cell(x, y);
      if (IsLeadCharKind(cell.CharKind)) {
        ++leadChars;
      } else if (cell.CharKind != 0) {
        ++otherChars;
      }
      if (cell.ObjectKind != 0) ++objects;
      if (cell.TextId != 0) ++textMarkers;
    }
  }
  if (leadChars > MaxFileListCount)
    return OverLimit("chars of kinds 1 and 5", leadChars, MaxFileListCount);
  if (otherChars > MaxFileListCount)
    return OverLimit("chars of other kinds", otherChars, MaxFileListCount);
  if (objects > MaxFileListCount) return OverLimit("objects", objects, MaxFileListCount);
  if (map.PlatformCount > MaxFileListCount)
    return OverLimit("platforms", map.PlatformCount, MaxFileListCount);
  if (map.SpringCount > MaxFileListCount)
    return OverLimit("springs", map.SpringCount, MaxFileListCount);
  for (int i = 0; i < map.SpringCount; ++i) {
    const Spring& spring = map.Springs[i];
    const std::string name = "spring " + std::to_string(i + 1);
    if (spring.PointCount > MaxFileSpringPoints)
      return OverLimit("points in one spring (" + name + ")", spring.PointCount,
                       MaxFileSpringPoints);
    if (spring.PointCount < 1) return "The level file cannot hold " + name + ": it has no points.";
    if (spring.Kind < 1 || spring.Kind > MaxFileSpringKind)
      return "The level file cannot hold " + name + ": its kind " + std::to_string(spring.Kind) +
             " is outside 1.." + std::to_string(MaxFileSpringKind) + ".";
  }
  if (textMarkers > MaxFileListCount)
    return OverLimit("text markers", textMarkers, MaxFileListCount);
  if (map.CustomTextLineCount() > MaxFileListCount)
    return OverLimit("custom text lines", map.CustomTextLineCount(), MaxFileListCount);
  return ItemsOutsideMap(map);
}
