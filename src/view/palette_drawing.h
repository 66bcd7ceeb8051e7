#pragma once

class QPainter;
class ScaledTiles;
class TileSet;

// Draws the palette of `set` in the upper right corner of a surface
// `viewWidth` pixels wide, framing the square of entry `selected`.
void DrawPalette(QPainter& painter, ScaledTiles& tiles, const TileSet& set, int cellSize,
                 int viewWidth, int selected);
