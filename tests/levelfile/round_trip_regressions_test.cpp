// Maps that did not come back from their level file as they were written.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "levelfile/file_limits.h"
#include "levelfile/level_reader.h"
#include "levelfile/level_writer.h"
#include "levelfile/validation.h"
#include "validation_maps.h"

namespace {

using validation_maps::AddPlatform;
using validation_maps::AddSpring;
using validation_maps::PlayableMap;
using validation_maps::Point;

}  // namespace

// Resizing keeps items it moves off the map. A level file must never carry
// them: the game would get positions off its map (a platform coordinate is a
// byte and wraps from 0 to 255). The map is refused and nothing is written.
TEST(ItemsOutsideTheMap, AreRefusedBeforeAnythingIsWritten) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "zubo_items_outside_the_map.lvl";
  struct Case {
    std::function<void(Map&)> Move;
    std::string Message;  // empty: the map is written and comes back
  };
  const std::string map20 = " lies outside the map (columns 1..20, rows 1..20).";
  const Case cases[] = {
      {[](Map& m) { m.Springs[0].Points[1].X = 0; }, "spring 1: its point (0, 7)" + map20},
      {[](Map& m) { m.Springs[0].Points[1].Y = 21; }, "spring 1: its point (4, 21)" + map20},
      {[](Map& m) { m.Springs[0].Points[1].X = -1; }, "spring 1: its point (-1, 7)" + map20},
      {[](Map& m) { m.Platforms[0].StartX = 255; }, "platform 1: its start (255, 3)" + map20},
      {[](Map& m) { m.Platforms[0].EndY = 0; }, "platform 1: its end (8, 0)" + map20},
      {[](Map& m) { m.Platforms[0].SwitchX = 21; }, "platform 1: its switch (21, 9)" + map20},
      {[](Map& m) { m.Springs[0].Points[1] = Point(20, 20, Center); }, ""},
      {[](Map& m) { m.Platforms[0].SwitchType = NoSwitch, m.Platforms[0].SwitchX = 0; }, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Message);
    auto map = PlayableMap();
    map->Cell(5, 5).ObjectKind = 1;
    AddSpring(*map, {Point(5, 5, TopLeft), Point(4, 7, BottomLeft)});
    AddPlatform(*map, TurnForever, 6, 9);
    map->Cell(6, 9).MgTile = 1;
    c.Move(*map);
    std::filesystem::remove(path);
    const ValidationResult result = ValidateMap(*map, false);
    const WriteOutcome written = WriteLevelFile(*map, path.string());
    if (!c.Message.empty()) {
      EXPECT_FALSE(result.Passed);
      EXPECT_EQ(written.Error, "The level file cannot hold " + c.Message);
      EXPECT_FALSE(std::filesystem::exists(path));
      continue;
    }
    EXPECT_TRUE(result.Passed);
    ASSERT_TRUE(written.Ok);
    auto read = std::make_unique<Map>();
    ASSERT_TRUE(ReadLevelFile(path.string(), *read));
    EXPECT_EQ(read->Springs[0].Points[1], map->Springs[0].Points[1]);
  }
  std::filesystem::remove(path);
}

// An empty last custom text line of the file stays a line of the map, so
// that the map counts it and writes it again.
TEST(CustomTextsRoundTrip, EmptyLastLineIsKept) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "zubo_custom_texts_round_trip.lvl";
  for (const std::vector<std::string>& lines :
       {std::vector<std::string>{"a", "", ""}, std::vector<std::string>{"", ""}}) {
    auto map = PlayableMap();
    map->CustomTexts = lines;  // the last empty line does not count
    ASSERT_TRUE(WriteLevelFile(*map, path.string()).Ok);
    auto read = std::make_unique<Map>();
    ASSERT_TRUE(ReadLevelFile(path.string(), *read));
    EXPECT_EQ(read->CustomTextLineCount(), map->CustomTextLineCount());
    EXPECT_EQ(read->CustomTexts, lines);
  }
  std::filesystem::remove(path);
}
