#include "editing/history_watch.h"

#include <algorithm>
#include <cstdint>

#include "editing/cell_selection.h"
#include "editing/map_history.h"
#include "model/editor_state.h"
#include "model/map.h"

namespace {

bool IsTileLayer(int layer) {
  return layer == LayerBg || layer == LayerMg || layer == LayerFg;
}

std::vector<bool>* WatchTilePress(MapHistory& history, const Map& map, int layer, int selectedIndex,
                                  MouseButton button, int x, int y) {
  if (button != MouseButton::Middle) {
    history.WatchCell(map, x, y);
    return nullptr;
  }
  if (!IsTileLayer(layer)) return nullptr;
  return history.WatchFill(map, layer, map.Cell(x, y).LayerByte(layer),
                           static_cast<uint8_t>(selectedIndex));
}

void WatchPaste(MapHistory& history, const Map& map, const CellSelection& selection, int x, int y) {
  std::vector<CellPosition> targets;
  targets.reserve(selection.Cells().size());
  for (int i = 0; i < selection.Count(); ++i) {
    const CellPosition target = PasteTarget(selection, i, x, y);
    if (map.InUse(target.X, target.Y)) targets.push_back(target);
  }
  history.WatchCells(map, targets);
}

// A resize is a step of its own; the lists move with the cells.
void BeginResizeStep(MapHistory& history, const Map& map) {
  history.EndStep(map);
  history.BeginStep(map);
  history.WatchSprings(map);
  history.WatchPlatforms(map);
}

}  // namespace

std::vector<bool>* WatchToolPress(MapHistory& history, const Map& map, const EditorState& state,
                                  const CellSelection& selection, MouseButton button, int x,
                                  int y) {
  if (!map.InUse(x, y)) return nullptr;
  switch (state.ActiveTool) {
    case Tool::ToolPlaceTile:
    case Tool::ToolTexts:
      return WatchTilePress(history, map, state.ActiveLayer, state.SelectedIndex, button, x, y);
    case Tool::ToolPasteBlock:
      if (button == MouseButton::Left || button == MouseButton::Middle)
        WatchPaste(history, map, selection, x, y);
      return nullptr;
    case Tool::ToolSprings:
      history.WatchSprings(map);
      return nullptr;
    case Tool::ToolSelectBlock:
    case Tool::ToolSelectPrimaryChar:
    case Tool::ToolPlatforms:
      // The primary char is a value every step compares; the others change
      // nothing on a press.
      return nullptr;
  }
  return nullptr;
}

void WatchWidthStep(MapHistory& history, const Map& map) {
  BeginResizeStep(history, map);
  history.WatchCells(map, 1, GridSize, 1, std::clamp(map.Height, 0, GridSize));
}

void WatchHeightStep(MapHistory& history, const Map& map) {
  BeginResizeStep(history, map);
  history.WatchCells(map, 1, std::clamp(map.Width, 0, GridSize), 1, GridSize);
}
