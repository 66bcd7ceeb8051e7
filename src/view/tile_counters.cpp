#include "view/tile_counters.h"

#include <algorithm>
#include <array>

#include "model/map.h"

namespace {

// The number of different non-zero values of one layer over the cells in use.
int CountLayer(const Map& map, int layer) {
  std::array<bool, 256> seen{};
  int count = 0;
  for (int x = 1; x <= std::min(map.Width, GridSize); ++x) {
    for (int y = 1; y <= std::min(map.Height, GridSize); ++y) {
      const uint8_t value = map.Cell(x, y).LayerByte(layer);
      if (value != 0 && !seen[value]) {
        seen[value] = true;
        ++count;
      }
    }
  }
  return count;
}

}  // namespace

TileCounts CountUsedTiles(const Map& map) {
  TileCounts counts;
  counts.BG = CountLayer(map, LayerBg);
  counts.MG = CountLayer(map, LayerMg);
  counts.FG = CountLayer(map, LayerFg);
  return counts;
}
