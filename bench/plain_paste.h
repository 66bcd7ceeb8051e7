#pragma once

#include "editing/cell_selection.h"
#include "model/map.h"

// What a paste writes, copied by hand within the map (source and target
// blocks apart), without a document:
// the work the recorded paste is measured against.
inline void PasteByHand(Map& map, const CellSelection& selection, int x, int y) {
  for (int i = 0; i < selection.Count(); ++i) {
    const CellPosition cell = selection.Cells()[i];
    const CellPosition to = PasteTarget(selection, i, x, y);
    map.Cell(to.X, to.Y) = map.Cell(cell.X, cell.Y);
  }
}
