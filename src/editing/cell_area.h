#pragma once

#include <cstdint>
#include <memory>

#include "view/view_geometry.h"

class Map;
class MapEdit;

// The area between two cells, both included.
CellArea AreaBetween(CellPosition a, CellPosition b);
// The area of the map in use.
CellArea WholeMap(const Map& map);
// The part of an area that lies on the map; empty when none does.
CellArea OnMap(const Map& map, CellArea area);

// A block of cells: a map of the area's size holding its cells from (1, 1)
// and the springs and platforms that lay entirely inside it, in the block's
// own coordinates. Its primary char is none.
std::unique_ptr<Map> CopyArea(const Map& map, CellArea area);

// Empties every cell of the area (all six bytes) and removes the springs
// and platforms that lie entirely inside it. A primary char in it is gone.
void ClearArea(MapEdit edit, CellArea area);

// Places a block with its cell (1, 1) at (x, y): the cells that land on the
// map are overwritten in all six bytes, and the springs and platforms that
// end entirely on the map are added while the level file has room for
// them. Chars, objects and text markers beyond the file's lists, and such
// items, are left out. The primary char is never changed. Returns how many
// were left out.
int PlaceBlock(MapEdit edit, const Map& block, int x, int y);

// Moves the contents of an area by (dx, dy): the cells it leaves become
// empty, those it lands on are overwritten; the springs and platforms
// inside move along unless they would end off the map, and so does the
// primary char.
void MoveArea(MapEdit edit, CellArea area, int dx, int dy);

// Sets the tile layer to `with` in every cell of the area (on the map) that
// holds `replace` there; returns how many cells changed.
int ReplaceTiles(MapEdit edit, int layer, uint8_t replace, uint8_t with, CellArea area);
