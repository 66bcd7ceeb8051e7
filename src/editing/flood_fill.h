#pragma once

#include <cstdint>
#include <vector>

class Map;

// Sets every cell of the region to newValue (its low 8 bits) on one tile
// layer (0 background, 1 midground, 2 foreground): the region is the pressed
// cell (x, y) and every cell of the layer reachable from it by steps left,
// right, down or up that stay on the map (1..Width by 1..Height) and land on
// a cell holding oldValue. Nothing happens when oldValue equals the new byte,
// the pressed cell does not hold oldValue, the cell is off the map or the
// layer is not a tile layer. Pending cells are kept in a work list, so a
// region of any size fills completely. Returns the number of cells changed.
// Leaves Saved, the counters and the view to the caller. When filled is
// given and cells change, it receives the marks of the filled cells by
// storage index ((x - 1) * 256 + y - 1).
int FloodFill(Map& map, int layer, uint8_t oldValue, int newValue, int x, int y,
              std::vector<bool>* filled = nullptr);
