#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/platform.h"
#include "model/spring.h"

// One list entry of a level file: a cell and the value stored there (a char
// kind, an object kind or a text id).
struct LevelEntry {
  uint8_t X = 0;
  uint8_t Y = 0;
  uint8_t Value = 0;
};

bool operator==(const LevelEntry& a, const LevelEntry& b);

struct LevelSpring {
  int Kind = 1;
  std::vector<SpringPoint> Points;
};

// The content of a level file in file order, between the bytes and the Map.
// The writer collects it from a Map; the reader decodes it from bytes and
// then stores it into a Map.
struct LevelRecord {
  int Width = 0;
  int Height = 0;
  int Background = 0;
  std::vector<LevelEntry> Chars;  // as written: primary, other Zubos, kind 5, the rest
  std::vector<LevelEntry> Objects;
  std::vector<Platform> Platforms;  // the switch pair counts only when HasSwitch
  std::vector<LevelSpring> Springs;
  std::vector<uint8_t> Tiles;  // BgTile, MgTile, FgTile of every cell in scan order
  std::vector<LevelEntry> TextMarkers;
  std::vector<std::string> CustomTexts;  // Latin-1 bytes
};
