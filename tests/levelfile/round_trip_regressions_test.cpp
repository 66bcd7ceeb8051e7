// Maps that did not come back from their level file as they were written.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "levelfile/file_limits.h"
#include "levelfile/level_reader.h"
#include "levelfile/level_writer.h"
#include "levelfile/validation.h"
#include "validation_maps.h"

namespace {

using validation_maps::AddSpring;
using validation_maps::PlayableMap;
using validation_maps::Point;

// A playable map whose spring is attached at (5, 5) and has a second point.
std::unique_ptr<Map> MapWithSpringPoint(int x, int y) {
  auto map = PlayableMap();
  map->Cell(5, 5).ObjectKind = 1;
  AddSpring(*map, {Point(5, 5, TopLeft), Point(x, y, BottomLeft)});
  return map;
}

}  // namespace

// Resizing may move spring points off the map; a point is written as one byte
// per coordinate, so only columns and rows 0..255 come back as they were.
TEST(SpringPointLimits, PointsOutsideWhatTheFileHoldsAreRefused) {
  for (const auto& [x, y] :
       {std::pair{-1, 4}, std::pair{256, 4}, std::pair{4, -2}, std::pair{4, 300}}) {
    SCOPED_TRACE(std::to_string(x) + ", " + std::to_string(y));
    auto map = MapWithSpringPoint(x, y);
    const std::string message = FileLimitsMessage(*map);
    EXPECT_EQ(message, "The level file cannot hold spring 1: its point (" + std::to_string(x) +
                           ", " + std::to_string(y) + ") lies outside columns and rows 0..255.");
    const ValidationResult result = ValidateMap(*map, false);
    EXPECT_FALSE(result.Passed);
    EXPECT_EQ(result.Messages, std::vector<std::string>{message});
  }
}

TEST(SpringPointLimits, PointsOnTheEdgesOfWhatTheFileHoldsComeBack) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "zubo_spring_point_limits.lvl";
  for (const auto& [x, y] : {std::pair{0, 0}, std::pair{255, 255}}) {
    auto map = MapWithSpringPoint(x, y);
    ASSERT_TRUE(ValidateMap(*map, false).Passed);
    ASSERT_TRUE(WriteLevelFile(*map, path.string()).Ok);
    auto read = std::make_unique<Map>();
    ASSERT_TRUE(ReadLevelFile(path.string(), *read));
    ASSERT_EQ(read->SpringCount, 1);
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
