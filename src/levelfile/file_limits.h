#pragma once

#include <string>

class Map;

// Why a level file cannot hold the map: a counted list over 255 entries, a
// spring with more than 15 points, a kind outside 1..16 or a point outside
// columns and rows 0..255, or a custom text list of more than 255 lines. Empty when the file can
// hold it.
std::string FileLimitsMessage(const Map& map);
