#include "editing/tile_tool.h"

#include <cstdint>

#include "editing/flood_fill.h"
#include "model/map.h"

namespace {

bool IsObjectOrCharLayer(int layer) {
  return layer == LayerObject || layer == LayerChar;
}

EditResult RefreshOf(int layer, int x, int y) {
  EditResult result;
  result.RefreshCell = true;
  result.CellX = x;
  result.CellY = y;
  result.ShowObjects = IsObjectOrCharLayer(layer);
  return result;
}

}  // namespace

EditResult PlaceTilePress(Map& map, int layer, int selectedIndex, MouseButton button, int x, int y,
                          std::vector<bool>* filled) {
  if (!map.InUse(x, y)) return {};
  uint8_t& value = map.Cell(x, y).LayerByte(layer);
  switch (button) {
    case MouseButton::Left: {
      value = static_cast<uint8_t>(selectedIndex);
      EditResult result = RefreshOf(layer, x, y);
      result.UpdateTileCounters = true;
      return result;
    }
    case MouseButton::Right:
      value = 0;
      if (layer == LayerChar && x == map.PrimaryCharX && y == map.PrimaryCharY)
        map.PrimaryCharX = -1;
      return RefreshOf(layer, x, y);
    case MouseButton::Middle:
      FloodFill(map, layer, value, selectedIndex, x, y, filled);
      return EditResult::Redraw();
    case MouseButton::None:
      break;
  }
  return {};
}

EditResult SelectPrimaryCharPress(Map& map, int x, int y) {
  if (!map.InUse(x, y)) return {};
  if (map.Cell(x, y).CharKind == ZuboCharKind) {
    map.PrimaryCharX = x;
    map.PrimaryCharY = y;
  } else {
    map.PrimaryCharX = -1;
  }
  return EditResult::Redraw();
}
