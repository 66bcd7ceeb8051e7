#include "levelfile/level_reader.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>

#include "level_file_fixtures.h"
#include "levelfile/level_writer.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A level file put together from its fields; the defaults are a valid empty
// 1 x 1 level with a LineCount of 0.
struct RawLevel {
  Bytes Header = {1, 1, 0};
  Bytes Chars = {0, 0};
  Bytes Objects = {0};
  Bytes Platforms = {0, 0};
  Bytes Springs = {0};
  Bytes Tiles = {0, 0, 0};
  Bytes Markers = {0};
  Bytes Tail = {0};

  Bytes Join() const {
    Bytes bytes;
    for (const Bytes* part :
         {&Header, &Chars, &Objects, &Platforms, &Springs, &Tiles, &Markers, &Tail})
      bytes.insert(bytes.end(), part->begin(), part->end());
    return bytes;
  }
};

// Reads bytes through a file into a map that held a rich level before.
class LevelReaderFile : public ::testing::Test {
 protected:
  bool Read(const Bytes& bytes) {
    const std::string path = folder.File("level.lvl");
    WriteBytes(path, bytes);
    return ReadLevelFile(path, *map);
  }

  void ExpectEmptyTwentyByTwenty() {
    EXPECT_EQ(map->Width, 20);
    EXPECT_EQ(map->Height, 20);
    EXPECT_TRUE(map->Saved);
    EXPECT_EQ(map->PrimaryCharX, -1);
    EXPECT_EQ(map->SpringCount, 0);
    EXPECT_EQ(map->PlatformCount, 0);
    EXPECT_TRUE(map->CustomTexts.empty());
    EXPECT_TRUE(std::all_of(map->Cells.begin(), map->Cells.end(),
                            [](const MapCell& cell) { return cell.IsEmpty(); }));
  }

  ScratchFolder folder;
  std::unique_ptr<Map> map = MakeRichMap();
};

TEST_F(LevelReaderFile, WorkedExample) {
  ASSERT_TRUE(Read({0x02, 0x01, 0x00, 0x01, 0x00, 0x01, 0x01, 0x01, 0x00, 0x00,
                    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0E, 0x00, 0x00, 0x00}));
  EXPECT_EQ(map->Width, 2);
  EXPECT_EQ(map->Height, 1);
  EXPECT_EQ(map->Background, 0);
  EXPECT_EQ(map->Cell(1, 1), (MapCell{0, 0, 0, 0, ZuboCharKind, 0}));
  EXPECT_EQ(map->Cell(2, 1), (MapCell{0, EndMgTile, 0, 0, 0, 0}));
  EXPECT_EQ(map->PrimaryCharX, 1);
  EXPECT_EQ(map->PrimaryCharY, 1);
  EXPECT_EQ(map->SpringCount, 0);
  EXPECT_EQ(map->PlatformCount, 0);
  EXPECT_TRUE(map->CustomTexts.empty());
  EXPECT_TRUE(map->Saved);
}

TEST_F(LevelReaderFile, RichMapRoundTripsByteForByte) {
  auto original = MakeRichMap();
  const std::string first = folder.File("first.lvl");
  const std::string second = folder.File("second.lvl");
  ASSERT_TRUE(WriteLevelFile(*original, first).Ok);

  ASSERT_TRUE(ReadLevelFile(first, *map));
  EXPECT_TRUE(map->Saved);
  EXPECT_EQ(map->Background, 2);
  EXPECT_EQ(map->PrimaryCharX, 6);  // the second Zubo, chosen as primary, stays primary
  EXPECT_EQ(map->PrimaryCharY, 5);
  for (int x = 1; x <= original->Width; ++x) {
    for (int y = 1; y <= original->Height; ++y)
      EXPECT_EQ(map->Cell(x, y), original->Cell(x, y)) << x << ", " << y;
  }
  ASSERT_EQ(map->PlatformCount, 3);
  EXPECT_EQ(map->Platforms[1], original->Platforms[1]);
  ASSERT_EQ(map->SpringCount, 2);
  EXPECT_EQ(map->Springs[0].Kind, 2);
  ASSERT_EQ(map->Springs[0].PointCount, 3);
  EXPECT_EQ(map->Springs[0].Points[2], original->Springs[0].Points[2]);
  EXPECT_EQ(map->CustomTexts,
            (std::vector<std::string>{"Welcome to the sewers", "", "caf\xE9 au lait"}));

  ASSERT_TRUE(WriteLevelFile(*map, second).Ok);
  EXPECT_EQ(ReadBytes(second), ReadBytes(first));
}

