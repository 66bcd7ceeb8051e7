#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "levelfile/level_record.h"
#include "levelfile/map_problem.h"

class Map;

// The cell of the Zubo the level file makes primary (its first char entry):
// the primary char when it is valid, else the first Zubo a column-major scan
// of the cells in use meets; nothing without a Zubo.
std::optional<TileCell> FilePrimaryZubo(const Map& map);

// Collects what the level file holds from the cells in use, in file order.
LevelRecord CollectLevel(const Map& map);

// The bytes of a level file. The record must fit the file's limits
// (see FileLimitsMessage).
std::vector<uint8_t> EncodeLevel(const LevelRecord& record);

struct WriteOutcome {
  bool Ok = false;
  std::string Error;  // the system's error text, or why the map cannot be written
};

// Writes the map to path. The file is replaced only once the new content is
// complete: on any failure the old file stays as it was. A map that the file
// format cannot hold is refused before anything is written. Saved is the
// caller's.
WriteOutcome WriteLevelFile(const Map& map, const std::string& path);
