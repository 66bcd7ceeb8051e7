#pragma once

#include <optional>
#include <string>
#include <vector>

// The level files of one folder, in the order a person reads their names.

// Natural name order: runs of digits compare by their value, so "level2"
// comes before "level10"; the rest compares letter by letter, ignoring case
// first and then by the exact bytes so that no two names are equal.
bool NaturalLess(const std::string& a, const std::string& b);

// The names of the regular files (or links to them) ending in ".lvl" in
// folder, in natural order; none when the folder cannot be read.
std::vector<std::string> LevelFilesIn(const std::string& folder);

// The name after (step 1) or before (step -1) current among the sorted
// names; current need not be one of them. None at either end.
std::optional<std::string> NeighbourLevel(const std::vector<std::string>& sortedNames,
                                          const std::string& current, int step);
