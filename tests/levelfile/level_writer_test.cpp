#include "levelfile/level_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <system_error>

#include "level_file_fixtures.h"
#include "levelfile/file_limits.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Encode(const Map& map) {
  return EncodeLevel(CollectLevel(map));
}

// Offset of the char list and the bytes after the five header fields.
constexpr size_t CharListStart = 5;

// The worked example: 2 x 1, a primary Zubo at (1, 1), the end tile at (2, 1).
std::unique_ptr<Map> WorkedExampleMap() {
  auto map = MakeEmptyMap(2, 1);
  map->Cell(1, 1).CharKind = ZuboCharKind;
  map->PrimaryCharX = 1;
  map->PrimaryCharY = 1;
  map->Cell(2, 1).MgTile = EndMgTile;
  return map;
}

const Bytes WorkedExampleBytes = {0x02, 0x01, 0x00, 0x01, 0x00, 0x01, 0x01, 0x01, 0x00, 0x00,
                                  0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0E, 0x00, 0x00, 0x00};

// The char entries of an encoded map, in file order.
std::vector<LevelEntry> CharEntries(const Bytes& bytes) {
  std::vector<LevelEntry> entries;
  const size_t count = bytes[3] + bytes[4];
  for (size_t i = 0; i < count; ++i) {
    const size_t at = CharListStart + 3 * i;
    entries.push_back({bytes[at], bytes[at + 1], bytes[at + 2]});
  }
  return entries;
}

// The tail of an encoded map without chars, objects, platforms, springs or
// text markers: what follows the tile block and the marker count.
Bytes TailOf(const Map& map) {
  const Bytes bytes = Encode(map);
  const size_t tailStart = 5 + 1 + 2 + 1 + 3 * map.Width * map.Height + 1;
  return {bytes.begin() + tailStart, bytes.end()};
}

// The size the format gives for a map whose lists all fit their counts.
size_t ExpectedSize(const LevelRecord& r) {
  size_t size = 5 + 3 * r.Chars.size() + 1 + 3 * r.Objects.size() + 2;
  for (const Platform& p : r.Platforms) size += HasSwitch(p.SwitchType) ? 9 : 7;
  size += 1;
  for (const LevelSpring& s : r.Springs) size += 1 + 3 * s.Points.size();
  size += 3 * r.Width * r.Height + 1 + 3 * r.TextMarkers.size() + 1;
  for (const std::string& line : r.CustomTexts) size += 2 + line.size();
  return size;
}

TEST(LevelWriterFormat, WorkedExampleIsTwentyBytes) {
  auto map = WorkedExampleMap();
  EXPECT_EQ(Encode(*map), WorkedExampleBytes);

  ScratchFolder folder;
  const std::string path = folder.File("example.lvl");
  map->Saved = false;
  const WriteOutcome outcome = WriteLevelFile(*map, path);
  ASSERT_TRUE(outcome.Ok) << outcome.Error;
  EXPECT_FALSE(map->Saved) << "Saved is the caller's";
  EXPECT_EQ(ReadBytes(path), WorkedExampleBytes);
}

TEST(LevelWriterFormat, SizeFollowsTheFormula) {
  auto map = MakeRichMap();
  const LevelRecord record = CollectLevel(*map);
  EXPECT_EQ(Encode(*map).size(), ExpectedSize(record));
  // 5 chars, 2 objects, platforms 7 + 9 + 7, springs 1 + 9 and 1 + 3, 63 cells,
  // 2 markers, 3 lines (the empty last one dropped).
  EXPECT_EQ(ExpectedSize(record),
            5u + 15 + 1 + 6 + 2 + 23 + 1 + 14 + 189 + 1 + 6 + 1 + (2 + 21) + 2 + (2 + 12));
}

TEST(LevelWriterFormat, CellsOutsideTheMapAreNeverWritten) {
  auto map = MakeEmptyMap(2, 2);
  for (auto [x, y] : {std::pair{3, 1}, std::pair{1, 3}, std::pair{256, 256}}) {
    MapCell& cell = map->Cell(x, y);
    cell = MapCell{7, 8, 9, 2, ZuboCharKind, 1};
  }
  map->PrimaryCharX = 3;
  map->PrimaryCharY = 1;
  const Bytes bytes = Encode(*map);
  Bytes expected(5 + 1 + 2 + 1 + 12 + 1 + 1, 0);
  expected[0] = 2;
  expected[1] = 2;
  EXPECT_EQ(bytes, expected);
}

TEST(LevelWriterCharGroups, PrimaryThenZubosThenKindFiveThenTheRest) {
  auto map = MakeEmptyMap(4, 4);
  map->Cell(1, 1).CharKind = 3;
  map->Cell(1, 2).CharKind = LeadCharKind;
  map->Cell(1, 3).CharKind = ZuboCharKind;
  map->Cell(2, 1).CharKind = ZuboCharKind;
  map->Cell(3, 4).CharKind = ZuboCharKind;
  map->Cell(4, 1).CharKind = LeadCharKind;
  map->Cell(4, 4).CharKind = 2;
  map->PrimaryCharX = 2;
  map->PrimaryCharY = 1;

  const Bytes bytes = Encode(*map);
  EXPECT_EQ(bytes[3], 5);  // kinds 1 and 5
  EXPECT_EQ(bytes[4], 2);  // the others
  const std::vector<LevelEntry> expected = {{2, 1, 1}, {1, 3, 1}, {3, 4, 1}, {1, 2, 5},
                                            {4, 1, 5}, {1, 1, 3}, {4, 4, 2}};
  EXPECT_EQ(CharEntries(bytes), expected);
}

