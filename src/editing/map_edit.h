#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/limits.h"
#include "model/platform.h"
#include "model/spring.h"

class Map;
class MapHistory;
struct MapCell;

// The counted spring or platform list of the map, handed out for a change.
template <typename Entry, std::size_t Capacity>
struct MapList {
  std::array<Entry, Capacity>& Slots;
  int32_t& Count;
};

using SpringList = MapList<Spring, SpringCapacity>;
using PlatformList = MapList<Platform, PlatformCapacity>;

// A change of a document's map: the only way to write into it. Every part
// it hands out for writing is first recorded, as it is then, in the
// document's open step (a step is opened when none is), so that whatever
// an edit does is undone and redone without code of its own. Reading goes
// through Read().
class MapEdit {
 public:
  const Map& Read() const { return *Target; }

  // Cell (x, y) of the storage, 1..GridSize each way.
  MapCell& Cell(int x, int y);
  // The lists: their slots in use and their counts.
  SpringList Springs();
  PlatformList Platforms();

  void SetPrimaryChar(int32_t x, int32_t y);
  // No primary char; its row stays as it was.
  void ClearPrimaryChar();
  void SetWidth(int width);
  void SetHeight(int height);
  void SetBackground(int background);

  // Sets one tile layer of the cells marked by storage index ((x - 1) *
  // GridSize + y - 1), which all hold oldValue, to newValue: a flood fill,
  // recorded as its marks. A fill is a step of its own. Returns the number
  // of cells set.
  int FillLayer(int layer, uint8_t oldValue, uint8_t newValue, std::vector<bool> marks);

 private:
  friend class MapDocument;
  MapEdit(Map& map, MapHistory& history) : Target(&map), History(&history) {}

  Map* Target;
  MapHistory* History;
};
