#include "editing/cell_selection.h"

#include <algorithm>
#include <cassert>

#include "model/editor_state.h"
#include "model/map.h"

bool CellSelection::Contains(CellPosition cell) const {
  return std::find(Entries.begin(), Entries.end(), cell) != Entries.end();
}

bool CellSelection::Add(CellPosition cell) {
  if (!Map::InStorage(cell.X, cell.Y) || Count() >= Capacity || Contains(cell)) return false;
  Entries.push_back(cell);
  return true;
}

void CellSelection::Clear() {
  Entries.clear();
  Anchor = 0;
}

void CellSelection::ChooseAnchor() {
  Anchor = 0;
  for (int i = 1; i < Count(); ++i) {
    const CellPosition& entry = Entries[i];
    const CellPosition& best = Entries[Anchor];
    if (entry.X + entry.Y < best.X + best.Y) Anchor = i;
  }
}

void SelectTilesClick(EditorState& state, CellSelection& selection) {
  state.ActiveTool = Tool::ToolSelectBlock;
  selection.Clear();
}

void CopyTilesClick(EditorState& state, CellSelection& selection) {
  state.ActiveTool = Tool::ToolPasteBlock;
  selection.ChooseAnchor();
}

EditResult SelectionPress(const Map& map, CellSelection& selection, int x, int y) {
  if (!map.InUse(x, y)) return {};
  selection.Add(CellPosition{x, y});
  return EditResult::Redraw();
}

CellPosition PasteTarget(const CellSelection& selection, int i, int x, int y) {
  const CellPosition& anchor = selection.Cells()[selection.PasteAnchor()];
  const CellPosition& cell = selection.Cells()[i];
  return CellPosition{cell.X + x - anchor.X, cell.Y + y - anchor.Y};
}

EditResult PastePress(MapEdit edit, EditorState& state, const CellSelection& selection,
                      MouseButton button, int x, int y) {
  const Map& map = edit.Read();
  if (!map.InUse(x, y)) return {};
  switch (button) {
    case MouseButton::Right:
      state.ActiveTool = Tool::ToolPlaceTile;
      return {};
    case MouseButton::Left:
    case MouseButton::Middle:
      break;
    case MouseButton::None:
      return {};
  }
  const std::vector<CellPosition>& cells = selection.Cells();
  if (cells.empty()) return EditResult::Redraw();
  assert(selection.PasteAnchor() < selection.Count());

  std::vector<MapCell> sources;
  sources.reserve(cells.size());
  for (const CellPosition& cell : cells) sources.push_back(map.Cell(cell.X, cell.Y));

  for (int i = 0; i < selection.Count(); ++i) {
    const CellPosition target = PasteTarget(selection, i, x, y);
    if (map.InUse(target.X, target.Y)) edit.Cell(target.X, target.Y) = sources[i];
  }
  return EditResult::Redraw();
}

std::vector<BlockPreviewCell> PastePreview(const Map& map, const CellSelection& selection,
                                           const ViewGeometry& geometry, int pointerX,
                                           int pointerY) {
  assert(geometry.CellSize >= 1);
  std::vector<BlockPreviewCell> preview;
  const std::vector<CellPosition>& cells = selection.Cells();
  if (cells.empty()) return preview;
  const CellPosition anchor = cells[selection.PasteAnchor()];
  // The pointer's screen cell, without the camera: the same truncating
  // divisions as PointToCell.
  const int pointerColumn = pointerX / geometry.CellSize + 1;
  const int pointerRow = (geometry.ViewHeight - pointerY) / geometry.CellSize + 1;
  for (const CellPosition& cell : cells) {
    const int column = cell.X + pointerColumn - anchor.X;
    const int row = cell.Y + pointerRow - anchor.Y;
    if (map.InUse(geometry.CameraX + column, geometry.CameraY + row))
      preview.push_back(BlockPreviewCell{column, row, cell.X, cell.Y});
  }
  return preview;
}

std::vector<BlockOutline> SelectionOutlines(const CellSelection& selection,
                                            const ViewGeometry& geometry) {
  std::vector<BlockOutline> outlines;
  outlines.reserve(selection.Cells().size());
  for (const CellPosition& cell : selection.Cells()) {
    const PixelPosition topLeft = CellTopLeft(geometry, cell.X, cell.Y);
    outlines.push_back(BlockOutline{topLeft.X + 1, topLeft.Y, geometry.CellSize});
  }
  return outlines;
}
