#pragma once

#include <optional>
#include <string>

class CellSelection;
class Map;

// The text of "Load Screen Output": the background, midground and foreground
// tiles of the block whose top-left corner is the selection's first cell and
// whose bottom-right corner is its second, as a nested array literal. Each
// layer is an array of columns from left to right, each column an array of
// the cells' values from the top row down; a value is the tile byte minus 1,
// so an empty cell gives -1. There are no blanks, and the text ends with
// "},". Corners in the wrong order give empty arrays: for every layer when
// the second corner lies left of the first, for every column when it lies
// above. Nothing when fewer than two cells are selected.
std::optional<std::string> ScreenOutputText(const Map& map, const CellSelection& selection);
