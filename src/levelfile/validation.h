#pragma once

#include <string>
#include <vector>

class Map;

struct ValidationResult {
  bool Passed = false;
  // The messages to show, in order: on a failure its one message, on a pass
  // the lava warning when there is lava.
  std::vector<std::string> Messages;
};

// Checks that the phone game can play the map, in the editor's order, and
// removes background tiles 47..51 from the cells it visits. With
// customTextsEnabled every TextId is checked against the custom text lines.
ValidationResult ValidateMap(Map& map, bool customTextsEnabled);
