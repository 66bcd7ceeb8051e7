#include "random_map_checks.h"

#include <algorithm>

#include "model/limits.h"
#include "model/map.h"

namespace {

std::string At(int x, int y) {
  return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

std::string CountFailure(const Map& map) {
  if (map.SpringCount < 0 || map.SpringCount > SpringCapacity)
    return "SpringCount " + std::to_string(map.SpringCount);
  if (map.PlatformCount < 0 || map.PlatformCount > PlatformCapacity)
    return "PlatformCount " + std::to_string(map.PlatformCount);
  for (int i = 0; i < map.SpringCount; ++i) {
    const int points = map.Springs[i].PointCount;
    if (points < 1 || points > SpringPointCapacity)
      return "spring " + std::to_string(i + 1) + " has PointCount " + std::to_string(points);
    for (int k = 0; k < points; ++k)
      if (map.Springs[i].Points[k].Corner >= CornerCount)
        return "spring " + std::to_string(i + 1) + " has a point with corner " +
               std::to_string(map.Springs[i].Points[k].Corner);
  }
  return {};
}

std::string ToolFailure(const Map& map, const WindowState& window) {
  if (window.SpringInProgress && map.SpringCount < 1)
    return "a spring is in progress but the list is empty";
  if (window.Stage != PlatformStage::Idle && map.PlatformCount < 1)
    return "a platform is being placed but the list is empty";
  if (window.DialogOpen) return "the platform dialog stayed open";
  if (window.Stage == PlatformStage::StartPlaced || window.Stage == PlatformStage::AwaitingSwitch ||
      window.Stage == PlatformStage::InDialog) {
    const Platform& platform = map.Platforms[map.PlatformCount - 1];
    if (platform.SwitchType != NoSwitch && window.Stage == PlatformStage::StartPlaced)
      return "a platform whose end is not set has a switch type";
    if (window.Stage == PlatformStage::AwaitingSwitch && !HasSwitch(platform.SwitchType))
      return "a platform awaits a switch although its type has none";
  }
  return {};
}

std::string IndexFailure(const Map& map, const WindowState& window) {
  if (map.PrimaryCharIsValid() && !Map::InStorage(map.PrimaryCharX, map.PrimaryCharY))
    return "primary char at " + At(map.PrimaryCharX, map.PrimaryCharY);
  for (const CellPosition& cell : window.Selection)
    if (!Map::InStorage(cell.X, cell.Y)) return "selected cell " + At(cell.X, cell.Y);
  if (window.Selection.size() > 256) return "more than 256 selected cells";
  if (window.Geometry.CellSize < 1) return "CellSize " + std::to_string(window.Geometry.CellSize);
  if (window.Geometry.CameraX < 0 || window.Geometry.CameraY < 0)
    return "camera at " + At(window.Geometry.CameraX, window.Geometry.CameraY);
  return {};
}

std::string ControlFailure(const Map& map, const WindowState& window) {
  if (map.Width < MinMapSize || map.Width > MaxMapSize || map.Height < MinMapSize ||
      map.Height > MaxMapSize)
    return "map size " + At(map.Width, map.Height);
  if (map.Width != window.Width || map.Height != window.Height)
    return "map size " + At(map.Width, map.Height) + " but the up-downs show " +
           At(window.Width, window.Height);
  if (map.Background != window.Background)
    return "Background " + std::to_string(map.Background) + " but the drop-down shows " +
           std::to_string(window.Background);
  if (map.CustomTexts != window.MemoLines) return "the custom texts differ from the memo's lines";
  return {};
}

// The char a file lists first: the primary char when it is valid, otherwise
// the first Zubo, the first char of kind 5, or the first other char, each in
// scan order.
CellPosition FirstListedChar(const Map& map) {
  if (map.PrimaryCharIsValid()) return {map.PrimaryCharX, map.PrimaryCharY};
  for (const auto& wanted : {+[](uint8_t kind) { return kind == ZuboCharKind; },
                             +[](uint8_t kind) { return kind == LeadCharKind; },
                             +[](uint8_t kind) { return kind != 0; }}) {
    for (int x = 1; x <= map.Width; ++x)
      for (int y = 1; y <= map.Height; ++y)
        if (wanted(map.Cell(x, y).CharKind)) return {x, y};
  }
  return {-1, 0};
}

std::vector<std::string> FileLines(const Map& map) {
  std::vector<std::string> lines(map.CustomTexts.begin(),
                                 map.CustomTexts.begin() + map.CustomTextLineCount());
  for (std::string& line : lines) line.resize(std::min<size_t>(line.size(), MaxCustomTextLength));
  return lines;
}

}  // namespace

std::string MapInvariantFailure(const Map& map, const WindowState& window) {
  for (const std::string& failure : {CountFailure(map), ToolFailure(map, window),
                                     IndexFailure(map, window), ControlFailure(map, window)})
    if (!failure.empty()) return failure;
  return {};
}

std::string CompareReloaded(const Map& written, const Map& read) {
  if (written.Width != read.Width || written.Height != read.Height ||
      written.Background != read.Background)
    return "the reloaded size or background differs";
  for (int x = 1; x <= written.Width; ++x)
    for (int y = 1; y <= written.Height; ++y)
      if (written.Cell(x, y) != read.Cell(x, y))
        return "the reloaded cell " + At(x, y) + " differs";
  const CellPosition primary = FirstListedChar(written);
  const bool readHasPrimary = read.HasPrimaryChar();
  if ((primary.X != -1) != readHasPrimary ||
      (readHasPrimary && (primary.X != read.PrimaryCharX || primary.Y != read.PrimaryCharY)))
    return "the reloaded primary char " + At(read.PrimaryCharX, read.PrimaryCharY) + " should be " +
           At(primary.X, primary.Y);
  if (written.PlatformCount != read.PlatformCount) return "the reloaded PlatformCount differs";
  for (int i = 0; i < written.PlatformCount; ++i) {
    Platform expected = written.Platforms[i];
    Platform actual = read.Platforms[i];
    if (!HasSwitch(expected.SwitchType)) {
      expected.SwitchX = actual.SwitchX;
      expected.SwitchY = actual.SwitchY;
    }
    if (!(expected == actual)) return "the reloaded platform " + std::to_string(i + 1) + " differs";
  }
  if (written.SpringCount != read.SpringCount) return "the reloaded SpringCount differs";
  for (int i = 0; i < written.SpringCount; ++i) {
    const Spring& expected = written.Springs[i];
    const Spring& actual = read.Springs[i];
    if (expected.Kind != actual.Kind || expected.PointCount != actual.PointCount)
      return "the reloaded spring " + std::to_string(i + 1) + " differs";
    for (int k = 0; k < expected.PointCount; ++k)
      if (!(expected.Points[k] == actual.Points[k]))
        return "the reloaded spring " + std::to_string(i + 1) + " has point " +
               At(actual.Points[k].X, actual.Points[k].Y) + " in place of " +
               At(expected.Points[k].X, expected.Points[k].Y);
  }
  if (FileLines(written) != FileLines(read)) return "the reloaded custom texts differ";
  return {};
}

