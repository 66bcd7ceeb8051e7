#pragma once

#include <string>
#include <vector>

class Map;

#include "levelfile/map_problem.h"

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

// Every problem the check before a write would find, not only the first,
// without changing the map: each text marker without a line, a missing
// Zubo, a missing end tile, each incorrect switch, each spring in an
// object's middle or attached to nothing (its first problem), the lava
// warning, several Zubos with none chosen as the primary char (naming the
// one the file makes primary), the background tiles a save removes (one
// entry with their count), and every reason the level file cannot hold the
// map. Empty when a save would pass without a word.
std::vector<MapProblem> FindProblems(const Map& map, bool customTextsEnabled);

// The check, and the removal of the background tiles it found.
ValidationResult ValidateMap(Map& map, bool customTextsEnabled);
