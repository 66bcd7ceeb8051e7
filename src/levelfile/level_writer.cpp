#include "levelfile/level_writer.h"

#include <algorithm>
#include <utility>

#include "levelfile/file_limits.h"
#include "files/safe_file.h"
#include "model/map.h"

namespace {

uint8_t LowByte(int value) {
  return static_cast<uint8_t>(value & 0xFF);
}

void AppendEntries(std::vector<uint8_t>& bytes, const std::vector<LevelEntry>& entries) {
  for (const LevelEntry& entry : entries) {
    bytes.push_back(entry.X);
    bytes.push_back(entry.Y);
    bytes.push_back(entry.Value);
  }
}

size_t EncodedSize(const LevelRecord& record) {
  size_t size = 5 + 3 * record.Chars.size() + 1 + 3 * record.Objects.size() + 2;
  for (const Platform& platform : record.Platforms) size += HasSwitch(platform.SwitchType) ? 9 : 7;
  size += 1;
  for (const LevelSpring& spring : record.Springs) size += 1 + 3 * spring.Points.size();
  size += record.Tiles.size() + 1 + 3 * record.TextMarkers.size() + 1;
  for (const std::string& line : record.CustomTexts)
    size += 2 + std::min(line.size(), size_t{MaxCustomTextLength});
  return size;
}

WriteOutcome Failure(std::string error) {
  return WriteOutcome{false, std::move(error)};
}

}  // namespace

std::optional<TileCell> FilePrimaryZubo(const Map& map) {
  if (map.PrimaryCharIsValid()) return TileCell{map.PrimaryCharX, map.PrimaryCharY};
  for (int x = 1; x <= map.Width; ++x)
    for (int y = 1; y <= map.Height; ++y)
      if (map.Cell(x, y).CharKind == ZuboCharKind) return TileCell{x, y};
  return std::nullopt;
}

LevelRecord CollectLevel(const Map& map) {
  LevelRecord record;
  record.Width = map.Width;
  record.Height = map.Height;
  record.Background = map.Background;

  const bool hasPrimary = map.PrimaryCharIsValid();
  std::vector<LevelEntry> zubos;
  std::vector<LevelEntry> leadKind;
  std::vector<LevelEntry> others;
  // Locals and a copy of each cell: stores through the byte pointer may alias
  // anything, and would otherwise force the compiler to reload them.
  const int width = map.Width;
  const int height = map.Height;
  record.Tiles.resize(size_t{3} * width * height);
  uint8_t* tile = record.Tiles.data();
  for (int x = 1; x <= width; ++x) {
    // A column's cells lie one after another, row 1 first.
    const MapCell* column = &map.Cell(x, 1);
    for (int y = 1; y <= height; ++y) {
      const MapCell cell = column[y - 1];
      *tile++ = cell.BgTile;
      *tile++ = cell.MgTile;
      *tile++ = cell.FgTile;
      if ((cell.CharKind | cell.ObjectKind | cell.TextId) == 0) continue;
      const uint8_t cx = LowByte(x);
      const uint8_t cy = LowByte(y);
      if (cell.CharKind == ZuboCharKind) {
        if (!hasPrimary || x != map.PrimaryCharX || y != map.PrimaryCharY)
          zubos.push_back({cx, cy, cell.CharKind});
      } else if (cell.CharKind == LeadCharKind) {
        leadKind.push_back({cx, cy, cell.CharKind});
      } else if (cell.CharKind != 0) {
        others.push_back({cx, cy, cell.CharKind});
      }
      if (cell.ObjectKind != 0) record.Objects.push_back({cx, cy, cell.ObjectKind});
      if (cell.TextId != 0) record.TextMarkers.push_back({cx, cy, cell.TextId});
    }
  }

  record.Chars.reserve(zubos.size() + leadKind.size() + others.size() + 1);
  if (hasPrimary)
    record.Chars.push_back({LowByte(map.PrimaryCharX), LowByte(map.PrimaryCharY), ZuboCharKind});
  record.Chars.insert(record.Chars.end(), zubos.begin(), zubos.end());
  record.Chars.insert(record.Chars.end(), leadKind.begin(), leadKind.end());
  record.Chars.insert(record.Chars.end(), others.begin(), others.end());

  record.Platforms.assign(map.Platforms.begin(), map.Platforms.begin() + map.PlatformCount);

  record.Springs.reserve(map.SpringCount);
  for (int i = 0; i < map.SpringCount; ++i) {
    const Spring& spring = map.Springs[i];
    record.Springs.push_back(
        {spring.Kind, {spring.Points.begin(), spring.Points.begin() + spring.PointCount}});
  }

  const int lineCount = map.CustomTextLineCount();
  record.CustomTexts.reserve(lineCount);
  for (int i = 0; i < lineCount; ++i)
    record.CustomTexts.push_back(map.CustomTexts[i].substr(0, MaxCustomTextLength));
  return record;
}

