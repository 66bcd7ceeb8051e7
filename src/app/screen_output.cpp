#include "app/screen_output.h"

#include "editing/cell_selection.h"
#include "model/map.h"

std::optional<std::string> ScreenOutputText(const Map& map, const CellSelection& selection) {
  if (selection.Count() < 2) return std::nullopt;
  const CellPosition topLeft = selection.Cells()[0];
  const CellPosition bottomRight = selection.Cells()[1];

  std::string text = "{";
  for (int layer = LayerBg; layer <= LayerFg; ++layer) {
    text += "{";
    for (int x = topLeft.X; x <= bottomRight.X; ++x) {
      text += "{";
      for (int y = topLeft.Y; y >= bottomRight.Y; --y) {
        text += std::to_string(map.Cell(x, y).LayerByte(layer) - 1);
        if (y != bottomRight.Y) text += ",";
      }
      text += "}";
      if (x < bottomRight.X) text += ",";
    }
    text += "}";
    if (layer != LayerFg) text += ",";
  }
  text += "},";
  return text;
}
