#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "levelfile/level_record.h"
#include "scratch_folder.h"
#include "model/map.h"

// Shared pieces of the level file tests: a map that uses every part of the
// format and record comparison.

// A 9 x 7 map with chars of every group (the primary one a second Zubo),
// objects, platforms with and without a switch, springs, tiles, text markers
// and custom texts with a Latin-1 character and an empty middle line.
std::unique_ptr<Map> MakeRichMap();

// An empty map of the given size, as NewMap leaves it.
std::unique_ptr<Map> MakeEmptyMap(int width, int height);

// Equal as the level file sees them: a platform's switch pair counts only
// when its switch type has a switch.
::testing::AssertionResult SameRecord(const LevelRecord& expected, const LevelRecord& actual);
