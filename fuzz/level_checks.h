#pragma once

// What the level reader, validation and writer must hold for any bytes at all,
// used by the reader fuzzer and by the tests over its kept inputs. Each check
// returns a description of the first broken rule, or an empty string.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "levelfile/file_limits.h"
#include "levelfile/level_reader.h"
#include "levelfile/level_writer.h"
#include "levelfile/validation.h"
#include "model/map.h"

// "(x, y)"
inline std::string CheckedCell(int x, int y) {
  return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

inline std::string CheckEntries(const std::vector<LevelEntry>& entries, const std::string& what) {
  for (const LevelEntry& entry : entries) {
    if (entry.X == 0 || entry.Y == 0)
      return what + " entry with a zero coordinate " + CheckedCell(entry.X, entry.Y);
  }
  return {};
}

inline std::string CheckSpringShape(int kind, int pointCount, const SpringPoint* points,
                                    const std::string& what) {
  if (kind < 1 || kind > MaxFileSpringKind) return what + " has kind " + std::to_string(kind);
  if (pointCount < 1 || pointCount > MaxFileSpringPoints)
    return what + " has " + std::to_string(pointCount) + " points";
  for (int i = 0; i < pointCount; ++i) {
    if (points[i].Corner >= CornerCount)
      return what + " has corner " + std::to_string(points[i].Corner);
  }
  return {};
}

// A decoded record stays within what one level file can express.
inline std::string CheckDecodedRecord(const LevelRecord& record) {
  if (record.Width < MinMapSize || record.Width > MaxMapSize)
    return "width " + std::to_string(record.Width);
  if (record.Height < MinMapSize || record.Height > MaxMapSize)
    return "height " + std::to_string(record.Height);
  if (record.Background < 0 || record.Background >= BackgroundCount)
    return "background " + std::to_string(record.Background);
  if (record.Chars.size() > size_t{2} * MaxFileListCount) return "too many chars";
  if (record.Objects.size() > size_t{MaxFileListCount}) return "too many objects";
  if (record.TextMarkers.size() > size_t{MaxFileListCount}) return "too many text markers";
  if (record.Platforms.size() > size_t{MaxFileListCount}) return "too many platforms";
  if (record.Springs.size() > size_t{MaxFileListCount}) return "too many springs";
  if (record.CustomTexts.size() > size_t{MaxFileListCount}) return "too many custom text lines";
  for (const std::string& line : record.CustomTexts) {
    if (line.size() > size_t{MaxCustomTextLength}) return "a custom text line over the limit";
  }
  if (record.Tiles.size() != size_t{3} * record.Width * record.Height)
    return "a tile block of " + std::to_string(record.Tiles.size()) + " bytes";
  for (const auto& [entries, what] :
       {std::make_pair(&record.Chars, "char"), std::make_pair(&record.Objects, "object"),
        std::make_pair(&record.TextMarkers, "text marker")}) {
    std::string failure = CheckEntries(*entries, what);
    if (!failure.empty()) return failure;
  }
  for (size_t i = 0; i < record.Springs.size(); ++i) {
    const LevelSpring& spring = record.Springs[i];
    std::string failure =
        CheckSpringShape(spring.Kind, static_cast<int>(spring.Points.size()), spring.Points.data(),
                         "decoded spring " + std::to_string(i + 1));
    if (!failure.empty()) return failure;
  }
  return {};
}

// The custom text lines a level file holds: an empty last line does not count.
inline std::vector<std::string> CountedLines(const Map& map) {
  return std::vector<std::string>(map.CustomTexts.begin(),
                                  map.CustomTexts.begin() + map.CustomTextLineCount());
}

// The map holds exactly what the record says: the whole storage is compared
// with cells built independently from the record in expected (GridSize x
// GridSize cells, column-major), so an entry stored anywhere else, or a tile
// written outside the cells in use, is caught.
inline std::string CheckStoredMap(const LevelRecord& record, const Map& map,
                                  std::vector<MapCell>& expected) {
  if (map.Width != record.Width || map.Height != record.Height ||
      map.Background != record.Background)
    return "size or background not stored as read";

  expected.assign(size_t{GridSize} * GridSize, MapCell{});
  auto at = [&expected](int x, int y) -> MapCell& {
    return expected[static_cast<size_t>(x - 1) * GridSize + static_cast<size_t>(y - 1)];
  };
  for (const LevelEntry& entry : record.Chars) at(entry.X, entry.Y).CharKind = entry.Value;
  for (const LevelEntry& entry : record.Objects) at(entry.X, entry.Y).ObjectKind = entry.Value;
  for (const LevelEntry& entry : record.TextMarkers) at(entry.X, entry.Y).TextId = entry.Value;
  size_t tile = 0;
  for (int x = 1; x <= record.Width; ++x) {
    for (int y = 1; y <= record.Height; ++y, tile += 3) {
      at(x, y).BgTile = record.Tiles[tile];
      at(x, y).MgTile = record.Tiles[tile + 1];
      at(x, y).FgTile = record.Tiles[tile + 2];
    }
  }
  // Cells are six plain bytes, so the storage compares as one block.
  if (std::memcmp(map.Cells.data(), expected.data(), sizeof(MapCell) * expected.size()) != 0) {
    for (int x = 1; x <= GridSize; ++x) {
      for (int y = 1; y <= GridSize; ++y) {
        if (map.Cell(x, y) != at(x, y)) return "cell " + CheckedCell(x, y) + " not stored as read";
      }
    }
  }

  if (record.Chars.empty()) {
    if (map.HasPrimaryChar()) return "a primary char without char entries";
  } else if (map.PrimaryCharX != record.Chars.front().X ||
             map.PrimaryCharY != record.Chars.front().Y) {
    return "the primary char is not the first char entry";
  }

  if (map.PlatformCount < 0 || map.PlatformCount > MaxFileListCount ||
      static_cast<size_t>(map.PlatformCount) != record.Platforms.size())
    return "platform count " + std::to_string(map.PlatformCount);
  if (map.SpringCount < 0 || map.SpringCount > MaxFileListCount ||
      static_cast<size_t>(map.SpringCount) != record.Springs.size())
    return "spring count " + std::to_string(map.SpringCount);
  for (int i = 0; i < map.SpringCount; ++i) {
    const Spring& spring = map.Springs[i];
    const std::string what = "stored spring " + std::to_string(i + 1);
    std::string failure =
        CheckSpringShape(spring.Kind, spring.PointCount, spring.Points.data(), what);
    if (!failure.empty()) return failure;
    if (!std::equal(record.Springs[i].Points.begin(), record.Springs[i].Points.end(),
                    spring.Points.begin()))
      return what + " not stored as read";
  }
  if (CountedLines(map) != record.CustomTexts) return "custom texts not stored as read";
  return {};
}

// Empties a map as NewMap does, and also clears the spring and platform
// records that NewMap keeps past their counts, so that every input meets the
// same map and a failure can be replayed alone.
inline void EmptyReusedMap(Map& map) {
  std::fill(map.Springs.begin(), map.Springs.begin() + map.SpringCount, Spring{});
  std::fill(map.Platforms.begin(), map.Platforms.begin() + map.PlatformCount, Platform{});
  NewMap(map);
}

inline bool SameFilePlatform(const Platform& a, const Platform& b) {
  return a.Kind == b.Kind && a.Speed == b.Speed && a.SwitchType == b.SwitchType &&
         a.StartX == b.StartX && a.StartY == b.StartY && a.EndX == b.EndX && a.EndY == b.EndY &&
         (!HasSwitch(a.SwitchType) || (a.SwitchX == b.SwitchX && a.SwitchY == b.SwitchY));
}

// Writes a map that passed validation, reads it back into reloaded (emptied
// first), and compares what the file holds: the cells in use, the primary Zubo, platforms, springs
// and the custom text lines. Writing the reloaded map again gives the same bytes.
inline std::string CheckRoundTrip(const Map& map, Map& reloaded) {
  const LevelRecord written = CollectLevel(map);
  const std::vector<uint8_t> bytes = EncodeLevel(written);
  const std::optional<LevelRecord> reread = DecodeLevel(bytes.data(), bytes.size());
  if (!reread) return "the written level does not read back";
  EmptyReusedMap(reloaded);
  StoreLevel(*reread, reloaded);

  if (reloaded.Width != map.Width || reloaded.Height != map.Height ||
      reloaded.Background != map.Background)
    return "size or background changed by a round trip";
  for (int x = 1; x <= map.Width; ++x) {
    for (int y = 1; y <= map.Height; ++y) {
      if (reloaded.Cell(x, y) != map.Cell(x, y))
        return "cell " + CheckedCell(x, y) + " changed by a round trip";
    }
  }
  // Validation passed, so a Zubo is in use and the reloaded map has a valid
  // primary char; a valid one before the write is kept.
  if (!reloaded.PrimaryCharIsValid()) return "no valid primary char after a round trip";
  if (map.PrimaryCharIsValid() &&
      (reloaded.PrimaryCharX != map.PrimaryCharX || reloaded.PrimaryCharY != map.PrimaryCharY))
    return "the primary char moved in a round trip";

  if (reloaded.PlatformCount != map.PlatformCount) return "platform count changed by a round trip";
  for (int i = 0; i < map.PlatformCount; ++i) {
    if (!SameFilePlatform(reloaded.Platforms[i], map.Platforms[i]))
      return "platform " + std::to_string(i + 1) + " changed by a round trip";
  }
  if (reloaded.SpringCount != map.SpringCount) return "spring count changed by a round trip";
  for (int i = 0; i < map.SpringCount; ++i) {
    if (!SameSpring(map.Springs[i], reloaded.Springs[i]))
      return "spring " + std::to_string(i + 1) + " changed by a round trip";
  }
  if (CountedLines(reloaded) != CountedLines(map)) return "custom texts changed by a round trip";

  if (EncodeLevel(CollectLevel(reloaded)) != bytes) return "a second write gives other bytes";
  return {};
}

// Runs the level checks over inputs one after another. The maps are large,
// so they are made once and emptied for every input.
class LevelChecker {
 public:
  // Reads the bytes as a level file; when they are one, stores them into an
  // empty map as loading does, validates it both with and without the custom
  // text check, and round-trips it when it may be saved.
  std::string Check(const uint8_t* data, size_t size) {
    const std::optional<LevelRecord> record = DecodeLevel(data, size);
    if (!record) return {};
    std::string failure = CheckDecodedRecord(*record);
    if (!failure.empty()) return failure;

    Map& map = *Loaded;
    EmptyReusedMap(map);
    StoreLevel(*record, map);
    failure = CheckStoredMap(*record, map, ExpectedCells);
    if (!failure.empty()) return failure;

    const ValidationResult strict = ValidateMap(map, true);
    const ValidationResult lenient = ValidateMap(map, false);
    for (const ValidationResult* result : {&strict, &lenient}) {
      if (!result->Passed && result->Messages.size() != 1)
        return "a failed validation with " + std::to_string(result->Messages.size()) + " messages";
    }
    if (strict.Passed && !lenient.Passed) return "only the stricter validation passed";
    if (!lenient.Passed) return {};
    // Validation visits every cell in use when it passes, taking these out.
    constexpr uint8_t firstRemovedBg = 47;
    constexpr uint8_t lastRemovedBg = 51;
    for (int x = 1; x <= map.Width; ++x) {
      for (int y = 1; y <= map.Height; ++y) {
        const uint8_t bg = map.Cell(x, y).BgTile;
        if (bg >= firstRemovedBg && bg <= lastRemovedBg)
          return "background tile " + std::to_string(bg) + " left at " + CheckedCell(x, y);
      }
    }
    if (!FileLimitsMessage(map).empty()) return "validation passed a map the file cannot hold";
    return CheckRoundTrip(map, *Reloaded);
  }

 private:
  std::unique_ptr<Map> Loaded = std::make_unique<Map>();
  std::unique_ptr<Map> Reloaded = std::make_unique<Map>();
  std::vector<MapCell> ExpectedCells;
};
