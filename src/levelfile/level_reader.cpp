#include "levelfile/level_reader.h"

#include <algorithm>

#include "files/safe_file.h"
#include "model/map.h"

namespace {

// Reads fields from a byte buffer; every read checks that the field is
// complete before it touches the buffer.
class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size) : Data(data), Size(size) {}

  bool AtEnd() const { return Position == Size; }

  bool U8(uint8_t& value) {
    if (Size - Position < 1) return false;
    value = Data[Position++];
    return true;
  }

  bool U16(uint16_t& value) {
    if (Size - Position < 2) return false;
    value = static_cast<uint16_t>(Data[Position] | (Data[Position + 1] << 8));
    Position += 2;
    return true;
  }

  // Appends count bytes; false when fewer are left.
  bool Bytes(size_t count, std::vector<uint8_t>& out) {
    if (Size - Position < count) return false;
    out.insert(out.end(), Data + Position, Data + Position + count);
    Position += count;
    return true;
  }

  // Up to count bytes, fewer when the data ends first.
  std::string TextUpTo(size_t count) {
    const size_t length = std::min(count, Size - Position);
    std::string text(reinterpret_cast<const char*>(Data + Position), length);
    Position += length;
    return text;
  }

 private:
  const uint8_t* Data;
  size_t Size;
  size_t Position = 0;
};

// A list of count entries (X, Y, value); an entry with a zero coordinate fails.
bool ReadEntries(ByteReader& in, int count, std::vector<LevelEntry>& entries) {
  entries.reserve(count);
  for (int i = 0; i < count; ++i) {
    LevelEntry entry;
    if (!in.U8(entry.X) || !in.U8(entry.Y) || !in.U8(entry.Value)) return false;
    if (entry.X == 0 || entry.Y == 0) return false;
    entries.push_back(entry);
  }
  return true;
}

bool ReadCountedEntries(ByteReader& in, std::vector<LevelEntry>& entries) {
  uint8_t count = 0;
  return in.U8(count) && ReadEntries(in, count, entries);
}

bool ReadPlatforms(ByteReader& in, std::vector<Platform>& platforms) {
  uint8_t switchCount = 0;
  uint8_t count = 0;
  if (!in.U8(switchCount) || !in.U8(count)) return false;
  platforms.resize(count);
  for (Platform& p : platforms) {
    if (!in.U8(p.Kind) || !in.U8(p.Speed) || !in.U8(p.SwitchType) || !in.U8(p.StartX) ||
        !in.U8(p.StartY) || !in.U8(p.EndX) || !in.U8(p.EndY))
      return false;
    if (HasSwitch(p.SwitchType) && (!in.U8(p.SwitchX) || !in.U8(p.SwitchY))) return false;
  }
  return true;
}

bool ReadSprings(ByteReader& in, std::vector<LevelSpring>& springs) {
  uint8_t count = 0;
  if (!in.U8(count)) return false;
  springs.resize(count);
  for (LevelSpring& spring : springs) {
    uint8_t header = 0;
    if (!in.U8(header)) return false;
    spring.Kind = (header >> 4) + 1;
    const int pointCount = header & 0x0F;
    if (pointCount == 0) return false;
    spring.Points.resize(pointCount);
    for (SpringPoint& point : spring.Points) {
      uint8_t x = 0;
      uint8_t y = 0;
      if (!in.U8(x) || !in.U8(y) || !in.U8(point.Corner)) return false;
      if (point.Corner >= CornerCount) return false;
      point.X = x;
      point.Y = y;
    }
  }
  return true;
}

// The optional tail. A line whose characters are cut short by the end of the
// data keeps the bytes present; any other missing field fails.
bool ReadCustomTexts(ByteReader& in, std::vector<std::string>& lines) {
  if (in.AtEnd()) return true;
  uint8_t count = 0;
  if (!in.U8(count)) return false;
  lines.reserve(count);
  for (int i = 0; i < count; ++i) {
    uint16_t length = 0;
    if (!in.U16(length)) return false;
    lines.push_back(in.TextUpTo(std::min<size_t>(length, MaxCustomTextLength)));
  }
  return true;
}

}  // namespace