std::vector<uint8_t> EncodeLevel(const LevelRecord& record) {
  std::vector<uint8_t> bytes;
  bytes.reserve(EncodedSize(record));

  const auto leadCount = std::count_if(record.Chars.begin(), record.Chars.end(),
                                       [](const LevelEntry& e) { return IsLeadCharKind(e.Value); });
  bytes.push_back(LowByte(record.Width));
  bytes.push_back(LowByte(record.Height));
  bytes.push_back(LowByte(record.Background));
  bytes.push_back(LowByte(static_cast<int>(leadCount)));
  bytes.push_back(LowByte(static_cast<int>(record.Chars.size() - leadCount)));
  AppendEntries(bytes, record.Chars);

  bytes.push_back(LowByte(static_cast<int>(record.Objects.size())));
  AppendEntries(bytes, record.Objects);

  const auto switchCount = std::count_if(record.Platforms.begin(), record.Platforms.end(),
                                         [](const Platform& p) { return HasSwitch(p.SwitchType); });
  bytes.push_back(LowByte(static_cast<int>(switchCount)));
  bytes.push_back(LowByte(static_cast<int>(record.Platforms.size())));
  for (const Platform& platform : record.Platforms) {
    bytes.insert(bytes.end(), {platform.Kind, platform.Speed, platform.SwitchType, platform.StartX,
                               platform.StartY, platform.EndX, platform.EndY});
    if (HasSwitch(platform.SwitchType)) {
      bytes.push_back(platform.SwitchX);
      bytes.push_back(platform.SwitchY);
    }
  }

  bytes.push_back(LowByte(static_cast<int>(record.Springs.size())));
  for (const LevelSpring& spring : record.Springs) {
    bytes.push_back(LowByte((spring.Kind - 1) * 16 + static_cast<int>(spring.Points.size())));
    for (const SpringPoint& point : spring.Points) {
      bytes.push_back(LowByte(point.X));
      bytes.push_back(LowByte(point.Y));
      bytes.push_back(point.Corner);
    }
  }

  bytes.insert(bytes.end(), record.Tiles.begin(), record.Tiles.end());

  bytes.push_back(LowByte(static_cast<int>(record.TextMarkers.size())));
  AppendEntries(bytes, record.TextMarkers);

  bytes.push_back(LowByte(static_cast<int>(record.CustomTexts.size())));
  for (const std::string& line : record.CustomTexts) {
    const size_t length = std::min(line.size(), size_t{MaxCustomTextLength});
    bytes.push_back(LowByte(static_cast<int>(length)));
    bytes.push_back(0);
    bytes.insert(bytes.end(), line.begin(), line.begin() + length);
  }
  return bytes;
}

WriteOutcome WriteLevelFile(const Map& map, const std::string& path) {
  std::string refusal = FileLimitsMessage(map);
  if (!refusal.empty()) return Failure(std::move(refusal));

  const std::vector<uint8_t> bytes = EncodeLevel(CollectLevel(map));
  std::string error = ReplaceFileSafely(path, bytes.data(), bytes.size());
  if (!error.empty()) return Failure(std::move(error));
  return WriteOutcome{true, {}};
}
