#include "editing/area_tool.h"

#include <utility>

#include "editing/cell_area.h"
#include "editing/map_document.h"
#include "model/map.h"
#include "view/view_inputs.h"

AreaTool::AreaTool(MapDocument& document) : Document(document) {}

AreaTool::~AreaTool() = default;

std::optional<int> AreaTool::Press(CellPosition cell) {
  Pointer = cell;
  if (Floating && Dragging == Gesture::None) {
    const CellPosition corner = PasteCorner();
    const std::unique_ptr<Map> block = std::move(Floating);
    Document.BeginStep("Paste");
    const int leftOut = PlaceBlock(Document.Edit(), *block, corner.X, corner.Y);
    Document.EndStep();
    Document.MarkChanged();
    Selected = OnMap(Document.GetMap(), {corner.X, corner.Y, block->Width, block->Height});
    if (Selected->Empty()) Selected.reset();
    return leftOut;
  }
  Anchor = cell;
  if (Selected && Selected->Contains(cell.X, cell.Y)) {
    Dragging = Gesture::Moving;
    Floating = CopyArea(Document.GetMap(), *Selected);
  } else {
    Dragging = Gesture::Selecting;
    Selected = CellArea{cell.X, cell.Y, 1, 1};
  }
  return std::nullopt;
}

void AreaTool::Drag(CellPosition cell) {
  Pointer = cell;
  if (Dragging == Gesture::Selecting) Selected = AreaBetween(Anchor, cell);
}

void AreaTool::Release(CellPosition cell) {
  Drag(cell);
  const Gesture ended = std::exchange(Dragging, Gesture::None);
  if (ended == Gesture::Selecting) {
    // Only cells of the map can be selected.
    Selected = OnMap(Document.GetMap(), *Selected);
    if (Selected->Empty()) Selected.reset();
    return;
  }
  if (ended != Gesture::Moving) return;
  Floating.reset();
  Nudge(cell.X - Anchor.X, cell.Y - Anchor.Y);
}

void AreaTool::Hover(CellPosition cell) {
  Pointer = cell;
}

bool AreaTool::CancelPaste() {
  if (!Floating || Dragging != Gesture::None) return false;
  Floating.reset();
  return true;
}

void AreaTool::SelectAll() {
  Selected = WholeMap(Document.GetMap());
}

void AreaTool::Reset() {
  Selected.reset();
  Floating.reset();
  Dragging = Gesture::None;
}

bool AreaTool::Nudge(int dx, int dy) {
  if (!Selected) return false;
  if (dx == 0 && dy == 0) return true;
  Document.BeginStep("Move");
  MoveArea(Document.Edit(), *Selected, dx, dy);
  Document.EndStep();
  Document.MarkChanged();
  const CellArea moved = OnMap(Document.GetMap(), Selected->MovedBy(dx, dy));
  Selected = moved.Empty() ? std::nullopt : std::optional<CellArea>(moved);
  return true;
}

bool AreaTool::Delete() {
  if (!Selected) return false;
  Document.BeginStep("Delete");
  ClearArea(Document.Edit(), *Selected);
  Document.EndStep();
  Document.MarkChanged();
  return true;
}

std::unique_ptr<Map> AreaTool::Copy() const {
  if (!Selected) return nullptr;
  return CopyArea(Document.GetMap(), *Selected);
}

int AreaTool::Replace(int layer, uint8_t replace, uint8_t with) {
  const CellArea area = Selected.value_or(WholeMap(Document.GetMap()));
  Document.BeginStep("Replace");
  const int changed = ReplaceTiles(Document.Edit(), layer, replace, with, area);
  Document.EndStep();
  if (changed > 0) Document.MarkChanged();
  return changed;
}

void AreaTool::StartPaste(std::unique_ptr<Map> block, CellPosition pointer) {
  Dragging = Gesture::None;
  Floating = std::move(block);
  Pointer = pointer;
}

void AreaTool::DescribeTo(AreaOverlay& overlay) const {
  overlay.ShowSize = Dragging == Gesture::Selecting;
  overlay.Floating = Floating.get();
  if (Dragging == Gesture::Moving) {
    const CellArea moved = Selected->MovedBy(Pointer.X - Anchor.X, Pointer.Y - Anchor.Y);
    overlay.Outline = moved;
    overlay.FloatingAt = {moved.X, moved.Y};
  } else if (Floating) {
    overlay.FloatingAt = PasteCorner();
    overlay.Outline = CellArea{overlay.FloatingAt.X, overlay.FloatingAt.Y, Floating->Width,
                               Floating->Height};
  } else {
    overlay.Outline = Selected;
  }
}

CellPosition AreaTool::PasteCorner() const {
  return {Pointer.X, Pointer.Y - Floating->Height + 1};
}
