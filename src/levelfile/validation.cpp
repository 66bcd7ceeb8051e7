#include "levelfile/validation.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "levelfile/file_limits.h"
#include "levelfile/level_writer.h"
#include "model/map.h"
#include "model/message_texts.h"
#include "model/object_sizes.h"

namespace {

// Background tiles the game cannot show: validation takes them out of the map.
constexpr uint8_t FirstRemovedBgTile = 47;
constexpr uint8_t LastRemovedBgTile = 51;
// Foreground tiles of lava, which may crash the level.
constexpr uint8_t FirstLavaFgTile = 37;
constexpr uint8_t LastLavaFgTile = 40;
// Midground tiles a platform switch may have above it, besides none.
constexpr uint8_t SwitchHeadroomTileA = 9;
constexpr uint8_t SwitchHeadroomTileB = 10;
// An object anchored this many cells left of or below a cell can still cover it.
constexpr int AnchorSearchReach = MaxObjectExtent - 1;

std::string RemovedTilesMessage(size_t count) {
  return "A save removes " + std::to_string(count) + " background tile" + (count == 1 ? "" : "s") +
         " (47..51) that the game cannot show.";
}

ValidationResult Fail(std::string message) {
  ValidationResult result;
  result.Passed = false;
  result.Messages.push_back(std::move(message));
  return result;
}

// "[x, y]"
std::string Position(int x, int y) {
  return "[" + std::to_string(x) + ", " + std::to_string(y) + "]";
}

struct CellScan {
  std::vector<TileCell> Removed;
  std::optional<TileCell> Lava;  // the first lava cell
  bool EndTile = false;
  bool Zubo = false;
  // The text markers without a line; empty when every cell passed.
  std::vector<MapProblem> Failures;
};

// Visits the cells in use column by column, noting the unwanted background
// tiles and what the later checks need. A save stops at the first cell
// whose text marker has no line, and leaves the cells after it untouched;
// `all` goes on to every cell.
CellScan ScanCells(const Map& map, bool customTextsEnabled, bool all) {
  CellScan scan;
  const int lineCount = map.CustomTextLineCount();
  for (int x = 1; x <= map.Width; ++x) {
    for (int y = 1; y <= map.Height; ++y) {
      const MapCell& cell = map.Cell(x, y);
      if (cell.BgTile >= FirstRemovedBgTile && cell.BgTile <= LastRemovedBgTile)
        scan.Removed.push_back(TileCell{x, y});
      if (cell.FgTile >= FirstLavaFgTile && cell.FgTile <= LastLavaFgTile && !scan.Lava)
        scan.Lava = TileCell{x, y};
      if (cell.MgTile == EndMgTile) scan.EndTile = true;
      if (cell.CharKind == ZuboCharKind) scan.Zubo = true;
      if (customTextsEnabled && cell.TextId > lineCount) {
        scan.Failures.push_back(
            {std::string(MessageTexts::CustomTextFirst) + "[" + std::to_string(x) + "," +
                 std::to_string(y) + "]" + MessageTexts::CustomTextSecond +
                 std::to_string(lineCount),
             TileCell{x, y}});
        if (!all) return scan;
      }
    }
  }
  return scan;
}

// A switch needs a midground tile to sit on and a free row above it, all
// inside the map. A switch cell outside the map is incorrect.
bool SwitchIsCorrect(const Map& map, const Platform& platform) {
  const int x = platform.SwitchX;
  const int y = platform.SwitchY;
  if (!map.InUse(x, y) || y >= map.Height) return false;
  if (map.Cell(x, y).MgTile == 0) return false;
  const uint8_t above = map.Cell(x, y + 1).MgTile;
  return above == 0 || above == SwitchHeadroomTileA || above == SwitchHeadroomTileB;
}

void CheckPlatformSwitches(const Map& map, std::vector<MapProblem>& problems) {
  for (int i = 0; i < map.PlatformCount; ++i) {
    const Platform& platform = map.Platforms[i];
    if (!HasSwitch(platform.SwitchType) || SwitchIsCorrect(map, platform)) continue;
    problems.push_back({std::string(MessageTexts::IncorrectSwitch) + " " +
                            Position(platform.SwitchX, platform.SwitchY) + "!",
                        TileCell{platform.SwitchX, platform.SwitchY}});
  }
}

// The cells that meet at a spring point, columns Left..Right, rows Bottom..Top.
struct CellRect {
  int Left;
  int Right;
  int Bottom;
  int Top;
};

// Nothing for a corner the editor does not know: such an end touches nothing.
std::optional<CellRect> CellsAtPoint(const SpringPoint& point) {
  const int x = point.X;
  const int y = point.Y;
  switch (point.Corner) {
    case TopLeft:
      return CellRect{x - 1, x, y, y + 1};
    case TopRight:
      return CellRect{x, x + 1, y, y + 1};
    case BottomRight:
      return CellRect{x, x + 1, y - 1, y};
    case BottomLeft:
      return CellRect{x - 1, x, y - 1, y};
    case Center:
      return CellRect{x, x, y, y};
    default:
      return std::nullopt;
  }
}

// True when an object anchored in a cell in use covers part of the rectangle.
// The rectangle itself may reach past the map.
bool ObjectCovers(const Map& map, const CellRect& rect) {
  const int firstX = std::max(1, rect.Left - AnchorSearchReach);
  const int lastX = std::min(map.Width, rect.Right);
  const int firstY = std::max(1, rect.Bottom - AnchorSearchReach);
  const int lastY = std::min(map.Height, rect.Top);
  for (int cx = firstX; cx <= lastX; ++cx) {
    for (int cy = firstY; cy <= lastY; ++cy) {
      const uint8_t kind = map.Cell(cx, cy).ObjectKind;
      if (kind == 0) continue;
      const ObjectSize size = ObjectSizes(kind);
      if (cx + size.Width - 1 >= rect.Left && cy + size.Height - 1 >= rect.Bottom) return true;
    }
  }
  return false;
}

struct EndCheck {
  bool Attached = false;
  std::string Failure;  // set when the end lies on an object's anchor
};

EndCheck CheckSpringEnd(const Map& map, const SpringPoint& end) {
  EndCheck check;
  const std::optional<CellRect> rect = CellsAtPoint(end);
  if (!rect) return check;
  if (end.Corner == Center && map.InUse(end.X, end.Y) && map.Cell(end.X, end.Y).ObjectKind != 0) {
    check.Failure = std::string(MessageTexts::SpringInObject) + " " + Position(end.X, end.Y) + "!";
    return check;
  }
  check.Attached = ObjectCovers(map, *rect);
  return check;
}

// Every spring must touch an object with at least one of its ends. A spring
// without points has no ends and is reported by its first stored point. One
// problem per spring: its first.
void CheckSprings(const Map& map, std::vector<MapProblem>& problems) {
  for (int i = 0; i < map.SpringCount; ++i) {
    const Spring& spring = map.Springs[i];
    const bool hasPoints = spring.PointCount >= 1;
    const SpringPoint& first = spring.First();
    const SpringPoint& last = hasPoints ? spring.Last() : spring.First();
    bool attached = false;
    std::optional<MapProblem> inObject;
    if (hasPoints) {
      for (const SpringPoint* end : {&first, &last}) {
        const EndCheck check = CheckSpringEnd(map, *end);
        if (!check.Failure.empty()) {
          inObject = MapProblem{check.Failure, TileCell{end->X, end->Y}};
          break;
        }
        attached = attached || check.Attached;
      }
    }
    if (inObject) {
      problems.push_back(*inObject);
    } else if (!attached) {
      problems.push_back({std::string(MessageTexts::SpringFirst) + " (" +
                              std::to_string(first.X) + ", " + std::to_string(first.Y) +
                              ")->(" + std::to_string(last.X) + ", " + std::to_string(last.Y) +
                              ") " + MessageTexts::SpringNotAttached,
                          TileCell{first.X, first.Y}});
    }
  }
}

// The failures in the order a save meets them: text markers, Zubo, the end
// tile, switches, springs, and what the level file cannot hold.
std::vector<MapProblem> Failures(const Map& map, CellScan& scan) {
  std::vector<MapProblem> failures = std::move(scan.Failures);
  if (!scan.Zubo) failures.push_back({MessageTexts::NoZubo, std::nullopt});
  if (!scan.EndTile) failures.push_back({MessageTexts::NoEndTile, std::nullopt});
  CheckPlatformSwitches(map, failures);
  CheckSprings(map, failures);
  return failures;
}

}  // namespace

