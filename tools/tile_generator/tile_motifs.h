#pragma once

#include <QColor>

#include "pixel_canvas.h"

// Patterns shared by several tile sets. Each fills or draws over the whole
// 16 x 16 cell at (x, y) of the canvas and tiles seamlessly with itself.

// Running-bond bricks, 8 x 4 pixels, each brick a little different.
void Bricks(PixelCanvas& canvas, int x, int y, QColor brick, QColor mortar, int seed);
// Large dressed stones: one long stone over two short ones.
void Stones(PixelCanvas& canvas, int x, int y, QColor stone, QColor mortar, int seed);
// Packed earth with scattered pebbles.
void Earth(PixelCanvas& canvas, int x, int y, QColor earth, int seed);
// Vertical boards.
void Planks(PixelCanvas& canvas, int x, int y, QColor wood, int seed);
// A steel plate with rivets in its corners.
void MetalPlate(PixelCanvas& canvas, int x, int y, QColor metal, int seed);
// A small square grid of tiles.
void CeramicTiles(PixelCanvas& canvas, int x, int y, QColor glaze, int seed);
// A dense mass of leaves.
void Leaves(PixelCanvas& canvas, int x, int y, QColor leaf, int seed);

// Round pipe pieces, 8 pixels thick, centred in the cell. A horizontal run
// covers columns x0..x1 of the cell, a vertical one rows y0..y1.
void PipeAcross(PixelCanvas& canvas, int x, int y, int x0, int x1, QColor metal);
void PipeDown(PixelCanvas& canvas, int x, int y, int y0, int y1, QColor metal);
// A pipe joint ring (flange) on a horizontal or vertical run.
void FlangeAcross(PixelCanvas& canvas, int x, int y, int column, QColor metal);
void FlangeDown(PixelCanvas& canvas, int x, int y, int row, QColor metal);

// Cracks running down from the top of the cell.
void Cracks(PixelCanvas& canvas, int x, int y, QColor crack, int seed);
// Green moss creeping over the given rows of the cell.
void Moss(PixelCanvas& canvas, int x, int y, int fromRow, int toRow, QColor moss, int seed);
