#pragma once

#include <nlohmann/json.hpp>
#include <stdexcept>

#include "levelfile/level_record.h"

class Map;

// A JSON description of a level that cannot be turned into a map.
class LevelJsonError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The content of a level file as JSON, lists in file order; "primary" is the
// cell that loading makes primary (the first char entry).
nlohmann::ordered_json LevelToJson(const LevelRecord& record);

// Fills a map emptied by NewMap from a JSON description: chars, objects and
// text markers are placed in their cells. Throws LevelJsonError.
void JsonToMap(const nlohmann::json& level, Map& map);
