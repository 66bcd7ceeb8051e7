#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "editing/point_to_cell.h"

class Map;
struct MapStep;

// The values of the map that a step restores as a whole.
struct MapScalars {
  int Width = 0;
  int Height = 0;
  int Background = 0;
  int32_t PrimaryCharX = -1;
  int32_t PrimaryCharY = 0;
  int32_t SpringCount = 0;
  int32_t PlatformCount = 0;

  static MapScalars Of(const Map& map);
  void StoreIn(Map& map) const;
};

bool operator==(const MapScalars& a, const MapScalars& b);

// The undo history of the map: a list of steps, each holding what one
// editing action changed (cells by storage index, spring and platform records
// by slot, the size, background, primary char and list counts), never a copy
// of the whole map.
//
// A step is opened, told before each change what may change (WatchCell,
// WatchSprings, ...), and closed; closing keeps only what really changed and
// drops a step that changed nothing. Undo and Redo restore the map exactly
// as it was before and after a step; every change to the map must therefore
// go through a step, or clear the history.
//
// The history also knows the position the map was last saved at: a map
// marked Saved when a step opens, or before an undo, a redo or an edit of the
// custom texts, is at the saved position.
class MapHistory {
 public:
  // The history keeps the newest steps within this many bytes: at least a
  // hundred of the largest steps a 255 x 255 map can make.
  static constexpr std::size_t DefaultByteLimit = 64'000'000;

  explicit MapHistory(std::size_t byteLimit = DefaultByteLimit);
  ~MapHistory();
  MapHistory(const MapHistory&) = delete;
  MapHistory& operator=(const MapHistory&) = delete;

  // Opens a step unless one is open.
  void BeginStep(const Map& map);
  bool StepOpen() const { return Open != nullptr; }
  // Closes the open step. True when it changed the map and was kept; the
  // steps that could have been redone are dropped then.
  bool EndStep(const Map& map);

  // Before cell (x, y) of the storage changes. A step remembers each cell
  // once, as it was when first watched.
  void WatchCell(const Map& map, int x, int y);
  // Before any cell of columns x1..x2 and rows y1..y2 changes.
  void WatchCells(const Map& map, int x1, int x2, int y1, int y2);
  void WatchCells(const Map& map, const std::vector<CellPosition>& cells);
  // Before the springs or the platforms change: their slots in use.
  void WatchSprings(const Map& map);
  void WatchPlatforms(const Map& map);
  // Before a flood fill of a tile layer that changes oldValue to newValue: the
  // fill puts the marks of the cells it fills, by storage index, into the
  // vector returned. A fill is a step of its own: an open step is closed
  // first, and the fill's step is closed by the next change or EndStep.
  std::vector<bool>* WatchFill(const Map& map, int layer, uint8_t oldValue, uint8_t newValue);

  // Makes a size typed into its edit the map's, without the resize rules,
  // as a step of its own that the next typed size joins.
  void TypeSize(Map& map, int width, int height);

  bool CanUndo() const { return Position > 0; }
  bool CanRedo() const { return Position < Steps.size(); }
  // Restore the map as it was before or after the step. The open step is
  // closed first. False, with nothing changed, when there is no such step.
  // They leave Saved to the caller (AtSavedState).
  bool Undo(Map& map);
  bool Redo(Map& map);

  // Before the custom texts change: they are not steps, but the saved state
  // remembers them.
  void NoteTextsChange(const Map& map);
  // True when the map is at the step of the last save, with the texts it had.
  bool AtSavedState(const Map& map) const;

  // Forgets every step and the saved position (New, Open, a failed load).
  void Clear();

  std::size_t StepCount() const { return Steps.size(); }
  // What the kept steps take in memory.
  std::size_t Bytes() const { return StepBytes; }

 private:
  void NoteIfSaved(const Map& map);
  void NoteSaved(const Map& map);
  void Push(std::unique_ptr<MapStep> step);

  std::size_t ByteLimit;
  std::deque<std::unique_ptr<MapStep>> Steps;
  // Steps 0..Position-1 are done; the rest can be redone.
  std::size_t Position = 0;
  std::size_t StepBytes = 0;
  std::unique_ptr<MapStep> Open;
  // The position the map was last saved at, and its custom texts then.
  bool SavedKnown = false;
  std::size_t SavedPosition = 0;
  std::vector<std::string> SavedTexts;
};
