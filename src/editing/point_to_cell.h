#pragma once

#include <cstdint>

#include "view/view_geometry.h"

// A map cell: column X and row Y, both from 1, row 1 at the bottom.
struct CellPosition {
  int32_t X = 0;
  int32_t Y = 0;
};

bool operator==(const CellPosition& a, const CellPosition& b);

// The cell under pixel (x, y) of the drawing surface, pixels counted from its
// top-left corner. Rows are counted from the surface's bottom edge. Both
// divisions truncate toward zero, so a position less than one cell left of
// or below the surface still gives the first column or row of the view.
// The result may lie outside the map.
CellPosition PointToCell(const ViewGeometry& geometry, int x, int y);
