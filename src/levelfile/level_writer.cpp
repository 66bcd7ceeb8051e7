#include "levelfile/level_writer.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>
#include <utility>

#include "levelfile/file_limits.h"
#include "model/map.h"

namespace fs = std::filesystem;

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

// The system's text for an error number; a failure that set none is an I/O error.
std::string ErrnoText(int error) {
  return std::error_code(error != 0 ? error : EIO, std::generic_category()).message();
}

// A file name beside the target that does not exist yet, opened for writing.
// Returns nullptr with errno set when no such file can be created.
std::FILE* CreateTemporaryBeside(const fs::path& target, fs::path& temporary) {
  std::random_device seed;
  std::mt19937 random(seed());
  const fs::path folder = target.parent_path();
  const std::string base = "." + target.filename().string() + ".";
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = folder / (base + std::to_string(random() % 1000000000u) + ".tmp");
    // "x": fail rather than open a file that is already there.
    std::FILE* file = std::fopen(temporary.string().c_str(), "wbx");
    if (file != nullptr || errno != EEXIST) return file;
  }
  return nullptr;
}

WriteOutcome Failure(std::string error) {
  return WriteOutcome{false, std::move(error)};
}

// Writes bytes to path through a temporary file that replaces the target only
// once it is complete. Returns the system's error text, or nothing on success.
std::string ReplaceFile(const fs::path& target, const std::vector<uint8_t>& bytes) {
  std::error_code status;
  if (fs::is_directory(target, status))
    return std::make_error_code(std::errc::is_a_directory).message();

  fs::path temporary;
  std::FILE* file = CreateTemporaryBeside(target, temporary);
  if (file == nullptr) return ErrnoText(errno);

  errno = 0;
  const bool written =
      std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
  const int writeError = errno;
  const bool closed = std::fclose(file) == 0;
  const int closeError = errno;
  if (!written || !closed) {
    fs::remove(temporary, status);
    return ErrnoText(!written ? writeError : closeError);
  }

  const fs::file_status old = fs::status(target, status);
  if (fs::exists(old)) fs::permissions(temporary, old.permissions(), status);

  std::error_code renameError;
  fs::rename(temporary, target, renameError);
  if (renameError) {
    fs::remove(temporary, status);
    return renameError.message();
  }
  return {};
}

}  // namespace

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

WriteOutcome WriteLevelFile(Map& map, const std::string& path) {
  std::string refusal = FileLimitsMessage(map);
  if (!refusal.empty()) return Failure(std::move(refusal));

  std::string error = ReplaceFile(path, EncodeLevel(CollectLevel(map)));
  if (!error.empty()) return Failure(std::move(error));
  map.Saved = true;
  return WriteOutcome{true, {}};
}
