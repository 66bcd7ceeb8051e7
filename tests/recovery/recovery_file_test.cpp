#include "recovery/recovery_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <random>

#include "recovery/recovery_writer.h"
#include "model/map.h"

namespace {

std::unique_ptr<Map> SampleMap() {
  auto map = std::make_unique<Map>();
  map->Width = 40;
  map->Cell(256, 256).TextId = 9;
  map->SpringCount = 1;
  map->Springs[0].Kind = 2;
  map->Springs[0].PointCount = 1;
  map->Springs[0].Points[0] = {-3, 70000 - 5000, Center};
  map->PlatformCount = 2;
  map->Platforms[1].SwitchType = KeepOneMove;
  return map;
}

std::vector<uint8_t> FileOf(const Map& map, const RecoveryInfo& info = {}) {
  return RecoveryFileBytes(EncodeRecoveryBody(map, map.PlatformCount, info), 1234);
}

}  // namespace

TEST(RecoveryFile, KeepsTheWholeMapAndTheWindowsInfo) {
  const std::unique_ptr<Map> map = SampleMap();
  RecoveryInfo info;
  info.FileName = "levels/\xc3\xbc";
  info.CustomTexts = "a\nb\n";
  info.Zoom = 37;
  info.CameraX = 300;
  const std::vector<uint8_t> bytes = FileOf(*map, info);
  auto read = std::make_unique<Map>();
  RecoveryInfo readInfo;
  ASSERT_TRUE(DecodeRecoveryFile(bytes.data(), bytes.size(), *read, readInfo));
  EXPECT_TRUE(read->Cells == map->Cells);
  EXPECT_EQ(read->Width, 40);
  EXPECT_EQ(read->Springs[0].Points[0], map->Springs[0].Points[0]);
  EXPECT_EQ(read->PlatformCount, 2);
  EXPECT_EQ(read->Platforms[1], map->Platforms[1]);
  EXPECT_EQ(readInfo.FileName, info.FileName);
  EXPECT_EQ(readInfo.CustomTexts, info.CustomTexts);
  EXPECT_EQ(readInfo.Zoom, 37);
  EXPECT_EQ(readInfo.CameraX, 300);
  EXPECT_EQ(readInfo.SavedAt, 1234);
  EXPECT_FALSE(read->Saved);
}

// Complete, checksummed copies that hold a value the editor cannot hold.
TEST(RecoveryFile, RefusesValuesOutOfTheirRange) {
  const std::function<void(Map&, RecoveryInfo&)> damages[] = {
      [](Map& map, RecoveryInfo&) { map.Width = 0; },
      [](Map& map, RecoveryInfo&) { map.Height = 256; },
      [](Map& map, RecoveryInfo&) { map.Background = 3; },
      [](Map& map, RecoveryInfo&) { map.PrimaryCharX = 1 << 20; },
      [](Map& map, RecoveryInfo&) { map.Springs[0].Kind = -1; },
      [](Map& map, RecoveryInfo&) { map.Springs[0].PointCount = 0; },
      [](Map& map, RecoveryInfo&) { map.Springs[0].Points[0].Corner = CornerCount; },
      [](Map& map, RecoveryInfo&) { map.Platforms[0].SwitchType = SwitchTypeCount; },
      [](Map&, RecoveryInfo& info) { info.Zoom = 1; },
      [](Map&, RecoveryInfo& info) { info.CameraY = -1; },
  };
  for (size_t i = 0; i < std::size(damages); ++i) {
    const std::unique_ptr<Map> map = SampleMap();
    RecoveryInfo info;
    damages[i](*map, info);
    const std::vector<uint8_t> bytes = FileOf(*map, info);
    auto read = std::make_unique<Map>();
    EXPECT_FALSE(DecodeRecoveryFile(bytes.data(), bytes.size(), *read, info)) << "case " << i;
  }
}