ValidationResult CheckMap(const Map& map, bool customTextsEnabled) {
  CellScan scan = ScanCells(map, customTextsEnabled, false);
  std::vector<TileCell> removed = std::move(scan.Removed);
  const bool lava = scan.Lava.has_value();
  std::vector<MapProblem> failures = Failures(map, scan);
  // A map the level file cannot hold is refused before any warning is given.
  if (failures.empty()) failures = FileLimitProblems(map);
  ValidationResult result =
      failures.empty() ? ValidationResult{true, {}, {}} : Fail(failures.front().Text);
  if (result.Passed && lava) result.Messages.push_back(MessageTexts::LavaWarning);
  result.RemovedBgTiles = std::move(removed);
  return result;
}

namespace {

// Loading makes the first Zubo of the file primary; with several and none
// chosen, which one that is may surprise.
std::optional<MapProblem> UnchosenHero(const Map& map) {
  if (map.PrimaryCharIsValid()) return std::nullopt;
  int zubos = 0;
  for (int x = 1; x <= map.Width && zubos < 2; ++x)
    for (int y = 1; y <= map.Height && zubos < 2; ++y)
      if (map.Cell(x, y).CharKind == ZuboCharKind) ++zubos;
  if (zubos < 2) return std::nullopt;
  const TileCell first = *FilePrimaryZubo(map);
  return MapProblem{"Several Zubos stand on the map and none is the primary char: the level "
                    "file makes the one at (" +
                        std::to_string(first.X) + ", " + std::to_string(first.Y) + ") primary.",
                    first};
}

}  // namespace

