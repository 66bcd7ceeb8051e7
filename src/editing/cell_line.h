#pragma once

#include <vector>

#include "view/view_geometry.h"

// The cells of the straight line from one cell to another, in order, without
// the first and with the last: the cells a stroke crosses between two pointer
// events. Neighbours in the list touch at a side or a corner; nothing is
// left out, whatever the distance.
std::vector<CellPosition> CellLineAfter(CellPosition from, CellPosition to);
