#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <random>

#include "level_file_fixtures.h"
#include "levelfile/level_reader.h"
#include "levelfile/level_writer.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Valid levels to mutate: small ones, so that changes land in every field.
std::vector<Bytes> SeedLevels() {
  std::vector<Bytes> seeds;
  seeds.push_back(EncodeLevel(CollectLevel(*MakeRichMap())));
  auto small = MakeEmptyMap(2, 1);
  small->Cell(1, 1).CharKind = ZuboCharKind;
  small->PrimaryCharX = 1;
  small->PrimaryCharY = 1;
  small->Cell(2, 1).MgTile = EndMgTile;
  seeds.push_back(EncodeLevel(CollectLevel(*small)));
  small->CustomTexts = {"one", "", std::string(255, 'x')};
  small->SpringCount = 1;
  small->Springs[0].Kind = 3;
  small->Springs[0].PointCount = 2;
  small->Springs[0].Points[1] = {2, 1, Center};
  seeds.push_back(EncodeLevel(CollectLevel(*small)));
  return seeds;
}

Bytes Mutate(const Bytes& seed, std::mt19937& random) {
  Bytes bytes = seed;
  auto below = [&random](size_t bound) {
    return std::uniform_int_distribution<size_t>(0, bound - 1)(random);
  };
  const int changes = 1 + static_cast<int>(below(4));
  for (int i = 0; i < changes; ++i) {
    switch (below(bytes.empty() ? 1 : 5)) {
      case 0:  // insert a few random bytes
        bytes.insert(bytes.begin() + below(bytes.size() + 1), 1 + below(4),
                     static_cast<uint8_t>(random()));
        break;
      case 1:
        bytes[below(bytes.size())] ^= static_cast<uint8_t>(1u << below(8));
        break;
      case 2:
        bytes.resize(below(bytes.size()));
        break;
      case 3:
        bytes[below(bytes.size())] = static_cast<uint8_t>(random());
        break;
      default: {  // remove a short run
        const size_t from = below(bytes.size());
        bytes.erase(bytes.begin() + from,
                    bytes.begin() + std::min(bytes.size(), from + 1 + below(8)));
      }
    }
  }
  return bytes;
}

// Random bytes; every other string starts with a small, valid header so that
// decoding gets past the tile block now and then.
Bytes RandomBytes(std::mt19937& random, bool validHeader) {
  Bytes bytes(std::uniform_int_distribution<size_t>(0, 120)(random));
  for (uint8_t& byte : bytes)
    byte = static_cast<uint8_t>(random() % 4 == 0 ? random() : random() % 4);
  if (validHeader && bytes.size() >= 3) {
    bytes[0] = static_cast<uint8_t>(1 + random() % 3);
    bytes[1] = static_cast<uint8_t>(1 + random() % 3);
    bytes[2] = static_cast<uint8_t>(random() % 3);
  }
  return bytes;
}

// Decodes from a buffer of exactly the input's size, so that the address
// sanitizer catches any read past its end.
std::optional<LevelRecord> DecodeExact(const Bytes& bytes) {
  std::unique_ptr<uint8_t[]> buffer(new uint8_t[bytes.size()]);
  std::copy(bytes.begin(), bytes.end(), buffer.get());
  return DecodeLevel(buffer.get(), bytes.size());
}

bool CharGroupsFitTheirCounts(const LevelRecord& record) {
  const auto lead = std::count_if(
      record.Chars.begin(), record.Chars.end(),
      [](const LevelEntry& e) { return e.Value == ZuboCharKind || e.Value == LeadCharKind; });
  return lead <= 255 && static_cast<long>(record.Chars.size()) - lead <= 255;
}

void ExpectStoredEntries(const std::vector<LevelEntry>& entries, const Map& map, int layer) {
  // The last entry for a cell wins.
  std::array<int, GridSize * GridSize> last{};
  for (size_t i = 0; i < entries.size(); ++i)
    last[(entries[i].X - 1) * GridSize + entries[i].Y - 1] = static_cast<int>(i);
  for (const LevelEntry& entry : entries) {
    const LevelEntry& winner = entries[last[(entry.X - 1) * GridSize + entry.Y - 1]];
    ASSERT_EQ(map.Cell(entry.X, entry.Y).LayerByte(layer), winner.Value);
  }
}

void CheckAccepted(const LevelRecord& record, Map& map) {
  for (const auto* list : {&record.Chars, &record.Objects, &record.TextMarkers}) {
    for (const LevelEntry& entry : *list) ASSERT_TRUE(entry.X != 0 && entry.Y != 0);
  }
  NewMap(map);
  StoreLevel(record, map);
  ASSERT_TRUE(map.Width >= 1 && map.Width <= 255 && map.Height >= 1 && map.Height <= 255);
  ASSERT_LE(map.Background, 2);
  ASSERT_LE(map.PlatformCount, 255);
  ASSERT_LE(map.SpringCount, 255);
  for (int i = 0; i < map.SpringCount; ++i) {
    const Spring& spring = map.Springs[i];
    ASSERT_TRUE(spring.PointCount >= 1 && spring.PointCount <= 15);
    ASSERT_TRUE(spring.Kind >= 1 && spring.Kind <= 16);
    for (int p = 0; p < spring.PointCount; ++p) ASSERT_LE(spring.Points[p].Corner, 4);
  }
  ASSERT_LE(map.CustomTexts.size(), 255u);
  for (const std::string& line : map.CustomTexts) ASSERT_LE(line.size(), 255u);
  if (record.Chars.empty()) {
    ASSERT_EQ(map.PrimaryCharX, -1);
  } else {
    ASSERT_EQ(map.PrimaryCharX, record.Chars.front().X);
    ASSERT_EQ(map.PrimaryCharY, record.Chars.front().Y);
  }
  ExpectStoredEntries(record.Chars, map, LayerChar);
  ExpectStoredEntries(record.Objects, map, LayerObject);
  ExpectStoredEntries(record.TextMarkers, map, LayerText);

  if (CharGroupsFitTheirCounts(record)) {
    const std::optional<LevelRecord> again = DecodeExact(EncodeLevel(record));
    ASSERT_TRUE(again);
    ASSERT_TRUE(SameRecord(record, *again));
  }
}

TEST(LevelFileRobustness, RandomAndMutatedInputsNeverBreakTheReader) {
  std::mt19937 random(20240611);
  const std::vector<Bytes> seeds = SeedLevels();
  auto map = std::make_unique<Map>();
  int accepted = 0;
  int rejected = 0;
  auto feed = [&](const Bytes& bytes) {
    const std::optional<LevelRecord> record = DecodeExact(bytes);
    if (!record) {
      ++rejected;
      return;
    }
    ++accepted;
    CheckAccepted(*record, *map);
  };

  for (int i = 0; i < 3000 && !HasFatalFailure(); ++i) feed(RandomBytes(random, i % 2 == 0));
  for (int i = 0; i < 4000 && !HasFatalFailure(); ++i)
    feed(Mutate(seeds[i % seeds.size()], random));
  for (const Bytes& seed : seeds) {
    for (size_t length = 0; length <= seed.size() && !HasFatalFailure(); ++length)
      feed(Bytes(seed.begin(), seed.begin() + length));
  }

  // Both outcomes are exercised often enough to mean something.
  EXPECT_GT(accepted, 500);
  EXPECT_GT(rejected, 2000);
}

}  // namespace
