#pragma once

#include <optional>
#include <string>
#include <utility>

// A cell of the map, column and row from 1.
struct TileCell {
  int X = 0;
  int Y = 0;
};

// One thing the checks before a write find: the message they show for it
// and, when it has one, the cell it is at (which may lie off the map).
struct MapProblem {
  MapProblem(std::string text, std::optional<TileCell> cell) : Text(std::move(text)), Cell(cell) {}

  std::string Text;
  std::optional<TileCell> Cell;
  // The rule behind it in one short line, for the problems list; may be empty.
  std::string Rule;
};

// The problem as the problems list shows it: "(column, row)  " before the
// message when it has a cell, and its rule on a second line, indented.
inline std::string ProblemLines(const MapProblem& problem) {
  std::string text = problem.Text;
  if (problem.Cell)
    text = "(" + std::to_string(problem.Cell->X) + ", " + std::to_string(problem.Cell->Y) + ")  " +
           text;
  if (!problem.Rule.empty()) text += "\n    " + problem.Rule;
  return text;
}
