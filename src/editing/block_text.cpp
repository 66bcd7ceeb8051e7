#include "editing/block_text.h"

#include <nlohmann/json.hpp>

#include "levelfile/level_json.h"
#include "levelfile/level_writer.h"
#include "model/map.h"

namespace {

constexpr char Mark[] = "zuboCells";

// A block has no background, primary char or custom texts of its own.
constexpr const char* LevelOnlyFields[] = {"background", "primary", "customTexts"};

}  // namespace

std::string BlockToText(const Map& block) {
  nlohmann::ordered_json fields = LevelToJson(CollectLevel(block));
  for (const char* field : LevelOnlyFields) fields.erase(field);
  nlohmann::ordered_json text;
  text[Mark] = 1;
  text.update(fields);
  return text.dump();
}

BlockText BlockFromText(const std::string& text) {
  const nlohmann::json json = nlohmann::json::parse(text, nullptr, false);
  if (json.is_discarded() || !json.is_object() || !json.contains(Mark)) return NoBlock{};
  if (json[Mark] != 1) return BadBlock{"it was made by a newer editor"};
  nlohmann::json fields = json;
  for (const char* field : LevelOnlyFields) fields.erase(field);
  auto block = std::make_unique<Map>();
  NewMap(*block);
  try {
    JsonToMap(fields, *block);
  } catch (const LevelJsonError& error) {
    return BadBlock{error.what()};
  }
  block->PrimaryCharX = 0;
  block->PrimaryCharY = 0;
  return block;
}