TEST_F(LevelReaderFile, Latin1ByteRoundTrips) {
  auto original = MakeEmptyMap(1, 1);
  original->CustomTexts = {"\xE9t\xE9"};
  const std::string path = folder.File("latin1.lvl");
  ASSERT_TRUE(WriteLevelFile(*original, path).Ok);
  ASSERT_TRUE(ReadLevelFile(path, *map));
  ASSERT_EQ(map->CustomTexts.size(), 1u);
  EXPECT_EQ(map->CustomTexts[0], "\xE9t\xE9");
  EXPECT_EQ(static_cast<uint8_t>(map->CustomTexts[0][0]), 0xE9);
}

TEST_F(LevelReaderFile, FirstZuboInScanOrderBecomesPrimaryWhenNoneWasWritten) {
  auto original = MakeEmptyMap(3, 3);
  original->Cell(1, 1).CharKind = LeadCharKind;
  original->Cell(2, 3).CharKind = ZuboCharKind;
  original->Cell(3, 1).CharKind = ZuboCharKind;
  original->PrimaryCharX = 1;  // not a Zubo
  original->PrimaryCharY = 1;
  ASSERT_TRUE(Read(EncodeLevel(CollectLevel(*original))));
  EXPECT_EQ(map->PrimaryCharX, 2);
  EXPECT_EQ(map->PrimaryCharY, 3);
}

TEST_F(LevelReaderFile, FirstEntryOfAForeignFileIsPrimaryWhateverItsKind) {
  RawLevel raw;
  raw.Header = {3, 1, 1};
  raw.Chars = {1, 1, 2, 1, 7, 3, 1, 1};
  raw.Tiles = Bytes(9, 0);
  ASSERT_TRUE(Read(raw.Join()));
  EXPECT_EQ(map->Background, 1);
  EXPECT_EQ(map->PrimaryCharX, 2);
  EXPECT_EQ(map->PrimaryCharY, 1);
  EXPECT_EQ(map->Cell(2, 1).CharKind, 7);
  EXPECT_EQ(map->Cell(3, 1).CharKind, ZuboCharKind);
}

TEST_F(LevelReaderFile, NoCharEntriesMeanNoPrimaryChar) {
  ASSERT_TRUE(Read(RawLevel{}.Join()));
  EXPECT_EQ(map->PrimaryCharX, -1);
  EXPECT_EQ(map->Width, 1);
  EXPECT_EQ(map->Height, 1);
}

TEST_F(LevelReaderFile, EntriesAreStoredWhereTheFileSaysEvenOutsideTheMap) {
  RawLevel raw;
  raw.Chars = {0, 1, 200, 100, 3};
  raw.Objects = {1, 255, 255, 12};
  raw.Markers = {1, 2, 1, 9};
  ASSERT_TRUE(Read(raw.Join()));
  EXPECT_EQ(map->Cell(200, 100), (MapCell{0, 0, 0, 0, 3, 0}));
  EXPECT_EQ(map->Cell(255, 255), (MapCell{0, 0, 0, 12, 0, 0}));
  EXPECT_EQ(map->Cell(2, 1), (MapCell{0, 0, 0, 0, 0, 9}));
}

