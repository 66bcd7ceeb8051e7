#pragma once

#include "editing/block_text.h"

class Map;

// The desktop's clipboard for blocks of cells: the block's text both in
// the editor's own format, application/x-zubo-cells, and as plain text.
void PutBlockOnClipboard(const Map& block);

// What the clipboard holds: the editor's format when it is there, else its
// plain text, read as a block.
BlockText BlockOnClipboard();