std::optional<LevelRecord> DecodeLevel(const uint8_t* data, size_t size) {
  ByteReader in(data, size);
  LevelRecord record;

  uint8_t width = 0;
  uint8_t height = 0;
  uint8_t background = 0;
  if (!in.U8(width) || !in.U8(height) || !in.U8(background)) return std::nullopt;
  if (width == 0 || height == 0 || background >= BackgroundCount) return std::nullopt;
  record.Width = width;
  record.Height = height;
  record.Background = background;

  uint8_t leadCount = 0;
  uint8_t otherCount = 0;
  if (!in.U8(leadCount) || !in.U8(otherCount) ||
      !ReadEntries(in, leadCount + otherCount, record.Chars) ||
      !ReadCountedEntries(in, record.Objects) || !ReadPlatforms(in, record.Platforms) ||
      !ReadSprings(in, record.Springs) || !in.Bytes(size_t{3} * width * height, record.Tiles) ||
      !ReadCountedEntries(in, record.TextMarkers) || !ReadCustomTexts(in, record.CustomTexts))
    return std::nullopt;
  return record;
}

void StoreLevel(const LevelRecord& record, Map& map) {
  map.Width = record.Width;
  map.Height = record.Height;
  map.Background = record.Background;

  for (const LevelEntry& entry : record.Chars) map.Cell(entry.X, entry.Y).CharKind = entry.Value;
  if (!record.Chars.empty()) {
    map.PrimaryCharX = record.Chars.front().X;
    map.PrimaryCharY = record.Chars.front().Y;
  }
  for (const LevelEntry& entry : record.Objects)
    map.Cell(entry.X, entry.Y).ObjectKind = entry.Value;

  // Only the fields the file holds are assigned: a platform without a switch
  // keeps the switch pair its slot held before.
  map.PlatformCount = static_cast<int32_t>(record.Platforms.size());
  for (size_t i = 0; i < record.Platforms.size(); ++i) {
    const Platform& read = record.Platforms[i];
    Platform& platform = map.Platforms[i];
    platform.Kind = read.Kind;
    platform.Speed = read.Speed;
    platform.SwitchType = read.SwitchType;
    platform.StartX = read.StartX;
    platform.StartY = read.StartY;
    platform.EndX = read.EndX;
    platform.EndY = read.EndY;
    if (HasSwitch(read.SwitchType)) {
      platform.SwitchX = read.SwitchX;
      platform.SwitchY = read.SwitchY;
    }
  }

  map.SpringCount = static_cast<int32_t>(record.Springs.size());
  for (size_t i = 0; i < record.Springs.size(); ++i) {
    const LevelSpring& read = record.Springs[i];
    Spring& spring = map.Springs[i];
    spring.Kind = read.Kind;
    spring.PointCount = static_cast<int32_t>(read.Points.size());
    std::copy(read.Points.begin(), read.Points.end(), spring.Points.begin());
  }

  const uint8_t* tile = record.Tiles.data();
  const int width = map.Width;
  const int height = map.Height;
  for (int x = 1; x <= width; ++x) {
    // A column's cells lie one after another, row 1 first.
    MapCell* column = &map.Cell(x, 1);
    for (int y = 0; y < height; ++y) {
      column[y].BgTile = tile[0];
      column[y].MgTile = tile[1];
      column[y].FgTile = tile[2];
      tile += 3;
    }
  }

  for (const LevelEntry& entry : record.TextMarkers)
    map.Cell(entry.X, entry.Y).TextId = entry.Value;
  SetCustomTextLines(map, record.CustomTexts);
}

std::optional<LevelRecord> ReadLevelRecord(const std::string& path, std::string* problem) {
  const FileBytes file = ReadRegularFile(path, MaxLevelFileSize);
  std::optional<LevelRecord> record;
  if (file.Status == FileReadStatus::Ok) record = DecodeLevel(file.Bytes.data(), file.Bytes.size());
  if (!record && problem != nullptr)
    *problem = file.Status == FileReadStatus::Ok ? "not a level file" : file.Error;
  return record;
}

bool ReadLevelFile(const std::string& path, Map& map, std::string* problem) {
  NewMap(map);
  const std::optional<LevelRecord> record = ReadLevelRecord(path, problem);
  if (!record) {
    map.Width = DefaultMapSize;
    map.Height = DefaultMapSize;
    NewMap(map);
    return false;
  }
  StoreLevel(*record, map);
  map.Saved = true;
  return true;
}
