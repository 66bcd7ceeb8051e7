#include "view/palette.h"

#include <algorithm>

#include "model/spring.h"
#include "view/tile_set.h"

namespace {

constexpr int PaletteColumns = 4;
constexpr int TextIds = 254;

// v below 1 becomes last, then v above last becomes 1: the arrows wrap around.
int Wrap(int position, int last) {
  int value = position;
  if (value < 1) value = last;
  if (value > last) value = 1;
  return value;
}

}  // namespace

PaletteGeometry PaletteGeometryFor(int imageCount, int cellSize, int viewWidth) {
  PaletteGeometry palette;
  const int count = std::max(0, imageCount);
  palette.Columns = std::min(count, PaletteColumns);
  palette.Rows = count / PaletteColumns + (count % PaletteColumns != 0 ? 1 : 0);
  palette.Width = palette.Columns * cellSize;
  palette.Height = palette.Rows * cellSize;
  palette.Left = viewWidth - palette.Width - 2;
  return palette;
}

bool OnPalette(const PaletteGeometry& palette, int viewWidth, int x, int y) {
  return x >= palette.Left && x <= viewWidth && y >= 1 && y <= palette.Height + 3;
}

int PaletteEntryAt(const PaletteGeometry& palette, int cellSize, int x, int y) {
  return ((y - 1) / cellSize) * PaletteColumns + (x - palette.Left) / cellSize + 1;
}

const TileSet* PaletteTileSet(const TileSets& sets, Tool tool, int activeLayer) {
  if (tool == Tool::ToolPlatforms) return &sets.DXPLA;
  if (tool == Tool::ToolPlaceTile && activeLayer >= 0 && activeLayer <= 5) {
    return &sets.ForLayer(activeLayer);
  }
  return nullptr;
}

std::optional<int> CorrectSelectedIndex(Tool tool, int position, int imageCount) {
  switch (tool) {
    case Tool::ToolPlaceTile:
    case Tool::ToolPlatforms:
      return Wrap(position, imageCount);
    case Tool::ToolSprings:
      return Wrap(position, SpringKindCount);
    case Tool::ToolTexts:
      return Wrap(position, TextIds);
    case Tool::ToolSelectBlock:
    case Tool::ToolPasteBlock:
    case Tool::ToolSelectPrimaryChar:
    case Tool::ToolSelectArea:
      break;
  }
  return std::nullopt;
}
