#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "../../fuzz/level_checks.h"
#include "level_file_fixtures.h"
#include "levelfile/level_reader.h"

// The reader fuzzer's folders: corpus/ holds the real levels it starts from;
// regressions/ holds inputs that once broke the reader, validation or writer,
// and hand-made ones at the edges of the format. Each file goes through the
// fuzzer's own checks.

namespace {

namespace fs = std::filesystem;

// The regular files of a folder, sorted; none when the folder is missing.
std::vector<fs::path> FilesIn(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

TEST(FuzzRegressions, EveryKeptInputPassesTheLevelChecks) {
  LevelChecker checker;
  for (const fs::path& file : FilesIn(fs::path(ZUBO_FUZZ_DIR) / "regressions")) {
    const std::vector<uint8_t> bytes = ReadBytes(file.string());
    EXPECT_EQ(checker.Check(bytes.data(), bytes.size()), "") << file;
  }
}

TEST(FuzzRegressions, EverySeedIsALevelThatPassesTheLevelChecks) {
  const std::vector<fs::path> files = FilesIn(fs::path(ZUBO_FUZZ_DIR) / "corpus");
  ASSERT_GE(files.size(), 5u);
  LevelChecker checker;
  for (const fs::path& file : files) {
    const std::vector<uint8_t> bytes = ReadBytes(file.string());
    EXPECT_TRUE(DecodeLevel(bytes.data(), bytes.size()).has_value()) << file;
    EXPECT_EQ(checker.Check(bytes.data(), bytes.size()), "") << file;
  }
}

// The checks themselves must notice a map that is not what was read.
TEST(FuzzRegressions, TheLevelChecksNoticeAStoredMapThatDiffersFromTheFile) {
  const std::vector<uint8_t> bytes =
      ReadBytes((fs::path(ZUBO_FUZZ_DIR) / "corpus" / "tiny.lvl").string());
  const std::optional<LevelRecord> record = DecodeLevel(bytes.data(), bytes.size());
  ASSERT_TRUE(record.has_value());
  auto map = MakeEmptyMap(record->Width, record->Height);
  StoreLevel(*record, *map);
  std::vector<MapCell> expected;
  EXPECT_EQ(CheckStoredMap(*record, *map, expected), "");

  map->Cell(256, 256).TextId = 1;
  EXPECT_EQ(CheckStoredMap(*record, *map, expected), "cell (256, 256) not stored as read");
  map->Cell(256, 256).TextId = 0;
  map->PrimaryCharX = -1;
  EXPECT_EQ(CheckStoredMap(*record, *map, expected),
            "the primary char is not the first char entry");
}

TEST(FuzzRegressions, TheRoundTripCheckNoticesAMapTheWriterCannotHold) {
  const std::vector<uint8_t> bytes =
      ReadBytes((fs::path(ZUBO_FUZZ_DIR) / "corpus" / "tiny.lvl").string());
  auto map = MakeEmptyMap(1, 1);
  StoreLevel(*DecodeLevel(bytes.data(), bytes.size()), *map);
  auto reloaded = MakeEmptyMap(1, 1);
  EXPECT_EQ(CheckRoundTrip(*map, *reloaded), "");

  // A point count over the header's four bits runs into the kind.
  map->SpringCount = 1;
  map->Springs[0].Kind = 1;
  map->Springs[0].PointCount = MaxFileSpringPoints + 1;
  EXPECT_NE(CheckRoundTrip(*map, *reloaded), "");
}

}  // namespace
