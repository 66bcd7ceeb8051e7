#pragma once

#include <vector>

#include "editing/mouse_button.h"

class CellSelection;
class Map;
class MapHistory;
struct EditorState;

// Tells the history, before a press of the active tool on cell (x, y) of the
// map runs, what the press may change: the pressed cell, the cells a paste
// writes, the springs. Returns where the flood fill of a middle press puts
// the marks of the cells it fills, or null when the press fills nothing.
std::vector<bool>* WatchToolPress(MapHistory& history, const Map& map, const EditorState& state,
                                  const CellSelection& selection, MouseButton button, int x, int y);

// Before one step of the width or height up-down, a step of its own: every
// cell the resize rules may move or clear, the springs and the platforms.
void WatchWidthStep(MapHistory& history, const Map& map);
void WatchHeightStep(MapHistory& history, const Map& map);