// Copies damaged anywhere but checksummed again, as a hand-edited file would
// be: reading never goes out of bounds and never accepts what the map
// cannot hold.
TEST(RecoveryFile, SurvivesRandomDamageBehindAValidChecksum) {
  const std::unique_ptr<Map> map = SampleMap();
  map->CustomTexts = {"x"};
  const std::vector<uint8_t> body = EncodeRecoveryBody(*map, map->PlatformCount, {});
  std::mt19937 random(13);
  auto read = std::make_unique<Map>();
  int accepted = 0;
  for (int round = 0; round < 300; ++round) {
    std::vector<uint8_t> damaged = body;
    // The small records around the cells: the texts and sizes before, the lists after.
    const size_t tail = damaged.size() - 40 - round % 7;
    for (int i = 0; i < 1 + round % 3; ++i) {
      const size_t at = random() % 2 ? random() % 40 : tail + random() % (damaged.size() - tail);
      damaged[at] = static_cast<uint8_t>(random());
    }
    if (round % 5 == 0) damaged.resize(random() % damaged.size());
    const std::vector<uint8_t> bytes = RecoveryFileBytes(damaged, 1);
    RecoveryInfo info;
    if (!DecodeRecoveryFile(bytes.data(), bytes.size(), *read, info)) continue;
    ++accepted;
    EXPECT_TRUE(read->Width >= 1 && read->Width <= MaxMapSize);
    EXPECT_TRUE(read->SpringCount >= 0 && read->SpringCount <= SpringCapacity);
    EXPECT_TRUE(read->PlatformCount >= 0 && read->PlatformCount <= PlatformCapacity);
    EXPECT_TRUE(info.Zoom >= 2 && info.Zoom <= 100);
  }
  EXPECT_LT(accepted, 300);
}

TEST(RecoveryWriter, WritesChangedCopiesInOrderAndRemovesThem) {
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("zubo-recovery-" + std::to_string(getpid()) + ".zrec"))
                               .string();
  const std::unique_ptr<Map> map = SampleMap();
  RecoveryWriter writer(path);
  EXPECT_TRUE(writer.Write(*map, map->PlatformCount, {}, 1));
  EXPECT_FALSE(writer.Write(*map, map->PlatformCount, {}, 2));  // nothing new
  map->Cell(1, 1).BgTile = 5;
  EXPECT_TRUE(writer.Write(*map, map->PlatformCount, {}, 3));
  writer.Wait();
  std::ifstream file(path, std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  auto read = std::make_unique<Map>();
  RecoveryInfo info;
  ASSERT_TRUE(DecodeRecoveryFile(bytes.data(), bytes.size(), *read, info));
  EXPECT_EQ(read->Cell(1, 1).BgTile, 5);
  EXPECT_EQ(info.SavedAt, 3);

  writer.Remove();
  writer.Wait();
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_TRUE(writer.Write(*map, map->PlatformCount, {}, 4));  // the same map again
  writer.Remove();
  writer.Wait();
  EXPECT_FALSE(std::filesystem::exists(path));
  using Job = CopyJobOutcome::Job;
  std::vector<Job> done;
  for (const CopyJobOutcome& outcome : writer.TakeOutcomes()) {
    EXPECT_EQ(outcome.Error, "");
    done.push_back(outcome.Done);
  }
  EXPECT_EQ(done, (std::vector<Job>{Job::Write, Job::Write, Job::Remove, Job::Write, Job::Remove}));
}

TEST(RecoveryWriter, ReportsAFailedWriteOnceAndTriesAgain) {
  int finished = 0;
  RecoveryWriter writer("/nonexistent-folder/copy.zrec", [&finished] { ++finished; });
  const std::unique_ptr<Map> map = SampleMap();
  EXPECT_TRUE(writer.Write(*map, 0, {}, 1));
  writer.Wait();
  const std::vector<CopyJobOutcome> outcomes = writer.TakeOutcomes();
  ASSERT_EQ(outcomes.size(), 1u);
  EXPECT_EQ(outcomes[0].Error, "No such file or directory");
  EXPECT_TRUE(writer.TakeOutcomes().empty());
  EXPECT_TRUE(writer.Write(*map, 0, {}, 2));
  writer.Wait();
  EXPECT_EQ(finished, 2);
}
