#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "levelfile/level_record.h"

class Map;

// Decodes the bytes of a level file; nothing when they are not a level file
// (cut short, or holding values the editor never writes).
std::optional<LevelRecord> DecodeLevel(const uint8_t* data, size_t size);

// No level file is larger: the largest one the editor can write is about
// 280 KB. Larger files are refused before anything is read.
constexpr size_t MaxLevelFileSize = size_t{1} << 20;

// Reads and decodes the level file at path; nothing when it cannot be read
// or is not a level file, and then, when asked for, why.
std::optional<LevelRecord> ReadLevelRecord(const std::string& path, std::string* problem = nullptr);

// Stores a decoded level into a map emptied by NewMap: the size, the list
// entries at their cells (the first char entry becomes the primary char),
// platforms, springs, tiles and custom texts.
void StoreLevel(const LevelRecord& record, Map& map);

// Reads the file at path into the map: NewMap, decode, store, Saved.
// On failure the map is an empty 20 x 20 map marked saved, and the result is
// false (the caller shows MessageTexts::LoadError), and then, when asked for,
// why.
bool ReadLevelFile(const std::string& path, Map& map, std::string* problem = nullptr);
