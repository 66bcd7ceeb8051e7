#pragma once

#include <string>

class Map;

// "Play from here": moves the hero, the Zubo the level file makes primary
// (the primary char, else the first Zubo a column-major scan meets), to
// cell (x, y) and makes that cell primary. A cell that cannot hold the hero
// (off the map, or holding an object or another char) leaves the map as it
// was and gives why; empty on success.
std::string MoveHeroTo(Map& map, int x, int y);
