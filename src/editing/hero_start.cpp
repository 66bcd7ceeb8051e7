#include "editing/hero_start.h"

#include "levelfile/level_writer.h"
#include "model/map.h"

std::string MoveHeroTo(Map& map, int x, int y) {
  const std::string cannot =
      "The game cannot start at (" + std::to_string(x) + ", " + std::to_string(y) + "): ";
  if (!map.InUse(x, y)) return cannot + "the cell lies outside the map.";
  const std::optional<TileCell> hero = FilePrimaryZubo(map);
  if (!hero) return cannot + "the map has no Zubo to start with.";
  const MapCell& target = map.Cell(x, y);
  if (target.ObjectKind != 0) return cannot + "the cell holds an object.";
  if (target.CharKind != 0 && !(hero->X == x && hero->Y == y))
    return cannot + "the cell holds another char.";
  map.Cell(hero->X, hero->Y).CharKind = 0;
  map.Cell(x, y).CharKind = ZuboCharKind;
  map.PrimaryCharX = x;
  map.PrimaryCharY = y;
  return {};
}
