#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "view/view_geometry.h"

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

// The undo history of a document's map: a list of steps, each holding what
// one editing action changed (cells by storage index, spring and platform
// records by slot, the size, background, primary char and list counts), never
// a copy of the whole map.
//
// A step is opened, filled by the document's edits (MapEdit records the
// before-state of each part it hands out) and closed; closing keeps only
// what really changed and drops a step that changed nothing. Undo and Redo
// restore the map exactly as it was before and after a step.
//
// The history also knows the position the map was last saved at: a map
// marked Saved when a step opens, or before an undo, a redo or a change
// that is no step (the custom texts), is at the saved position.
class MapHistory {
 public:
  // The history keeps the newest steps within this many bytes: at least a
  // hundred of the largest steps a 255 x 255 map can make.
  static constexpr std::size_t DefaultByteLimit = 64'000'000;

  explicit MapHistory(std::size_t byteLimit = DefaultByteLimit);
  ~MapHistory();
  MapHistory(const MapHistory&) = delete;
  MapHistory& operator=(const MapHistory&) = delete;

  // Opens a step with this name unless one is open.
  void BeginStep(const Map& map, const char* name);
  bool StepOpen() const { return Open != nullptr; }
  // Closes the open step. True when it changed the map and was kept; the
  // steps that could have been redone are dropped then.
  bool EndStep(const Map& map);

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

  // Before a change that is no step (the custom texts, Saved cleared): the
  // saved state remembers the texts.
  void NoteChange(const Map& map);
  // True when the map is at the step of the last save, with the texts it had.
  bool AtSavedState(const Map& map) const;

  // Forgets every step and the saved position (New, Open, a failed load).
  void Clear();

  std::size_t StepCount() const { return Steps.size(); }
  // The names of the steps that Undo and Redo would take; empty when none.
  std::string UndoName() const;
  std::string RedoName() const;
  // What the kept steps take in memory.
  std::size_t Bytes() const { return StepBytes; }

 private:
  friend class MapEdit;

  // Before a change of the values a step compares whole (size, background,
  // primary char, counts): an open step.
  void Watch(const Map& map);
  // Before cell (x, y) of the storage changes. A step remembers each cell
  // once, as it was when first watched.
  void WatchCell(const Map& map, int x, int y);
  // Before the springs or the platforms change: their slots in use.
  void WatchSprings(const Map& map);
  void WatchPlatforms(const Map& map);
  // A flood fill of a tile layer that changes oldValue to newValue in the
  // cells marked by storage index: a step of its own (an open step is
  // closed first; the next change or EndStep closes the fill's). Returns the
  // marks as kept.
  const std::vector<bool>& WatchFill(const Map& map, int layer, uint8_t oldValue,
                                     uint8_t newValue, std::vector<bool> marks);

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
