#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class Map;

// A recovery copy: what autosave keeps of the map while it has unsaved
// changes, so that a crash, a killed editor or a power cut loses only the
// last seconds of work. Unlike a level file it holds the map exactly as it
// is in memory (every cell of the storage, items that a resize left outside
// the map, lists beyond the file's limits) and what the window showed with
// it. The file is the editor's own, read back only by the editor:
//
//   "ZUBOREC1", the time (int64, ms since the epoch), the body, and an
//   FNV-1a checksum of everything before it (uint64); little-endian.

// What the window shows besides the map.
struct RecoveryInfo {
  std::string FileName;     // the file name box, UTF-8
  std::string CustomTexts;  // the custom texts memo's whole text, UTF-8
  int Zoom = 10;
  int CameraX = 0;
  int CameraY = 0;
  int64_t SavedAt = 0;  // when the copy was taken, ms since the epoch
};

// No recovery copy is larger; a larger file is refused before it is read.
constexpr size_t MaxRecoveryFileSize = size_t{64} << 20;

// The body of a copy of the map with its first platformCount platforms (a
// platform still being placed is left out) and the window's info.
std::vector<uint8_t> EncodeRecoveryBody(const Map& map, int platformCount,
                                        const RecoveryInfo& info);

// The whole file for a body, taken at savedAt.
std::vector<uint8_t> RecoveryFileBytes(const std::vector<uint8_t>& body, int64_t savedAt);

// Reads a whole recovery file into map (which it replaces entirely, Saved
// false) and info. False, with the map and info in an unspecified state,
// when the bytes are not a complete, undamaged copy whose every value is
// one the editor can hold.
bool DecodeRecoveryFile(const uint8_t* data, size_t size, Map& map, RecoveryInfo& info);
