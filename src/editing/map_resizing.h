#pragma once

#include "editing/map_edit.h"

// Which way a size up-down moves: None when the proposed value lies outside
// 1..255 (an arrow click at a limit) or equals the current one.
enum class ResizeDirection {
  None,
  Up,
  Down,
};

ResizeDirection ResizeDirectionFor(int oldValue, int proposed);

// The map's answer to a step of the width up-down from oldWidth to the
// proposed newWidth. With riseLeft the
// map grows or shrinks on its left side: every cell of rows 1..Height moves
// one column right (growing, column 1 becomes empty) or left (shrinking,
// column 1 is lost), and so do the platforms, the spring points and the
// primary char. Without it a shrink clears the columns beyond the new width.
// For a valid value, Width becomes newWidth. Items that end up outside the
// map are kept where they are.
void UDWidthChangingEx(MapEdit edit, int oldWidth, int newWidth, bool riseLeft);

// The same for the height, with rows in place of columns: riseDown grows or
// shrinks the map at its bottom, moving everything in columns 1..Width.
void UDHeightChangingEx(MapEdit edit, int oldHeight, int newHeight, bool riseDown);
