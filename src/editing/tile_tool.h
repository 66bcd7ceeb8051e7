#pragma once

#include "editing/edit_result.h"
#include "editing/map_edit.h"
#include "editing/mouse_button.h"

// A press of the placing tools (tiles, objects, chars on layers 0..4, text
// markers on layer 5) on cell (x, y). Left writes the low 8 bits of
// selectedIndex into the layer's byte, right erases it (and drops the primary
// char when its char is erased), middle flood-fills a tile layer. A cell off
// the map changes nothing and needs no redraw. Saved is the caller's.
EditResult PlaceTilePress(MapEdit edit, int layer, int selectedIndex, MouseButton button, int x,
                          int y);

// A press of the primary char picker on cell (x, y), with any button: a cell
// holding Zubo becomes the primary char, any other cell leaves none chosen.
EditResult SelectPrimaryCharPress(MapEdit edit, int x, int y);
