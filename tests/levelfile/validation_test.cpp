#include "levelfile/validation.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "levelfile/file_limits.h"
#include "levelfile/validation_maps.h"
#include "model/map.h"
#include "model/message_texts.h"

namespace {

using validation_maps::AddPlatform;
using validation_maps::AddSpring;
using validation_maps::PlayableMap;
using validation_maps::Point;

using Messages = std::vector<std::string>;

const char* const LavaWarningText =
    "Warning: lava tiles are present in the map. It may crash the level.";

void ExpectFailure(Map& map, const std::string& message) {
  const ValidationResult result = ValidateMap(map, true);
  EXPECT_FALSE(result.Passed);
  EXPECT_EQ(result.Messages, Messages{message});
}

void ExpectPass(Map& map) {
  const ValidationResult result = ValidateMap(map, true);
  EXPECT_TRUE(result.Passed);
  EXPECT_EQ(result.Messages, Messages{});
}

// --- Cell scan, Zubo and end tile -------------------------------------------

TEST(ValidateMapTest, PlayableMapPassesSilently) {
  auto map = PlayableMap();
  map->Saved = false;
  ExpectPass(*map);
  EXPECT_FALSE(map->Saved);
}

TEST(ValidateMapTest, MissingZuboAndEndReportsOnlyZubo) {
  auto map = PlayableMap();
  map->Cell(1, 1).CharKind = 0;
  map->Cell(2, 1).MgTile = 0;
  ExpectFailure(*map, "The map doesn't contain Zubo!");
}

TEST(ValidateMapTest, MissingEndTile) {
  auto map = PlayableMap();
  map->Cell(2, 1).MgTile = 0;
  ExpectFailure(*map, "The map is missing an \"end\" tile!");
}

TEST(ValidateMapTest, OtherCharsAndMidgroundTilesDoNotCount) {
  auto map = PlayableMap();
  map->Cell(1, 1).CharKind = 5;
  ExpectFailure(*map, "The map doesn't contain Zubo!");
  map->Cell(1, 1).CharKind = ZuboCharKind;
  map->Cell(2, 1).MgTile = 13;
  ExpectFailure(*map, "The map is missing an \"end\" tile!");
}

TEST(ValidateMapTest, ItemsOutsideTheMapDoNotCount) {
  auto map = PlayableMap();
  map->Cell(1, 1).CharKind = 0;
  map->Cell(21, 1).CharKind = ZuboCharKind;
  ExpectFailure(*map, "The map doesn't contain Zubo!");

  map->Cell(1, 1).CharKind = ZuboCharKind;
  map->Cell(2, 1).MgTile = 0;
  map->Cell(2, 21).MgTile = EndMgTile;
  ExpectFailure(*map, "The map is missing an \"end\" tile!");

  map->Cell(2, 1).MgTile = EndMgTile;
  map->Cell(21, 5).TextId = 9;
  map->Cell(5, 21).FgTile = 37;
  ExpectPass(*map);
}

TEST(ValidateMapTest, TextMarkerBeyondTheLines) {
  auto map = PlayableMap();
  map->CustomTexts = {"one", "two"};
  map->Cell(3, 5).TextId = 2;
  ExpectPass(*map);
  map->Cell(3, 5).TextId = 3;
  ExpectFailure(*map, "Custom text at [3,5] is out of bounds. Maximum value is 2");
}

TEST(ValidateMapTest, TextLinesAreCountedWithoutAnEmptyLastLine) {
  auto map = PlayableMap();
  map->CustomTexts = {"one", "", "three", ""};
  map->Cell(4, 4).TextId = 3;
  ExpectPass(*map);
  map->Cell(4, 4).TextId = 4;
  ExpectFailure(*map, "Custom text at [4,4] is out of bounds. Maximum value is 3");
}

TEST(ValidateMapTest, TextCheckComesFirstAtTheFirstCellInColumnOrder) {
  auto map = PlayableMap();
  map->Cell(1, 1).CharKind = 0;
  map->Cell(2, 1).MgTile = 0;
  map->Cell(2, 1).TextId = 1;
  map->Cell(1, 7).TextId = 200;
  ExpectFailure(*map, "Custom text at [1,7] is out of bounds. Maximum value is 0");
}

TEST(ValidateMapTest, TextMarkersAreNotCheckedWhenCustomTextsAreOff) {
  auto map = PlayableMap();
  map->Cell(3, 5).TextId = 7;
  const ValidationResult result = ValidateMap(*map, false);
  EXPECT_TRUE(result.Passed);
  EXPECT_EQ(result.Messages, Messages{});
}

TEST(ValidateMapTest, RemovesBackgroundTiles47To51EvenWhenALaterCheckFails) {
  auto map = PlayableMap();
  map->Cell(1, 1).CharKind = 0;
  for (int tile = 46; tile <= 52; ++tile) map->Cell(tile - 40, 3).BgTile = tile;
  map->Cell(21, 3).BgTile = 47;
  ExpectFailure(*map, "The map doesn't contain Zubo!");
  for (int tile = 46; tile <= 52; ++tile) {
    const int expected = tile == 46 || tile == 52 ? tile : 0;
    EXPECT_EQ(map->Cell(tile - 40, 3).BgTile, expected) << "tile " << tile;
  }
  EXPECT_EQ(map->Cell(21, 3).BgTile, 47);
}

TEST(ValidateMapTest, TextFailureLeavesTheCellsAfterItUntouched) {
  auto map = PlayableMap();
  map->Cell(1, 1).BgTile = 47;
  map->Cell(1, 20).BgTile = 51;
  map->Cell(2, 2).BgTile = 48;
  map->Cell(2, 2).TextId = 1;
  map->Cell(2, 3).BgTile = 49;
  map->Cell(3, 1).BgTile = 50;
  ExpectFailure(*map, "Custom text at [2,2] is out of bounds. Maximum value is 0");
  EXPECT_EQ(map->Cell(1, 1).BgTile, 0);
  EXPECT_EQ(map->Cell(1, 20).BgTile, 0);
  EXPECT_EQ(map->Cell(2, 2).BgTile, 0);
  EXPECT_EQ(map->Cell(2, 3).BgTile, 49);
  EXPECT_EQ(map->Cell(3, 1).BgTile, 50);
}

TEST(ValidateMapTest, ChecksRunInTheirOrder) {
  auto map = PlayableMap();
  AddPlatform(*map, TurnForever, 4, 7);    // no midground tile: incorrect
  AddSpring(*map, {Point(9, 9, Center)});  // touches nothing
  map->Cell(2, 1).MgTile = 0;
  ExpectFailure(*map, "The map is missing an \"end\" tile!");
  map->Cell(2, 1).MgTile = EndMgTile;
  ExpectFailure(*map, "Incorrect platform switch at [4, 7]!");
  map->Platforms[0].SwitchType = NoSwitch;
  ExpectFailure(*map, "Spring (9, 9)->(9, 9) is not attached to any object!");
}

// --- Lava -------------------------------------------------------------------

TEST(ValidateMapTest, LavaPassesWithAWarning) {
  for (int tile = 37; tile <= 40; ++tile) {
    auto map = PlayableMap();
    map->Cell(6, 6).FgTile = tile;
    const ValidationResult result = ValidateMap(*map, true);
    EXPECT_TRUE(result.Passed) << "tile " << tile;
    EXPECT_EQ(result.Messages, Messages{LavaWarningText}) << "tile " << tile;
  }
}

TEST(ValidateMapTest, TilesNextToLavaAreNotLava) {
  auto map = PlayableMap();
  map->Cell(6, 6).FgTile = 36;
  map->Cell(7, 6).FgTile = 41;
  ExpectPass(*map);
}

TEST(ValidateMapTest, FailureIsNotPrecededByTheLavaWarning) {
  auto map = PlayableMap();
  map->Cell(6, 6).FgTile = 38;
  map->Cell(1, 1).CharKind = 0;
  ExpectFailure(*map, "The map doesn't contain Zubo!");
}

// --- Platform switches ------------------------------------------------------

TEST(ValidateMapTest, SwitchWithFreeRoomAbovePasses) {
  for (int above : {0, 9, 10}) {
    auto map = PlayableMap();
    map->Cell(4, 7).MgTile = 5;
    map->Cell(4, 8).MgTile = above;
    AddPlatform(*map, TurnForever, 4, 7);
    SCOPED_TRACE(above);
    ExpectPass(*map);
  }
}

TEST(ValidateMapTest, SwitchWithATileAboveFails) {
  auto map = PlayableMap();
  map->Cell(4, 7).MgTile = 5;
  map->Cell(4, 8).MgTile = 3;
  AddPlatform(*map, TurnForever, 4, 7);
  ExpectFailure(*map, "Incorrect platform switch at [4, 7]!");
}

TEST(ValidateMapTest, SwitchWithoutMidgroundTileFails) {
  auto map = PlayableMap();
  AddPlatform(*map, KeepOneMove, 4, 7);
  ExpectFailure(*map, "Incorrect platform switch at [4, 7]!");
}

TEST(ValidateMapTest, SwitchInTheTopRowFails) {
  auto map = PlayableMap();
  map->Cell(4, 20).MgTile = 5;
  AddPlatform(*map, TurnOneMove, 4, 20);
  ExpectFailure(*map, "Incorrect platform switch at [4, 20]!");
}

TEST(ValidateMapTest, EverySwitchTypeWithASwitchIsExamined) {
  for (uint8_t type : {TurnForever, TurnOneMove, KeepForever, KeepOneMove}) {
    auto map = PlayableMap();
    AddPlatform(*map, type, 4, 7);
    SCOPED_TRACE(static_cast<int>(type));
    ExpectFailure(*map, "Incorrect platform switch at [4, 7]!");
  }
}

TEST(ValidateMapTest, PlatformsWithoutSwitchAreNeverExamined) {
  auto map = PlayableMap();
  AddPlatform(*map, NoSwitch, 0, 0);
  AddPlatform(*map, NoSwitchOneMove, 255, 255);
  AddPlatform(*map, NoSwitch, 4, 20);
  AddPlatform(*map, NoSwitchOneMove, 4, 7);
  ExpectPass(*map);
}

TEST(ValidateMapTest, SwitchOutsideTheMapIsIncorrect) {
  const struct {
    uint8_t X;
    uint8_t Y;
    const char* Message;
  } cases[] = {
      {0, 7, "Incorrect platform switch at [0, 7]!"},
      {4, 0, "Incorrect platform switch at [4, 0]!"},
      {25, 7, "Incorrect platform switch at [25, 7]!"},
      {4, 30, "Incorrect platform switch at [4, 30]!"},
      {255, 255, "Incorrect platform switch at [255, 255]!"},
  };
  for (const auto& c : cases) {
    auto map = PlayableMap();
    // Storage past the map holds what would make the switch correct.
    map->Cell(25, 7).MgTile = 5;
    map->Cell(4, 30).MgTile = 5;
    map->Cell(255, 255).MgTile = 5;
    AddPlatform(*map, KeepForever, c.X, c.Y);
    SCOPED_TRACE(c.Message);
    ExpectFailure(*map, c.Message);
  }
}

TEST(ValidateMapTest, SwitchesAtTheEdgeOfTheLargestMap) {
  auto map = PlayableMap();
  map->Width = 255;
  map->Height = 255;
  map->Cell(255, 254).MgTile = 5;
  AddPlatform(*map, TurnForever, 255, 254);
  ExpectPass(*map);
  map->Cell(255, 255).MgTile = 5;
  map->Platforms[0].SwitchY = 255;
  ExpectFailure(*map, "Incorrect platform switch at [255, 255]!");
}

TEST(ValidateMapTest, FirstIncorrectPlatformIsReported) {
  auto map = PlayableMap();
  map->Cell(4, 7).MgTile = 5;
  AddPlatform(*map, NoSwitch, 1, 1);
  AddPlatform(*map, TurnForever, 4, 7);
  AddPlatform(*map, TurnForever, 6, 6);
  AddPlatform(*map, TurnForever, 7, 7);
  ExpectFailure(*map, "Incorrect platform switch at [6, 6]!");
}

// --- Springs ----------------------------------------------------------------

TEST(ValidateMapTest, SpringAttachedByAWideObjectAbove) {
  auto map = PlayableMap();
  AddSpring(*map, {Point(5, 5, TopRight), Point(5, 12, TopRight)});
  ExpectFailure(*map, "Spring (5, 5)->(5, 12) is not attached to any object!");
  map->Cell(3, 6).ObjectKind = 9;  // 4 x 1: columns 3..6 of row 6
  ExpectPass(*map);
}

TEST(ValidateMapTest, UnattachedSpringNamesItsEnds) {
  auto map = PlayableMap();
  AddSpring(*map, {Point(3, 4, BottomLeft), Point(3, 9, TopRight)});
  ExpectFailure(*map, "Spring (3, 4)->(3, 9) is not attached to any object!");
}

TEST(ValidateMapTest, MiddlePointsOfASpringDoNotAttachIt) {
  auto map = PlayableMap();
  map->Cell(8, 8).ObjectKind = 1;
  AddSpring(*map, {Point(3, 4, Center), Point(8, 8, Center), Point(3, 9, Center)});
  ExpectFailure(*map, "Spring (3, 4)->(3, 9) is not attached to any object!");
}

TEST(ValidateMapTest, OneAttachedEndIsEnough) {
  auto map = PlayableMap();
  map->Cell(3, 9).ObjectKind = 1;
  AddSpring(*map, {Point(3, 4, Center), Point(3, 9, TopLeft)});
  ExpectPass(*map);
}

// The cells of the 3 x 3 block around (10, 10) where a lone 1 x 1 object
// attaches a one-point spring at (10, 10) with the given corner.
std::set<std::pair<int, int>> AttachingCells(uint8_t corner) {
  std::set<std::pair<int, int>> cells;
  for (int x = 9; x <= 11; ++x) {
    for (int y = 9; y <= 11; ++y) {
      auto map = PlayableMap();
      map->Cell(x, y).ObjectKind = 1;
      AddSpring(*map, {Point(10, 10, corner)});
      if (ValidateMap(*map, true).Passed) cells.insert({x, y});
    }
  }
  return cells;
}

TEST(ValidateMapTest, TopLeftCornerMeetsTheCellsLeftAndAbove) {
  const std::set<std::pair<int, int>> expected = {{9, 10}, {9, 11}, {10, 10}, {10, 11}};
  EXPECT_EQ(AttachingCells(TopLeft), expected);
}

TEST(ValidateMapTest, TopRightCornerMeetsTheCellsRightAndAbove) {
  const std::set<std::pair<int, int>> expected = {{10, 10}, {10, 11}, {11, 10}, {11, 11}};
  EXPECT_EQ(AttachingCells(TopRight), expected);
}

TEST(ValidateMapTest, BottomRightCornerMeetsTheCellsRightAndBelow) {
  const std::set<std::pair<int, int>> expected = {{10, 9}, {10, 10}, {11, 9}, {11, 10}};
  EXPECT_EQ(AttachingCells(BottomRight), expected);
}

TEST(ValidateMapTest, BottomLeftCornerMeetsTheCellsLeftAndBelow) {
  const std::set<std::pair<int, int>> expected = {{9, 9}, {9, 10}, {10, 9}, {10, 10}};
  EXPECT_EQ(AttachingCells(BottomLeft), expected);
}

TEST(ValidateMapTest, CenterMeetsOnlyItsOwnCell) {
  // An anchor in the cell itself is refused; no neighbour attaches.
  EXPECT_EQ(AttachingCells(Center), (std::set<std::pair<int, int>>{}));
  auto map = PlayableMap();
  map->Cell(10, 10).ObjectKind = 1;
  AddSpring(*map, {Point(10, 10, Center)});
  ExpectFailure(*map, "Spring cannot end in the middle of an object at [10, 10]!");
}

TEST(ValidateMapTest, CenterOnACoveredCellAttaches) {
  auto map = PlayableMap();
  map->Cell(3, 6).ObjectKind = 9;  // columns 3..6 of row 6
  AddSpring(*map, {Point(5, 6, Center)});
  ExpectPass(*map);
  map->Springs[0].Points[0] = Point(6, 6, Center);
  ExpectPass(*map);
  map->Springs[0].Points[0] = Point(7, 6, Center);
  ExpectFailure(*map, "Spring (7, 6)->(7, 6) is not attached to any object!");
  map->Springs[0].Points[0] = Point(3, 6, Center);
  ExpectFailure(*map, "Spring cannot end in the middle of an object at [3, 6]!");
}

TEST(ValidateMapTest, CenterOnAnAnchorFailsEvenWhenTheOtherEndIsAttached) {
  auto map = PlayableMap();
  map->Cell(3, 6).ObjectKind = 9;
  AddSpring(*map, {Point(5, 6, Center), Point(3, 6, Center)});
  ExpectFailure(*map, "Spring cannot end in the middle of an object at [3, 6]!");
}

TEST(ValidateMapTest, FirstEndIsExaminedBeforeTheLast) {
  auto map = PlayableMap();
  map->Cell(3, 3).ObjectKind = 1;
  map->Cell(9, 9).ObjectKind = 1;
  AddSpring(*map, {Point(9, 9, Center), Point(6, 6, TopLeft), Point(3, 3, Center)});
  ExpectFailure(*map, "Spring cannot end in the middle of an object at [9, 9]!");
}

TEST(ValidateMapTest, FirstFailingSpringIsReported) {
  auto map = PlayableMap();
  map->Cell(5, 5).ObjectKind = 1;
  map->Cell(15, 15).ObjectKind = 1;
  AddSpring(*map, {Point(5, 5, TopRight), Point(5, 10, TopRight)});
  AddSpring(*map, {Point(10, 10, TopLeft), Point(11, 12, TopLeft)});
  AddSpring(*map, {Point(15, 15, Center)});
  ExpectFailure(*map, "Spring (10, 10)->(11, 12) is not attached to any object!");
}

TEST(ValidateMapTest, OnePointSpringIsItsOwnTwoEnds) {
  auto map = PlayableMap();
  map->Cell(5, 5).ObjectKind = 1;
  AddSpring(*map, {Point(5, 5, BottomLeft)});
  ExpectPass(*map);
  map->Springs[0].Points[0].Corner = Center;
  ExpectFailure(*map, "Spring cannot end in the middle of an object at [5, 5]!");
}

TEST(ValidateMapTest, SearchReachesAnObjectAnchoredSevenColumnsLeft) {
  auto map = PlayableMap();
  map->Cell(7, 5).ObjectKind = 12;              // 8 x 1: columns 7..14 of row 5
  AddSpring(*map, {Point(15, 5, BottomLeft)});  // cells of columns 14..15
  ExpectPass(*map);
  map->Cell(7, 5).ObjectKind = 0;
  map->Cell(6, 5).ObjectKind = 12;  // columns 6..13
  ExpectFailure(*map, "Spring (15, 5)->(15, 5) is not attached to any object!");
}

TEST(ValidateMapTest, SearchReachesATallObjectBelow) {
  auto map = PlayableMap();
  map->Cell(5, 7).ObjectKind = 11;            // 1 x 4: rows 7..10 of column 5
  AddSpring(*map, {Point(5, 10, TopRight)});  // cells of rows 10..11
  ExpectPass(*map);
  map->Cell(5, 7).ObjectKind = 0;
  map->Cell(5, 6).ObjectKind = 11;  // rows 6..9
  ExpectFailure(*map, "Spring (5, 10)->(5, 10) is not attached to any object!");
}

TEST(ValidateMapTest, ObjectsRightOfOrAboveTheEndDoNotAttach) {
  auto map = PlayableMap();
  map->Cell(7, 5).ObjectKind = 12;
  map->Cell(5, 7).ObjectKind = 11;
  AddSpring(*map, {Point(5, 5, TopRight)});  // columns 5..6, rows 5..6
  ExpectFailure(*map, "Spring (5, 5)->(5, 5) is not attached to any object!");
}

TEST(ValidateMapTest, ObjectKindsAbove12AreOneCell) {
  for (uint8_t kind : {13, 200}) {
    auto map = PlayableMap();
    map->Cell(3, 5).ObjectKind = kind;
    SCOPED_TRACE(static_cast<int>(kind));
    AddSpring(*map, {Point(4, 5, TopLeft)});  // columns 3..4
    ExpectPass(*map);
    map->Springs[0].Points[0].Corner = TopRight;  // columns 4..5
    ExpectFailure(*map, "Spring (4, 5)->(4, 5) is not attached to any object!");
  }
}

TEST(ValidateMapTest, UnknownCornerTouchesNothing) {
  for (uint8_t corner : {5, 255}) {
    auto map = PlayableMap();
    map->Cell(7, 8).ObjectKind = 1;
    AddSpring(*map, {Point(7, 8, corner)});
    SCOPED_TRACE(static_cast<int>(corner));
    ExpectFailure(*map, "Spring (7, 8)->(7, 8) is not attached to any object!");
  }
}

TEST(ValidateMapTest, SpringWithoutPointsIsNotAttached) {
  auto map = PlayableMap();
  map->Cell(7, 8).ObjectKind = 1;
  Spring& spring = AddSpring(*map, {});
  spring.Points[0] = Point(7, 8, TopRight);
  spring.Points[1] = Point(9, 9, TopRight);
  ExpectFailure(*map, "Spring (7, 8)->(7, 8) is not attached to any object!");
}

TEST(ValidateMapTest, ObjectsOutsideTheMapDoNotAttach) {
  auto map = PlayableMap();
  map->Width = 10;
  map->Cell(11, 5).ObjectKind = 1;
  AddSpring(*map, {Point(12, 5, TopLeft)});
  ExpectFailure(*map, "Spring (12, 5)->(12, 5) is not attached to any object!");
  map->Springs[0].Points[0] = Point(11, 5, Center);
  ExpectFailure(*map, "Spring (11, 5)->(11, 5) is not attached to any object!");
}

// Points pushed off the map are checked for attachment without reading
// outside the cells; attached or not, the file never gets them.
TEST(ValidateMapTest, SpringsPushedOffTheMapAreSafe) {
  auto map = PlayableMap();
  map->Cell(1, 5).ObjectKind = 1;
  AddSpring(*map, {Point(0, 5, TopRight)});  // columns 0..1
  ExpectFailure(*map,
                "The level file cannot hold spring 1: its point (0, 5) lies outside the map "
                "(columns 1..20, rows 1..20).");
  map->Springs[0].Points[0].Corner = TopLeft;  // columns -1..0
  ExpectFailure(*map, "Spring (0, 5)->(0, 5) is not attached to any object!");

  map->Springs[0].Points[0] = Point(0, 0, Center);
  ExpectFailure(*map, "Spring (0, 0)->(0, 0) is not attached to any object!");
  map->Springs[0].Points[0] = Point(257, 300, BottomLeft);
  ExpectFailure(*map, "Spring (257, 300)->(257, 300) is not attached to any object!");
}

TEST(ValidateMapTest, SpringsAtTheEdgeOfTheLargestMap) {
  auto map = PlayableMap();
  map->Width = 255;
  map->Height = 255;
  map->Cell(256, 256).ObjectKind = 1;
  AddSpring(*map, {Point(256, 256, Center)});
  ExpectFailure(*map, "Spring (256, 256)->(256, 256) is not attached to any object!");
  map->Springs[0].Points[0].Corner = BottomLeft;  // columns and rows 255..256
  map->Cell(255, 255).ObjectKind = 1;
  ExpectFailure(*map,
                "The level file cannot hold spring 1: its point (256, 256) lies outside the map "
                "(columns 1..255, rows 1..255).");
  map->Springs[0].Points[0] = Point(255, 255, BottomLeft);
  ExpectPass(*map);
}

// --- Limits of the level file -----------------------------------------------

// Places objects of kind 1 in the first count cells of the 20 x 20 map.
void FillObjects(Map& map, int count) {
  for (int i = 0; i < count; ++i) map.Cell(1 + i / 20, 1 + i % 20).ObjectKind = 1;
}

TEST(ValidateMapTest, MapOverTheFileLimitsIsRefused) {
  auto map = PlayableMap();
  FillObjects(*map, 255);
  ExpectPass(*map);
  FillObjects(*map, 256);
  const ValidationResult result = ValidateMap(*map, true);
  EXPECT_FALSE(result.Passed);
  ASSERT_EQ(result.Messages.size(), 1u);
  EXPECT_EQ(result.Messages[0], FileLimitsMessage(*map));
  EXPECT_NE(result.Messages[0].find("objects"), std::string::npos);
  EXPECT_NE(result.Messages[0].find("1 too many"), std::string::npos);
}

TEST(ValidateMapTest, FileLimitsComeAfterSpringsAndBeforeLava) {
  auto map = PlayableMap();
  FillObjects(*map, 256);
  map->Cell(6, 6).FgTile = 40;
  AddSpring(*map, {Point(30, 30, Center)});
  ExpectFailure(*map, "Spring (30, 30)->(30, 30) is not attached to any object!");
  map->SpringCount = 0;
  ExpectFailure(*map, FileLimitsMessage(*map));
}

}  // namespace

