#include "level_file_fixtures.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace {

std::string Describe(const LevelEntry& e) {
  return "(" + std::to_string(e.X) + ", " + std::to_string(e.Y) + ") = " + std::to_string(e.Value);
}

::testing::AssertionResult SameEntries(const char* what, const std::vector<LevelEntry>& expected,
                                       const std::vector<LevelEntry>& actual) {
  if (expected.size() != actual.size())
    return ::testing::AssertionFailure()
           << what << ": " << actual.size() << " entries, expected " << expected.size();
  for (size_t i = 0; i < expected.size(); ++i) {
    if (!(expected[i] == actual[i]))
      return ::testing::AssertionFailure() << what << " entry " << i << ": " << Describe(actual[i])
                                           << ", expected " << Describe(expected[i]);
  }
  return ::testing::AssertionSuccess();
}

bool SamePlatform(const Platform& a, const Platform& b) {
  const bool sameSwitch =
      !HasSwitch(a.SwitchType) || (a.SwitchX == b.SwitchX && a.SwitchY == b.SwitchY);
  return a.Kind == b.Kind && a.Speed == b.Speed && a.SwitchType == b.SwitchType &&
         a.StartX == b.StartX && a.StartY == b.StartY && a.EndX == b.EndX && a.EndY == b.EndY &&
         sameSwitch;
}

}  // namespace

std::unique_ptr<Map> MakeEmptyMap(int width, int height) {
  auto map = std::make_unique<Map>();
  map->Width = width;
  map->Height = height;
  NewMap(*map);
  return map;
}

std::unique_ptr<Map> MakeRichMap() {
  auto map = MakeEmptyMap(9, 7);
  map->Background = 2;
  for (int x = 1; x <= map->Width; ++x) {
    for (int y = 1; y <= map->Height; ++y) {
      MapCell& cell = map->Cell(x, y);
      cell.BgTile = static_cast<uint8_t>(x * 10 + y);
      cell.MgTile = static_cast<uint8_t>((x + y) % 3 == 0 ? EndMgTile : 0);
      cell.FgTile = static_cast<uint8_t>(x == y ? 40 : 0);
    }
  }
  map->Cell(2, 3).CharKind = 4;
  map->Cell(3, 1).CharKind = LeadCharKind;
  map->Cell(4, 2).CharKind = ZuboCharKind;
  map->Cell(6, 5).CharKind = ZuboCharKind;
  map->Cell(7, 7).CharKind = 255;
  map->PrimaryCharX = 6;
  map->PrimaryCharY = 5;
  map->Cell(1, 1).ObjectKind = 2;
  map->Cell(5, 4).ObjectKind = 12;
  map->Cell(9, 7).TextId = 1;
  map->Cell(2, 2).TextId = 3;

  map->PlatformCount = 3;
  map->Platforms[0] = Platform{1, 2, 5, 2, 0, 0, 5, 3, NoSwitch};
  map->Platforms[1] = Platform{3, 3, 3, 6, 8, 1, 10, 4, KeepOneMove};
  map->Platforms[2] = Platform{4, 6, 7, 6, 9, 9, 1, 2, NoSwitchOneMove};

  map->SpringCount = 2;
  Spring& first = map->Springs[0];
  first.Kind = 2;
  first.PointCount = 3;
  first.Points[0] = {1, 2, Center};
  first.Points[1] = {2, 2, TopRight};
  first.Points[2] = {2, 4, BottomLeft};
  Spring& second = map->Springs[1];
  second.Kind = 6;
  second.PointCount = 1;
  second.Points[0] = {5, 5, BottomRight};

  map->CustomTexts = {"Welcome to the sewers", "", "caf\xE9 au lait", ""};
  map->Saved = false;
  return map;
}

::testing::AssertionResult SameRecord(const LevelRecord& expected, const LevelRecord& actual) {
  if (expected.Width != actual.Width || expected.Height != actual.Height ||
      expected.Background != actual.Background)
    return ::testing::AssertionFailure()
           << "header " << actual.Width << " x " << actual.Height << " bg " << actual.Background
           << ", expected " << expected.Width << " x " << expected.Height << " bg "
           << expected.Background;
  for (auto result : {SameEntries("char", expected.Chars, actual.Chars),
                      SameEntries("object", expected.Objects, actual.Objects),
                      SameEntries("text marker", expected.TextMarkers, actual.TextMarkers)}) {
    if (!result) return result;
  }
  if (expected.Platforms.size() != actual.Platforms.size() ||
      !std::equal(expected.Platforms.begin(), expected.Platforms.end(), actual.Platforms.begin(),
                  SamePlatform))
    return ::testing::AssertionFailure() << "platforms differ";
  if (expected.Springs.size() != actual.Springs.size())
    return ::testing::AssertionFailure() << "spring count differs";
  for (size_t i = 0; i < expected.Springs.size(); ++i) {
    if (expected.Springs[i].Kind != actual.Springs[i].Kind ||
        expected.Springs[i].Points != actual.Springs[i].Points)
      return ::testing::AssertionFailure() << "spring " << i << " differs";
  }
  if (expected.Tiles != actual.Tiles) return ::testing::AssertionFailure() << "tiles differ";
  if (expected.CustomTexts != actual.CustomTexts)
    return ::testing::AssertionFailure() << "custom texts differ";
  return ::testing::AssertionSuccess();
}
