#pragma once

#include <string>
#include <vector>

#include "editing/platform_tool.h"
#include "map_comparison.h"
#include "view/view_geometry.h"

class Map;

// What the window shows beside the map, for the invariant checks.
struct WindowState {
  int Width = 0;  // the positions of the size up-downs
  int Height = 0;
  int Background = 0;
  std::vector<std::string> MemoLines;
  bool SpringInProgress = false;
  PlatformStage Stage = PlatformStage::Idle;
  bool DialogOpen = false;
  std::vector<CellPosition> Selection;
  ViewGeometry Geometry;
};

// The first invariant the map and the window break, or an empty string:
// counts within their tables, the spring and platform tools in step with
// the lists, every coordinate that indexes the cells within the storage,
// the size and the texts equal to their controls.
std::string MapInvariantFailure(const Map& map, const WindowState& window);

// The first difference between a map that was written and the map read back
// from its file, or an empty string. A level file holds the cells in use,
// the primary char (or, without one, the first char it lists), the lists and
// the custom texts that count, each cut to what the file holds.
std::string CompareReloaded(const Map& written, const Map& read);

