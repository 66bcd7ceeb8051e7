#pragma once

#include <string>
#include <vector>

#include "levelfile/map_problem.h"

class Map;

// Why a level file cannot hold the map: a counted list over 255 entries, a
// spring with more than 15 points or a kind outside 1..16, a custom text list
// of more than 255 lines, or a platform start, end or switch or a spring
// point outside the map. Empty when the file can hold it.
std::string FileLimitsMessage(const Map& map);

// Every such reason, in the order they are checked (a spring's first one
// only, an item's first point off the map only), with the item's cell where
// it has one.
std::vector<MapProblem> FileLimitProblems(const Map& map);
