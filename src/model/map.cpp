#include "model/map.h"

#include <cassert>
#include <utility>

Map::Map() = default;

int Map::Index(int x, int y) {
  assert(InStorage(x, y));
  return (x - 1) * GridSize + (y - 1);
}

bool Map::PrimaryCharIsValid() const {
  return HasPrimaryChar() && InUse(PrimaryCharX, PrimaryCharY) &&
         Cell(PrimaryCharX, PrimaryCharY).CharKind == ZuboCharKind;
}

int Map::CustomTextLineCount() const {
  int count = static_cast<int>(CustomTexts.size());
  if (count > 0 && CustomTexts.back().empty()) --count;
  return count;
}

void SetCustomTextLines(Map& map, std::vector<std::string> lines) {
  if (!lines.empty() && lines.back().empty()) lines.emplace_back();
  map.CustomTexts = std::move(lines);
}

void NewMap(Map& map) {
  map.PrimaryCharX = -1;
  map.Saved = true;
  map.Cells.fill(MapCell{});
  map.SpringCount = 0;
  map.PlatformCount = 0;
  map.CustomTexts.clear();
}
