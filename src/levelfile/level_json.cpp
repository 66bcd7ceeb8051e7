#include "levelfile/level_json.h"

#include <string>
#include <utility>
#include <vector>

#include "model/latin1_text.h"
#include "model/limits.h"
#include "model/map.h"

using nlohmann::json;
using nlohmann::ordered_json;

namespace {

ordered_json EntriesToJson(const std::vector<LevelEntry>& entries) {
  ordered_json list = ordered_json::array();
  for (const LevelEntry& entry : entries) list.push_back({entry.X, entry.Y, entry.Value});
  return list;
}

ordered_json Cell(int x, int y) {
  return ordered_json::array({x, y});
}

// A whole number in low..high; anything else is named as the JSON gave it.
int IntIn(const json& value, int low, int high, const std::string& what) {
  if (!value.is_number_integer()) throw LevelJsonError(what + " must be a whole number");
  const bool inRange = value.is_number_unsigned()
                           ? value.get<unsigned long long>() <= static_cast<unsigned>(high) &&
                                 value.get<unsigned long long>() >= static_cast<unsigned>(low)
                           : value.get<long long>() >= low && value.get<long long>() <= high;
  if (!inRange) {
    throw LevelJsonError(what + " must be " + std::to_string(low) + ".." + std::to_string(high) +
                         ", not " + value.dump());
  }
  return value.get<int>();
}

const json& ArrayOf(const json& value, size_t size, const std::string& what) {
  if (!value.is_array() || (size != 0 && value.size() != size)) {
    throw LevelJsonError(what + " must be an array" +
                         (size != 0 ? " of " + std::to_string(size) + " values" : ""));
  }
  return value;
}

const json& ObjectOf(const json& value, const std::string& what) {
  if (!value.is_object()) throw LevelJsonError(what + " must be a JSON object");
  return value;
}

const json& Member(const json& object, const char* key) {
  static const json empty;
  const auto found = object.find(key);
  return found == object.end() ? empty : *found;
}

// The [x, y, value] entries of one list, placed on one cell layer.
void PlaceEntries(const json& object, const char* key, int layer, Map& map) {
  const json& list = Member(object, key);
  if (list.is_null()) return;
  const std::string name = key;
  for (const json& entry : ArrayOf(list, 0, name)) {
    ArrayOf(entry, 3, "each of " + name);
    const int x = IntIn(entry[0], MinMapSize, map.Width, name + " column");
    const int y = IntIn(entry[1], MinMapSize, map.Height, name + " row");
    map.Cell(x, y).LayerByte(layer) =
        static_cast<uint8_t>(IntIn(entry[2], 1, 255, name + " value"));
  }
}

void ReadPlatforms(const json& object, Map& map) {
  const json& list = Member(object, "platforms");
  if (list.is_null()) return;
  for (const json& item : ArrayOf(list, 0, "platforms")) {
    ObjectOf(item, "each of platforms");
    if (map.PlatformCount == PlatformCapacity) throw LevelJsonError("too many platforms");
    Platform platform;
    platform.Kind = static_cast<uint8_t>(IntIn(Member(item, "kind"), 0, 255, "platform kind"));
    platform.Speed = static_cast<uint8_t>(IntIn(Member(item, "speed"), 0, 255, "platform speed"));
    platform.SwitchType = static_cast<uint8_t>(
        IntIn(Member(item, "switchType"), 0, SwitchTypeCount - 1, "platform switchType"));
    const json& start = ArrayOf(Member(item, "start"), 2, "platform start");
    platform.StartX = static_cast<uint8_t>(IntIn(start[0], 0, 255, "platform start column"));
    platform.StartY = static_cast<uint8_t>(IntIn(start[1], 0, 255, "platform start row"));
    const json& end = ArrayOf(Member(item, "end"), 2, "platform end");
    platform.EndX = static_cast<uint8_t>(IntIn(end[0], 0, 255, "platform end column"));
    platform.EndY = static_cast<uint8_t>(IntIn(end[1], 0, 255, "platform end row"));
    if (HasSwitch(platform.SwitchType)) {
      const json& cell = ArrayOf(Member(item, "switch"), 2, "platform switch");
      platform.SwitchX = static_cast<uint8_t>(IntIn(cell[0], 0, 255, "platform switch column"));
      platform.SwitchY = static_cast<uint8_t>(IntIn(cell[1], 0, 255, "platform switch row"));
    }
    map.Platforms[map.PlatformCount++] = platform;
  }
}

void ReadSprings(const json& object, Map& map) {
  const json& list = Member(object, "springs");
  if (list.is_null()) return;
  for (const json& item : ArrayOf(list, 0, "springs")) {
    ObjectOf(item, "each of springs");
    if (map.SpringCount == SpringCapacity) throw LevelJsonError("too many springs");
    Spring& spring = map.Springs[map.SpringCount];
    spring.Kind = IntIn(Member(item, "kind"), 1, MaxFileSpringKind, "spring kind");
    const json& points = ArrayOf(Member(item, "points"), 0, "spring points");
    if (points.empty() || points.size() > MaxFileSpringPoints) {
      throw LevelJsonError("a spring must have 1.." + std::to_string(MaxFileSpringPoints) +
                           " points");
    }
    spring.PointCount = 0;
    for (const json& point : points) {
      ArrayOf(point, 3, "each spring point");
      SpringPoint& target = spring.Points[spring.PointCount++];
      target.X = IntIn(point[0], 0, 255, "spring point column");
      target.Y = IntIn(point[1], 0, 255, "spring point row");
      target.Corner = static_cast<uint8_t>(IntIn(point[2], 0, CornerCount - 1, "spring corner"));
    }
    ++map.SpringCount;
  }
}

void ReadTiles(const json& object, Map& map) {
  const json& tiles = Member(object, "tiles");
  if (tiles.is_null()) return;
  ObjectOf(tiles, "tiles");
  const size_t size = static_cast<size_t>(map.Width) * static_cast<size_t>(map.Height);
  const char* const names[3] = {"bg", "mg", "fg"};
  for (int layer = LayerBg; layer <= LayerFg; ++layer) {
    const json& values = Member(tiles, names[layer]);
    if (values.is_null()) continue;
    const std::string what = std::string("tiles.") + names[layer];
    ArrayOf(values, size, what);
    size_t i = 0;
    for (int x = 1; x <= map.Width; ++x) {
      for (int y = 1; y <= map.Height; ++y, ++i) {
        map.Cell(x, y).LayerByte(layer) = static_cast<uint8_t>(IntIn(values[i], 0, 255, what));
      }
    }
  }
}

}  // namespace

