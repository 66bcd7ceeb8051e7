#include "view/view_geometry.h"

#include <algorithm>

int CellSizeFor(int zoom, int baseTileSize) {
  return std::max(1, zoom * baseTileSize / 10);
}
