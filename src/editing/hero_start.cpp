#include "editing/hero_start.h"

#include <optional>

#include "model/map.h"
#include "view/view_geometry.h"

namespace {

std::optional<CellPosition> Hero(const Map& map) {
  if (map.PrimaryCharIsValid()) return CellPosition{map.PrimaryCharX, map.PrimaryCharY};
  for (int x = 1; x <= map.Width; ++x)
    for (int y = 1; y <= map.Height; ++y)
      if (map.Cell(x, y).CharKind == ZuboCharKind) return CellPosition{x, y};
  return std::nullopt;
}

}  // namespace

std::string MoveHeroTo(Map& map, int x, int y) {
  const std::string cannot =
      "The game cannot start at (" + std::to_string(x) + ", " + std::to_string(y) + "): ";
  if (!map.InUse(x, y)) return cannot + "the cell lies outside the map.";
  const std::optional<CellPosition> hero = Hero(map);
  if (!hero) return cannot + "the map has no Zubo to start with.";
  const MapCell& target = map.Cell(x, y);
  if (target.ObjectKind != 0) return cannot + "the cell holds an object.";
  if (target.CharKind != 0 && !(*hero == CellPosition{x, y}))
    return cannot + "the cell holds another char.";
  map.Cell(hero->X, hero->Y).CharKind = 0;
  map.Cell(x, y).CharKind = ZuboCharKind;
  map.PrimaryCharX = x;
  map.PrimaryCharY = y;
  return {};
}