ordered_json LevelToJson(const LevelRecord& record) {
  ordered_json level;
  level["width"] = record.Width;
  level["height"] = record.Height;
  level["background"] = record.Background;
  level["primary"] =
      record.Chars.empty() ? ordered_json(nullptr) : Cell(record.Chars[0].X, record.Chars[0].Y);
  level["chars"] = EntriesToJson(record.Chars);
  level["objects"] = EntriesToJson(record.Objects);
  ordered_json platforms = ordered_json::array();
  for (const Platform& platform : record.Platforms) {
    ordered_json item;
    item["kind"] = platform.Kind;
    item["speed"] = platform.Speed;
    item["switchType"] = platform.SwitchType;
    item["start"] = Cell(platform.StartX, platform.StartY);
    item["end"] = Cell(platform.EndX, platform.EndY);
    if (HasSwitch(platform.SwitchType)) item["switch"] = Cell(platform.SwitchX, platform.SwitchY);
    platforms.push_back(item);
  }
  level["platforms"] = platforms;
  ordered_json springs = ordered_json::array();
  for (const LevelSpring& spring : record.Springs) {
    ordered_json points = ordered_json::array();
    for (const SpringPoint& point : spring.Points)
      points.push_back({point.X, point.Y, point.Corner});
    springs.push_back({{"kind", spring.Kind}, {"points", points}});
  }
  level["springs"] = springs;
  ordered_json bg = ordered_json::array();
  ordered_json mg = ordered_json::array();
  ordered_json fg = ordered_json::array();
  for (size_t i = 0; i + 2 < record.Tiles.size(); i += 3) {
    bg.push_back(record.Tiles[i]);
    mg.push_back(record.Tiles[i + 1]);
    fg.push_back(record.Tiles[i + 2]);
  }
  level["tiles"] = {{"bg", bg}, {"mg", mg}, {"fg", fg}};
  level["texts"] = EntriesToJson(record.TextMarkers);
  ordered_json lines = ordered_json::array();
  for (const std::string& line : record.CustomTexts) lines.push_back(Latin1ToUtf8(line));
  level["customTexts"] = lines;
  return level;
}

void JsonToMap(const json& level, Map& map) {
  ObjectOf(level, "a level");
  map.Width = IntIn(Member(level, "width"), MinMapSize, MaxMapSize, "width");
  map.Height = IntIn(Member(level, "height"), MinMapSize, MaxMapSize, "height");
  const json& background = Member(level, "background");
  map.Background =
      background.is_null() ? 0 : IntIn(background, 0, BackgroundCount - 1, "background");
  PlaceEntries(level, "chars", LayerChar, map);
  PlaceEntries(level, "objects", LayerObject, map);
  PlaceEntries(level, "texts", LayerText, map);
  const json& primary = Member(level, "primary");
  if (!primary.is_null()) {
    ArrayOf(primary, 2, "primary");
    map.PrimaryCharX = IntIn(primary[0], MinMapSize, map.Width, "primary column");
    map.PrimaryCharY = IntIn(primary[1], MinMapSize, map.Height, "primary row");
  }
  ReadPlatforms(level, map);
  ReadSprings(level, map);
  ReadTiles(level, map);
  const json& lines = Member(level, "customTexts");
  if (!lines.is_null()) {
    std::vector<std::string> texts;
    for (const auto& line : ArrayOf(lines, 0, "customTexts")) {
      const std::string what = "customTexts line " + std::to_string(texts.size() + 1);
      if (!line.is_string()) throw LevelJsonError(what + " must be a string");
      // A line break would split the line in the editor's memo and renumber
      // every later text.
      if (line.get<std::string>().find_first_of("\r\n") != std::string::npos)
        throw LevelJsonError(what + " must not hold a line break");
      texts.push_back(Utf8ToLatin1(line.get<std::string>()));
    }
    SetCustomTextLines(map, std::move(texts));
  }
}
