#include "levelfile/level_record.h"

bool operator==(const LevelEntry& a, const LevelEntry& b) {
  return a.X == b.X && a.Y == b.Y && a.Value == b.Value;
}