TEST(LevelWriterCharGroups, ChosenSecondZuboIsWrittenFirst) {
  auto map = MakeEmptyMap(3, 3);
  map->Cell(1, 1).CharKind = ZuboCharKind;
  map->Cell(3, 2).CharKind = ZuboCharKind;
  map->PrimaryCharX = 3;
  map->PrimaryCharY = 2;
  const std::vector<LevelEntry> expected = {{3, 2, 1}, {1, 1, 1}};
  EXPECT_EQ(CharEntries(Encode(*map)), expected);
}

TEST(LevelWriterCharGroups, NoPrimaryEntryUnlessThePrimaryCellHoldsAZubo) {
  auto map = MakeEmptyMap(3, 3);
  map->Cell(2, 2).CharKind = LeadCharKind;
  map->Cell(3, 1).CharKind = ZuboCharKind;
  map->Cell(1, 3).CharKind = ZuboCharKind;
  map->Cell(3, 3).CharKind = 6;
  // Every Zubo in scan order, then kind 5, then the rest.
  const std::vector<LevelEntry> expected = {{1, 3, 1}, {3, 1, 1}, {2, 2, 5}, {3, 3, 6}};

  map->PrimaryCharX = 2;  // a kind 5 char
  map->PrimaryCharY = 2;
  EXPECT_EQ(CharEntries(Encode(*map)), expected);

  map->PrimaryCharX = -1;  // none chosen
  EXPECT_EQ(CharEntries(Encode(*map)), expected);

  map->Cell(4, 3).CharKind = ZuboCharKind;  // a Zubo outside the map
  map->PrimaryCharX = 4;
  map->PrimaryCharY = 3;
  EXPECT_EQ(CharEntries(Encode(*map)), expected);
}

TEST(LevelWriterLists, ObjectsAndTextMarkersInScanOrder) {
  auto map = MakeEmptyMap(3, 2);
  map->Cell(3, 1).ObjectKind = 9;
  map->Cell(1, 2).ObjectKind = 4;
  map->Cell(2, 1).TextId = 2;
  map->Cell(1, 1).TextId = 7;
  const Bytes bytes = Encode(*map);
  const Bytes objects = {2, 1, 2, 4, 3, 1, 9};
  EXPECT_EQ(Bytes(bytes.begin() + 5, bytes.begin() + 12), objects);
  const Bytes markers = {2, 1, 1, 7, 2, 1, 2, 0};
  EXPECT_EQ(Bytes(bytes.end() - 8, bytes.end()), markers);
}

TEST(LevelWriterLists, PlatformsTakeSevenOrNineBytes) {
  auto map = MakeEmptyMap(1, 1);
  map->PlatformCount = 4;
  map->Platforms[0] = Platform{1, 2, 3, 4, 5, 6, 7, 8, NoSwitch};
  map->Platforms[1] = Platform{11, 12, 13, 14, 15, 16, 17, 18, TurnForever};
  map->Platforms[2] = Platform{21, 22, 23, 24, 25, 26, 27, 28, NoSwitchOneMove};
  map->Platforms[3] = Platform{31, 32, 33, 34, 35, 36, 37, 38, KeepOneMove};
  const Bytes bytes = Encode(*map);
  const Bytes expected = {
      2,  4,                              // SwitchCount, PlatformCount
      8,  7,  0, 1,  2,  3,  4,           // Kind, Speed, SwitchType, start, end
      18, 17, 1, 11, 12, 13, 14, 15, 16,  // ... then the switch cell
      28, 27, 5, 21, 22, 23, 24,          // no switch cell for type 5
      38, 37, 4, 31, 32, 33, 34, 35, 36,
  };
  EXPECT_EQ(Bytes(bytes.begin() + 6, bytes.begin() + 6 + expected.size()), expected);
  EXPECT_EQ(bytes.size(), 5u + 1 + expected.size() + 1 + 3 + 1 + 1);
}

TEST(LevelWriterLists, SpringHeaderHoldsKindAndPointCount) {
  auto map = MakeEmptyMap(1, 1);
  map->SpringCount = 1;
  Spring& spring = map->Springs[0];
  spring.Kind = 2;
  spring.PointCount = 3;
  spring.Points[0] = {1, 1, TopLeft};
  spring.Points[1] = {256, 3, Center};  // only the low byte of a coordinate is written
  spring.Points[2] = {300, 2, BottomLeft};
  const Bytes bytes = Encode(*map);
  const Bytes expected = {1, 0x13, 1, 1, 0, 0, 3, 4, 0x2C, 2, 3};
  EXPECT_EQ(Bytes(bytes.begin() + 8, bytes.begin() + 8 + expected.size()), expected);
}

