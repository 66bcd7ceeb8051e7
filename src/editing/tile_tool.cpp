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

EditResult PlaceTilePress(MapEdit edit, int layer, int selectedIndex, MouseButton button, int x,
                          int y) {
  const Map& map = edit.Read();
  if (!map.InUse(x, y)) return {};
  switch (button) {
    case MouseButton::Left: {
      edit.Cell(x, y).LayerByte(layer) = static_cast<uint8_t>(selectedIndex);
      EditResult result = RefreshOf(layer, x, y);
      result.UpdateTileCounters = true;
      return result;
    }
    case MouseButton::Right:
      edit.Cell(x, y).LayerByte(layer) = 0;
      if (layer == LayerChar && x == map.PrimaryCharX && y == map.PrimaryCharY)
        edit.ClearPrimaryChar();
      return RefreshOf(layer, x, y);
    case MouseButton::Middle:
      FloodFill(edit, layer, selectedIndex, x, y);
      return EditResult::Redraw();
    case MouseButton::None:
      break;
  }
  return {};
}

EditResult SelectPrimaryCharPress(MapEdit edit, int x, int y) {
  const Map& map = edit.Read();
  if (!map.InUse(x, y)) return {};
  if (map.Cell(x, y).CharKind == ZuboCharKind)
    edit.SetPrimaryChar(x, y);
  else
    edit.ClearPrimaryChar();
  return EditResult::Redraw();
}
