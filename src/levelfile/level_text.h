#pragma once

#include <string>

#include "levelfile/level_record.h"

// A level as stable, line-oriented text for reading changes in a version
// control diff: a header, one line per char, object, text marker, spring,
// platform and custom text line, and each tile layer as one line per map
// row, top row first, so that a changed cell changes one line. Chars keep
// their file order (the first is the primary char); springs and platforms
// are listed in order of their position, so that a deleted entry (whose
// slot the last one takes) changes one line. The same level always gives
// the same text.
std::string LevelToText(const LevelRecord& record);

// The tile of a layer (0 background, 1 midground, 2 foreground) at map
// cell (x, y) of the record, both from 1; 0 outside the record's map.
int RecordTile(const LevelRecord& record, int layer, int x, int y);

// A cell as the text form and the diff write it: "column,row".
std::string CellText(int x, int y);

// The tile layers' short names, by layer: "bg", "mg", "fg".
extern const char* const TileLayerNames[3];

// The background's name ("sewers"), or nothing for a number that has none.
std::string BackgroundName(int background);

// A custom text line for a person: Latin-1 as UTF-8 in double quotes,
// with quotes, backslashes and control characters escaped.
std::string QuotedText(const std::string& latin1);

// "3,4 corner 1; 3,9 corner 2" and "kind 2 speed 3 switch type 1 start 4,5
// end 10,5 switch 6,7": the fields of a spring's points and of a platform.
std::string SpringText(const LevelSpring& spring);
std::string PlatformText(const Platform& platform);
