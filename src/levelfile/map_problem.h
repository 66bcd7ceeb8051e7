#pragma once

#include <optional>
#include <string>

// A cell of the map, column and row from 1.
struct TileCell {
  int X = 0;
  int Y = 0;
};

// One thing the checks before a write find: the message they show for it
// and, when it has one, the cell it is at (which may lie off the map).
struct MapProblem {
  std::string Text;
  std::optional<TileCell> Cell;
};
