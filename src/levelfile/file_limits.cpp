#include "levelfile/file_limits.h"

#include <string>
#include <utility>
#include <vector>

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

void AddItemsOutsideMap(const Map& map, std::vector<MapProblem>& problems) {
  const auto add = [&](const std::string& item, const std::string& part, int x, int y) {
    std::string message = OutsideMap(map, item, part, x, y);
    if (message.empty()) return false;
    problems.push_back({std::move(message), TileCell{x, y}});
    return true;
  };
  for (int i = 0; i < map.PlatformCount; ++i) {
    const Platform& p = map.Platforms[i];
    const std::string name = "platform " + std::to_string(i + 1);
    if (!add(name, "start", p.StartX, p.StartY) && !add(name, "end", p.EndX, p.EndY) &&
        HasSwitch(p.SwitchType))
      add(name, "switch", p.SwitchX, p.SwitchY);
  }
  for (int i = 0; i < map.SpringCount; ++i) {
    const Spring& spring = map.Springs[i];
    for (int k = 0; k < spring.PointCount; ++k) {
      if (add("spring " + std::to_string(i + 1), "point", spring.Points[k].X, spring.Points[k].Y))
        break;
    }
  }
}

}  // namespace

std::vector<MapProblem> FileLimitProblems(const Map& map) {
  std::vector<MapProblem> problems;
  const auto over = [&problems](const std::string& what, int count) {
    if (count > MaxFileListCount)
      problems.push_back({OverLimit(what, count, MaxFileListCount), std::nullopt});
  };
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
  over("chars of kinds 1 and 5", leadChars);
  over("chars of other kinds", otherChars);
  over("objects", objects);
  over("platforms", map.PlatformCount);
  over("springs", map.SpringCount);
  for (int i = 0; i < map.SpringCount; ++i) {
    const Spring& spring = map.Springs[i];
    const std::string name = "spring " + std::to_string(i + 1);
    const std::optional<TileCell> at =
        spring.PointCount >= 1 ? std::optional<TileCell>(TileCell{spring.First().X,
                                                                  spring.First().Y})
                               : std::nullopt;
    if (spring.PointCount > MaxFileSpringPoints) {
      problems.push_back({OverLimit("points in one spring (" + name + ")", spring.PointCount,
                                    MaxFileSpringPoints),
                          at});
    } else if (spring.PointCount < 1) {
      problems.push_back({"The level file cannot hold " + name + ": it has no points.", at});
    } else if (spring.Kind < 1 || spring.Kind > MaxFileSpringKind) {
      problems.push_back({"The level file cannot hold " + name + ": its kind " +
                              std::to_string(spring.Kind) + " is outside 1.." +
                              std::to_string(MaxFileSpringKind) + ".",
                          at});
    }
  }
  over("text markers", textMarkers);
  over("custom text lines", map.CustomTextLineCount());
  AddItemsOutsideMap(map, problems);
  return problems;
}

std::string FileLimitsMessage(const Map& map) {
  const std::vector<MapProblem> problems = FileLimitProblems(map);
  return problems.empty() ? std::string() : problems.front().Text;
}