TEST_F(LevelReaderFile, PlatformWithoutSwitchKeepsItsSlotsSwitchPair) {
  map->Platforms[0].SwitchX = 7;
  map->Platforms[0].SwitchY = 8;
  map->Platforms[1].SwitchX = 9;
  map->Platforms[1].SwitchY = 9;
  RawLevel raw;
  raw.Platforms = {9, 2,                               // a wrong SwitchCount is ignored
                   3, 4, NoSwitchOneMove, 1, 2, 3, 4,  // Kind, Speed, type, start, end
                   5, 6, TurnOneMove,     5, 6, 7, 8, 4, 5};
  ASSERT_TRUE(Read(raw.Join()));
  ASSERT_EQ(map->PlatformCount, 2);
  EXPECT_EQ(map->Platforms[0], (Platform{1, 2, 3, 4, 7, 8, 4, 3, NoSwitchOneMove}));
  EXPECT_EQ(map->Platforms[1], (Platform{5, 6, 7, 8, 4, 5, 6, 5, TurnOneMove}));
}

TEST_F(LevelReaderFile, SpringHeaderGivesKindAndPointCount) {
  RawLevel raw;
  raw.Springs = {2, 0x13, 1, 2, 0, 200, 4, 4, 255, 1, 3, 0xF1, 9, 9, 2};
  ASSERT_TRUE(Read(raw.Join()));
  ASSERT_EQ(map->SpringCount, 2);
  EXPECT_EQ(map->Springs[0].Kind, 2);
  ASSERT_EQ(map->Springs[0].PointCount, 3);
  EXPECT_EQ(map->Springs[0].Points[1], (SpringPoint{200, 4, Center}));
  EXPECT_EQ(map->Springs[0].Points[2], (SpringPoint{255, 1, BottomLeft}));
  EXPECT_EQ(map->Springs[1].Kind, 16);
  EXPECT_EQ(map->Springs[1].PointCount, 1);
}

TEST_F(LevelReaderFile, FileEndingAfterTheTextMarkersHasNoCustomTexts) {
  RawLevel raw;
  raw.Markers = {1, 1, 1, 1};
  raw.Tail = {};
  ASSERT_TRUE(Read(raw.Join()));
  EXPECT_TRUE(map->CustomTexts.empty());
  EXPECT_EQ(map->Cell(1, 1).TextId, 1);
  EXPECT_TRUE(map->Saved);
}

TEST_F(LevelReaderFile, LongLengthTakesExactly255Bytes) {
  RawLevel raw;
  raw.Tail = {2, 0x2C, 0x01};  // 300
  raw.Tail.insert(raw.Tail.end(), 255, 'a');
  // What follows the 255 bytes is read as the next line; bytes past the last
  // line are ignored.
  raw.Tail.insert(raw.Tail.end(), {2, 0, 'h', 'i', 'x', 'y', 'z'});
  ASSERT_TRUE(Read(raw.Join()));
  EXPECT_EQ(map->CustomTexts, (std::vector<std::string>{std::string(255, 'a'), "hi"}));
}

TEST_F(LevelReaderFile, LineCutShortByTheEndKeepsTheBytesPresent) {
  RawLevel raw;
  raw.Tail = {2, 0, 0, 10, 0, 'a', 'b', 'c'};
  ASSERT_TRUE(Read(raw.Join()));
  EXPECT_EQ(map->CustomTexts, (std::vector<std::string>{"", "abc"}));
}

TEST_F(LevelReaderFile, MissingFileOrFolderLeavesAnEmptyMap) {
  EXPECT_FALSE(ReadLevelFile(folder.File("missing.lvl"), *map));
  ExpectEmptyTwentyByTwenty();
  map = MakeRichMap();
  EXPECT_FALSE(ReadLevelFile(folder.Path.string(), *map));
  ExpectEmptyTwentyByTwenty();
}

struct BadLevel {
  const char* Name;
  Bytes Data;
};