// Every problem at once, in the order a save meets them, each with its cell,
// and the map as it was.
TEST(FindProblems, ListsEveryFaultInSaveOrderWithoutChangingTheMap) {
  using namespace validation_maps;
  auto map = std::make_unique<Map>();
  map->Width = 20;
  map->Height = 20;
  map->Cell(4, 4).TextId = 2;  // no custom text lines
  map->Cell(6, 7).TextId = 1;
  AddPlatform(*map, TurnForever, 9, 9);   // no midground under the switch
  AddPlatform(*map, TurnForever, 10, 1);  // one more
  AddSpring(*map, {Point(12, 12, Center), Point(14, 12, Center)});
  map->Cell(15, 15).FgTile = 38;   // lava
  map->Cell(16, 16).BgTile = 47;   // removed by a save once the markers pass
  map->Cell(17, 2).BgTile = 51;
  AddSpring(*map, {Point(3, 30, Center), Point(3, 5, Center)}).Kind = 2;
  const auto before = std::make_unique<Map>(*map);

  const std::vector<MapProblem> problems = FindProblems(*map, true);
  const struct {
    std::string Text;
    std::optional<TileCell> Cell;
  } expected[] = {
      {"Custom text at [4,4] is out of bounds. Maximum value is 0", TileCell{4, 4}},
      {"Custom text at [6,7] is out of bounds. Maximum value is 0", TileCell{6, 7}},
      {MessageTexts::NoZubo, std::nullopt},
      {MessageTexts::NoEndTile, std::nullopt},
      {"Incorrect platform switch at [9, 9]!", TileCell{9, 9}},
      {"Incorrect platform switch at [10, 1]!", TileCell{10, 1}},
      {"Spring (12, 12)->(14, 12) is not attached to any object!", TileCell{12, 12}},
      {"Spring (3, 30)->(3, 5) is not attached to any object!", TileCell{3, 30}},
      {MessageTexts::LavaWarning, TileCell{15, 15}},
      {"A save removes 2 background tiles (47..51) that the game cannot show.", TileCell{16, 16}},
      {"The level file cannot hold spring 2: its point (3, 30) lies outside the map (columns "
       "1..20, rows 1..20).",
       TileCell{3, 30}},
  };
  ASSERT_EQ(problems.size(), std::size(expected));
  for (size_t i = 0; i < problems.size(); ++i) {
    EXPECT_EQ(problems[i].Text, expected[i].Text) << i;
    EXPECT_EQ(problems[i].Cell.has_value(), expected[i].Cell.has_value()) << i;
    if (problems[i].Cell && expected[i].Cell) {
      EXPECT_EQ(problems[i].Cell->X, expected[i].Cell->X) << i;
      EXPECT_EQ(problems[i].Cell->Y, expected[i].Cell->Y) << i;
    }
  }
  EXPECT_TRUE(map->Cells == before->Cells);
  // A save meets the first only, and removes nothing beyond it.
  EXPECT_EQ(CheckMap(*map, true).Messages, std::vector<std::string>{expected[0].Text});
  EXPECT_TRUE(FindProblems(*PlayableMap(), true).empty());
}

TEST(FindProblems, SeveralZubosWithNoneChosenNameTheOneTheFileMakesPrimary) {
  auto map = validation_maps::PlayableMap();
  map->Cell(5, 3).CharKind = ZuboCharKind;
  const std::vector<MapProblem> problems = FindProblems(*map, false);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].Text,
            "Several Zubos stand on the map and none is the primary char: the level file makes "
            "the one at (1, 1) primary.");
  map->PrimaryCharX = 5;
  map->PrimaryCharY = 3;
  EXPECT_TRUE(FindProblems(*map, false).empty());
  EXPECT_TRUE(CheckMap(*map, false).Passed);
}
