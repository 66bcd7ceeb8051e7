#pragma once

#include <memory>
#include <string>
#include <variant>

class Map;

// A block of cells (see CopyArea) as text: the JSON object zubo-level
// uses for a level, with the block's size as "width" and "height" and its
// "chars", "objects", "texts", "platforms", "springs" and "tiles", marked
// by "zuboCells": 1. The same text goes on the clipboard in the editor's
// own format and as plain text, so a block can be kept in a text file and
// pasted back.
std::string BlockToText(const Map& block);

// What a text holds: no block at all (not JSON, or JSON without the mark),
// a block, or a block that cannot be read, with why.
struct NoBlock {};
struct BadBlock {
  std::string Why;
};
using BlockText = std::variant<NoBlock, std::unique_ptr<Map>, BadBlock>;

BlockText BlockFromText(const std::string& text);