RawLevel With(void (*change)(RawLevel&)) {
  RawLevel raw;
  change(raw);
  return raw;
}

Bytes CutBy(const RawLevel& raw, size_t count) {
  Bytes bytes = raw.Join();
  bytes.resize(bytes.size() - count);
  return bytes;
}

const BadLevel BadLevels[] = {
    {"Empty", {}},
    {"ZeroWidth", With([](RawLevel& r) {
                    r.Header = {0, 1, 0};
                  }).Join()},
    {"ZeroHeight", With([](RawLevel& r) {
                     r.Header = {1, 0, 0};
                   }).Join()},
    {"BackgroundThree", With([](RawLevel& r) {
                          r.Header = {1, 1, 3};
                        }).Join()},
    {"CutInsideCharList", CutBy(With([](RawLevel& r) {
                                  r.Chars = {1, 0, 1, 1, 1};
                                }),
                                10)},
    {"CharAtZeroX", With([](RawLevel& r) {
                      r.Chars = {1, 0, 0, 1, 1};
                    }).Join()},
    {"CharAtZeroY", With([](RawLevel& r) {
                      r.Chars = {0, 1, 1, 0, 2};
                    }).Join()},
    {"ObjectAtZeroX", With([](RawLevel& r) {
                        r.Objects = {1, 0, 1, 3};
                      }).Join()},
    {"TextMarkerAtZeroY", With([](RawLevel& r) {
                            r.Markers = {1, 1, 0, 1};
                          }).Join()},
    {"CutInsideSwitchPair",
     CutBy(With([](RawLevel& r) { r.Platforms = {1, 1, 1, 5, KeepForever, 1, 1, 1, 1, 1, 1}; }),
           7)},
    {"CornerFive", With([](RawLevel& r) {
                     r.Springs = {1, 0x01, 1, 1, 5};
                   }).Join()},
    {"SpringWithoutPoints", With([](RawLevel& r) {
                              r.Springs = {1, 0x10};
                            }).Join()},
    {"CutInsideTileBlock", CutBy(With([](RawLevel& r) {
                                   r.Markers = {};
                                   r.Tail = {};
                                 }),
                                 1)},
    {"CutInsideTextMarkers", CutBy(With([](RawLevel& r) {
                                     r.Markers = {1, 1, 1, 1};
                                   }),
                                   2)},
    {"CutInsideLineLength", With([](RawLevel& r) {
                              r.Tail = {1, 4};
                            }).Join()},
    {"LineLengthMissing", With([](RawLevel& r) {
                            r.Tail = {2, 1, 0, 'a'};
                          }).Join()},
};

class LevelReaderFailure : public LevelReaderFile,
                           public ::testing::WithParamInterface<BadLevel> {};

TEST_P(LevelReaderFailure, LeavesAnEmptyTwentyByTwentyMap) {
  EXPECT_FALSE(DecodeLevel(GetParam().Data.data(), GetParam().Data.size()));
  map->Saved = false;
  EXPECT_FALSE(Read(GetParam().Data));
  ExpectEmptyTwentyByTwenty();
}

INSTANTIATE_TEST_SUITE_P(Cases, LevelReaderFailure, ::testing::ValuesIn(BadLevels),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace

TEST(LevelReaderTest, SaysWhyAFileIsNoLevel) {
  ScratchFolder folder;
  WriteBytes(folder.File("cut"), {5, 5});
  const int fd = ::open(folder.File("huge").c_str(), O_CREAT | O_WRONLY, 0644);
  ASSERT_EQ(::ftruncate(fd, MaxLevelFileSize + 1), 0);
  ::close(fd);
  for (const auto& [name, problem] :
       {std::pair{"cut", "not a level file"}, std::pair{"huge", "larger than 1048576 bytes"}}) {
    std::string why;
    EXPECT_FALSE(ReadLevelRecord(folder.File(name), &why));
    EXPECT_EQ(why, problem);
  }
}