// The rule behind the messages that begin with a check's own words.
std::string RuleFor(const std::string& text) {
  const auto startsWith = [&text](const char* words) { return text.rfind(words, 0) == 0; };
  if (startsWith(MessageTexts::CustomTextFirst))
    return "A text marker shows a line of the custom texts; its number counts from 1.";
  if (startsWith(MessageTexts::IncorrectSwitch))
    return "A switch needs a midground tile under it and, above it inside the map, no "
           "midground tile or only tile 9 or 10.";
  if (startsWith(MessageTexts::SpringInObject))
    return "A spring may end at an object's edge or corner, not on the cell it stands on.";
  if (startsWith(MessageTexts::SpringFirst))
    return "One end of every spring must touch an object.";
  if (text == MessageTexts::LavaWarning) return "Lava is foreground tiles 37 to 40.";
  return {};
}

std::vector<MapProblem> FindProblems(const Map& map, bool customTextsEnabled) {
  CellScan scan = ScanCells(map, customTextsEnabled, true);
  const std::vector<TileCell> removed = std::move(scan.Removed);
  const std::optional<TileCell> lava = scan.Lava;
  std::vector<MapProblem> problems = Failures(map, scan);
  if (const std::optional<MapProblem> hero = UnchosenHero(map)) problems.push_back(*hero);
  if (lava) problems.push_back({MessageTexts::LavaWarning, lava});
  if (!removed.empty())
    problems.push_back({RemovedTilesMessage(removed.size()), removed.front()});
  for (MapProblem& problem : FileLimitProblems(map)) problems.push_back(std::move(problem));
  for (MapProblem& problem : problems) problem.Rule = RuleFor(problem.Text);
  return problems;
}

ValidationResult ValidateMap(Map& map, bool customTextsEnabled) {
  ValidationResult result = CheckMap(map, customTextsEnabled);
  for (const TileCell& cell : result.RemovedBgTiles) map.Cell(cell.X, cell.Y).BgTile = 0;
  return result;
}
