#pragma once

class Map;

// How many different tiles each tile layer of the cells in use holds.
struct TileCounts {
  int BG = 0;
  int MG = 0;
  int FG = 0;
};

TileCounts CountUsedTiles(const Map& map);
