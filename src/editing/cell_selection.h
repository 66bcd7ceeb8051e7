#pragma once

#include <vector>

#include "editing/edit_result.h"
#include "editing/map_edit.h"
#include "editing/mouse_button.h"
#include "view/view_geometry.h"
#include "view/block_overlay.h"
#include "view/view_geometry.h"

class Map;
struct EditorState;

// The cells chosen with "Select Tiles", in the order they were added, and the
// entry that lands on the pressed cell when "Copy Tiles" pastes them. The
// selection holds positions, not contents: a paste copies what the cells
// hold at the moment of the paste. Only "Select Tiles" empties it.
class CellSelection {
 public:
  static constexpr int Capacity = 256;

  const std::vector<CellPosition>& Cells() const { return Entries; }
  int Count() const { return static_cast<int>(Entries.size()); }
  bool Contains(CellPosition cell) const;

  // Appends a cell of the grid's storage unless it is listed already or the
  // list is full. True when it was appended.
  bool Add(CellPosition cell);
  void Clear();

  // Makes the entry nearest to the map's bottom-left corner by column + row
  // the anchor; among equal sums the earliest entry wins. An empty
  // selection gets entry 0, which a paste never reads.
  void ChooseAnchor();
  // The index into Cells() of the anchor (0 for the first entry).
  int PasteAnchor() const { return Anchor; }

 private:
  std::vector<CellPosition> Entries;
  int Anchor = 0;
};

// "Select Tiles": the selection tool, with an empty selection. The window
// clears the mode list's highlight.
void SelectTilesClick(EditorState& state, CellSelection& selection);

// "Copy Tiles": chooses the anchor and starts pasting. The window clears the
// mode list's highlight.
void CopyTilesClick(EditorState& state, CellSelection& selection);

// A press of the selection tool (any button) on cell (x, y): a cell on the
// map is added to the selection. A cell off the map changes nothing and
// needs no redraw.
EditResult SelectionPress(const Map& map, CellSelection& selection, int x, int y);

// The cell that a paste at (x, y) copies entry i of the selection to: the
// anchor lands on (x, y). It may lie off the map.
CellPosition PasteTarget(const CellSelection& selection, int i, int x, int y);

// A press of the paste tool on cell (x, y). The right button goes back to
// ToolPlaceTile (keeping ActiveLayer) and needs no redraw. The left and
// middle buttons copy all six layers of every selected cell so that the
// anchor lands on (x, y); targets off the map are skipped. Every source is
// read before any target is written, so a paste over its own selection
// copies the contents from before the paste. Springs, platforms and the
// primary char stay where they are. A cell off the map changes nothing.
EditResult PastePress(MapEdit edit, EditorState& state, const CellSelection& selection,
                      MouseButton button, int x, int y);

// The preview of a paste at the pointer's pixel (pointerX, pointerY), in the
// selection's order: every selected cell whose target map cell lies on the
// map, at the screen cell where a press there would paste it. Empty for an
// empty selection.
std::vector<BlockPreviewCell> PastePreview(const Map& map, const CellSelection& selection,
                                           const ViewGeometry& geometry, int pointerX,
                                           int pointerY);

// The outlines of all selected cells, in the selection's order, wherever
// they fall relative to the surface; each sits one pixel right of its cell's
// left edge.
std::vector<BlockOutline> SelectionOutlines(const CellSelection& selection,
                                            const ViewGeometry& geometry);
