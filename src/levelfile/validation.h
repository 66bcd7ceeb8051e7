#pragma once

#include <string>
#include <vector>

class Map;

// A cell of the map, column and row from 1.
struct TileCell {
  int X = 0;
  int Y = 0;
};

struct ValidationResult {
  bool Passed = false;
  // The messages to show, in order: on a failure its one message, on a pass
  // the lava warning when there is lava.
  std::vector<std::string> Messages;
  // The cells visited whose background tile (47..51) the check removes, in
  // the order visited.
  std::vector<TileCell> RemovedBgTiles;
};

// Checks that the phone game can play the map, in the editor's order,
// without changing it. With customTextsEnabled every TextId is checked
// against the custom text lines.
ValidationResult CheckMap(const Map& map, bool customTextsEnabled);

// The check, and the removal of the background tiles it found.
ValidationResult ValidateMap(Map& map, bool customTextsEnabled);
