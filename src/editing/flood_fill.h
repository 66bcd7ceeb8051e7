#pragma once

#include <vector>

#include "editing/map_edit.h"

class Map;

// The region a fill from cell (x, y) of one tile layer (0 background, 1
// midground, 2 foreground) covers: the cell and every cell of the layer
// reachable from it by steps left, right, down or up that stay on the map
// (1..Width by 1..Height) and land on a cell holding the pressed cell's
// value. Marked by storage index ((x - 1) * 256 + y - 1); empty when the
// cell is off the map or the layer is not a tile layer. Pending cells are
// kept in a work list, so a region of any size is found completely.
std::vector<bool> FillRegion(const Map& map, int layer, int x, int y);

// Sets every cell of the region from (x, y) to newValue (its low 8 bits).
// Nothing happens when the pressed cell already holds the new byte. Returns
// the number of cells changed. Leaves Saved, the counters and the view to
// the caller.
int FloodFill(MapEdit edit, int layer, int newValue, int x, int y);