TEST(LevelWriterTexts, NoLinesWriteACountOfZero) {
  auto map = MakeEmptyMap(1, 1);
  EXPECT_EQ(TailOf(*map), Bytes{0});
  map->CustomTexts = {""};
  EXPECT_EQ(TailOf(*map), Bytes{0});
}

TEST(LevelWriterTexts, LongLineIsCutTo255Characters) {
  auto map = MakeEmptyMap(1, 1);
  map->CustomTexts = {std::string(255, 'a') + std::string(45, 'b')};
  Bytes expected = {1, 0xFF, 0x00};
  expected.insert(expected.end(), 255, 'a');
  EXPECT_EQ(TailOf(*map), expected);
}

TEST(LevelWriterTexts, EmptyLastLineIsDroppedEmptyMiddleLineKept) {
  auto map = MakeEmptyMap(1, 1);
  map->CustomTexts = {"ab", "", "c", ""};
  const Bytes expected = {3, 2, 0, 'a', 'b', 0, 0, 1, 0, 'c'};
  EXPECT_EQ(TailOf(*map), expected);
}

TEST(LevelWriterTexts, Latin1BytesAreWrittenAsTheyAre) {
  auto map = MakeEmptyMap(1, 1);
  map->CustomTexts = {"caf\xE9"};
  const Bytes expected = {1, 4, 0, 'c', 'a', 'f', 0xE9};
  EXPECT_EQ(TailOf(*map), expected);
}

// A folder holding an older level file that every failed write must leave alone.
class LevelWriterFailure : public ::testing::Test {
 protected:
  void SetUp() override {
    oldPath = folder.File("old.lvl");
    WriteBytes(oldPath, oldBytes);
    map = MakeRichMap();
  }

  void ExpectFolderUntouched() {
    EXPECT_EQ(ReadBytes(oldPath), oldBytes);
  }

  ScratchFolder folder;
  std::string oldPath;
  const Bytes oldBytes = {1, 2, 3, 4, 5};
  std::unique_ptr<Map> map;
};

TEST_F(LevelWriterFailure, SuccessReplacesTheFileAndLeavesNoTemporaryFile) {
  fs::permissions(oldPath, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const WriteOutcome outcome = WriteLevelFile(*map, oldPath);
  ASSERT_TRUE(outcome.Ok) << outcome.Error;
  EXPECT_TRUE(outcome.Error.empty());
  EXPECT_EQ(ReadBytes(oldPath), Encode(*map));
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"old.lvl"});
  EXPECT_EQ(fs::status(oldPath).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(LevelWriterFailure, MissingFolder) {
  const WriteOutcome outcome = WriteLevelFile(*map, folder.File("missing/new.lvl"));
  EXPECT_FALSE(outcome.Ok);
  EXPECT_EQ(outcome.Error, std::make_error_code(std::errc::no_such_file_or_directory).message());
  ExpectFolderUntouched();
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"old.lvl"});
}

TEST_F(LevelWriterFailure, PathIsAFolder) {
  fs::create_directory(folder.Path / "sub");
  WriteBytes(folder.File("sub/inside.lvl"), oldBytes);
  for (const std::string& path : {folder.File("sub"), folder.File("sub/")}) {
    const WriteOutcome outcome = WriteLevelFile(*map, path);
    EXPECT_FALSE(outcome.Ok) << path;
    EXPECT_FALSE(outcome.Error.empty());
  }
  ExpectFolderUntouched();
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"old.lvl", "sub"}));
  EXPECT_EQ(ReadBytes(folder.File("sub/inside.lvl")), oldBytes);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path / "sub"), fs::directory_iterator()),
            1);
}

TEST_F(LevelWriterFailure, ReadOnlyFolder) {
  fs::permissions(folder.Path, fs::perms::owner_read | fs::perms::owner_exec);
  const std::string probe = folder.File("probe");
  if (std::FILE* file = std::fopen(probe.c_str(), "wb")) {
    std::fclose(file);
    fs::remove(probe);
    GTEST_SKIP() << "permission bits do not stop this user from writing";
  }
  const WriteOutcome outcome = WriteLevelFile(*map, oldPath);
  EXPECT_FALSE(outcome.Ok);
  EXPECT_EQ(outcome.Error, std::make_error_code(std::errc::permission_denied).message());
  ExpectFolderUntouched();
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"old.lvl"});
}

TEST_F(LevelWriterFailure, MapOverTheFileLimitsIsRefused) {
  auto big = MakeEmptyMap(16, 16);
  for (int x = 1; x <= 16; ++x) {
    for (int y = 1; y <= 16; ++y) big->Cell(x, y).ObjectKind = 1;
  }
  big->Saved = false;
  const WriteOutcome outcome = WriteLevelFile(*big, oldPath);
  EXPECT_FALSE(outcome.Ok);
  EXPECT_EQ(outcome.Error, FileLimitsMessage(*big));
  EXPECT_FALSE(outcome.Error.empty());
  EXPECT_FALSE(big->Saved);
  ExpectFolderUntouched();
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"old.lvl"});
}

}  // namespace
