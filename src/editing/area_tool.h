#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "view/view_geometry.h"

class Map;
class MapDocument;
struct AreaOverlay;

// The selection tool on the cells of the map: a left drag selects the
// rectangle between two cells, a drag from inside the selection moves its
// contents, and a block being pasted follows the pointer until a left
// press drops it. Every change is one step of the document.
class AreaTool {
 public:
  explicit AreaTool(MapDocument& document);
  ~AreaTool();
  AreaTool(const AreaTool&) = delete;
  AreaTool& operator=(const AreaTool&) = delete;

  const std::optional<CellArea>& Selection() const { return Selected; }
  bool Pasting() const { return Floating != nullptr; }

  // The left button on a cell: pressed, moved while held, released. A press
  // that drops a paste returns how many items were left out.
  std::optional<int> Press(CellPosition cell);
  void Drag(CellPosition cell);
  void Release(CellPosition cell);
  // The pointer moved with no button held: a paste follows it.
  void Hover(CellPosition cell);
  // A right press: a paste going on is dropped without a change. False when
  // none was.
  bool CancelPaste();

  void SelectAll();
  // Forgets the selection and any paste going on.
  void Reset();

  // The selection's contents moved by one step; false without a selection.
  bool Nudge(int dx, int dy);
  // Empties the selected cells and removes the items inside.
  bool Delete();
  // The selected cells with their items, or nothing without a selection.
  std::unique_ptr<Map> Copy() const;
  // Replaces one index by another in a tile layer, in the selection or,
  // without one, on the whole map: one step. Returns how many cells changed.
  int Replace(int layer, uint8_t replace, uint8_t with);
  // A block starts following the pointer, at the pointer's cell.
  void StartPaste(std::unique_ptr<Map> block, CellPosition pointer);

  void DescribeTo(AreaOverlay& overlay) const;

 private:
  // Where the cell (1, 1) of a block being pasted lands: its top-left cell
  // is at the pointer.
  CellPosition PasteCorner() const;

  enum class Gesture { None, Selecting, Moving };

  MapDocument& Document;
  std::optional<CellArea> Selected;
  Gesture Dragging = Gesture::None;
  CellPosition Anchor;
  CellPosition Pointer;
  // The selection's contents while a move is dragged, and a block being pasted.
  std::unique_ptr<Map> Floating;
};
