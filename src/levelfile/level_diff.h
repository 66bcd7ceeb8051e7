#pragma once

#include <array>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "levelfile/level_record.h"

// What changed between two levels, as a reviewer reads it.

// A rectangle of cells, both corners included.
struct CellBox {
  int Left = 0;
  int Bottom = 0;
  int Right = 0;
  int Top = 0;
};

struct LayerChange {
  int Cells = 0;
  // The bounding boxes of the groups of changed cells that touch (also at
  // a corner), in the order of their first cell column by column.
  std::vector<CellBox> Areas;
};

// A char, object or text marker at a cell; 0 on a side where none is.
struct EntryChange {
  int X = 0;
  int Y = 0;
  int Old = 0;
  int New = 0;
};

enum class ItemChangeKind { Added, Removed, Moved, Changed };

// A spring or platform, matched by content rather than by slot: equal items
// on both sides are the same item; a leftover pair of the same kind counts
// as moved when one is the other shifted, as changed when they share their
// first point (a spring) or start (a platform); anything else is added or
// removed.
template <typename Item>
struct ItemChange {
  ItemChangeKind Kind = ItemChangeKind::Added;
  std::optional<Item> Old;
  std::optional<Item> New;
};

struct TextLineChange {
  int Line = 0;
  std::optional<std::string> Old;
  std::optional<std::string> New;
};

struct LevelDiff {
  int OldWidth = 0, OldHeight = 0, NewWidth = 0, NewHeight = 0;
  int OldBackground = 0, NewBackground = 0;
  // The primary char's cell, or none.
  std::optional<std::array<int, 2>> OldPrimary, NewPrimary;
  std::array<LayerChange, 3> Layers;
  std::vector<EntryChange> Chars, Objects, TextMarkers;
  std::vector<ItemChange<LevelSpring>> Springs;
  std::vector<ItemChange<Platform>> Platforms;
  std::vector<TextLineChange> CustomTexts;

  bool Same() const;
};

LevelDiff DiffLevels(const LevelRecord& oldLevel, const LevelRecord& newLevel);

// One line per change; nothing when the levels are the same.
std::string DiffText(const LevelDiff& diff);
nlohmann::ordered_json DiffJson(const LevelDiff& diff);

// The cells where the levels differ, over the larger of their sizes: a tile
// of any layer, a char, an object anchor or a text marker, and the points,
// starts, ends and switches of the springs and platforms that changed,
// and the old and new primary char when it moved.
// Column by column from row 1, each column as high as the taller map.
std::vector<bool> DifferingCells(const LevelRecord& oldLevel, const LevelRecord& newLevel,
                                 const LevelDiff& diff);
