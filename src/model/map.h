#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/limits.h"
#include "model/map_cell.h"
#include "model/platform.h"
#include "model/spring.h"

// The one edited level. It is large (the full 256 x 256 grid and the spring
// and platform arrays), so keep it on the heap.
//
// Springs and platforms are counted arrays: entries 0..SpringCount-1 and
// 0..PlatformCount-1 are in use (entry 1 of the level file is index 0).
// Custom text lines are bytes, one per character (Latin-1).
class Map {
 public:
  Map();

  // Cell (x, y) with 1 <= x, y <= GridSize; row 1 is the bottom row.
  MapCell& Cell(int x, int y) { return Cells[Index(x, y)]; }
  const MapCell& Cell(int x, int y) const { return Cells[Index(x, y)]; }

  // True when (x, y) lies in the storage, columns and rows 1..GridSize.
  static bool InStorage(int x, int y) { return x >= 1 && x <= GridSize && y >= 1 && y <= GridSize; }
  // True when (x, y) is one of the cells in use, 1..Width by 1..Height.
  bool InUse(int x, int y) const { return x >= 1 && x <= Width && y >= 1 && y <= Height; }

  bool HasPrimaryChar() const { return PrimaryCharX != -1; }
  // True when the primary position is a cell in use that holds a Zubo.
  bool PrimaryCharIsValid() const;

  // The custom text lines that count: an empty last line does not.
  int CustomTextLineCount() const;

  // Grid storage, column-major: all rows of column 1, then column 2, ...
  std::array<MapCell, GridSize * GridSize> Cells{};
  int Width = DefaultMapSize;
  int Height = DefaultMapSize;
  int Background = 0;
  int32_t PrimaryCharX = -1;
  int32_t PrimaryCharY = 0;
  std::array<Spring, SpringCapacity> Springs{};
  int32_t SpringCount = 0;
  std::array<Platform, PlatformCapacity> Platforms{};
  int32_t PlatformCount = 0;
  std::vector<std::string> CustomTexts;
  bool Saved = true;

 private:
  static int Index(int x, int y);
};

// The char kind of the hero, Zubo.
constexpr uint8_t ZuboCharKind = 1;
// The char kind that the level file lists with Zubo.
constexpr uint8_t LeadCharKind = 5;

// The char kinds the level file counts and lists apart from all others.
inline bool IsLeadCharKind(int charKind) {
  return charKind == ZuboCharKind || charKind == LeadCharKind;
}
// The midground tile that ends the level.
constexpr uint8_t EndMgTile = 14;

// Makes these lines the map's custom texts, every one of them counting: an
// empty last line is followed by the empty line that does not count.
void SetCustomTextLines(Map& map, std::vector<std::string> lines);

// Empties the map: no primary char, every cell zero, no springs, platforms
// or custom texts, and Saved. Width, Height and Background are kept, and so
// are the records of the spring and platform arrays past their counts.
void NewMap(Map& map);
