#pragma once

#include <string>

class Map;

// The first difference between a map and the one undo or redo should have
// given back, or an empty string: every cell of the storage, the size,
// background, primary char, and the springs and platforms in use.
std::string CompareRestored(const Map& expected, const Map& actual);
