#pragma once

#include <functional>

#include "view/view_inputs.h"

class Map;
class QPainter;
class QRect;
class ScaledTiles;
struct MapCell;
struct TileSets;

// Draws every spring as its polyline in the colour of its kind.
void DrawSprings(QPainter& painter, const Map& map, const ViewGeometry& geometry);

// The line from the newest point of the spring being drawn to the pointer, in
// the colour of that spring's kind.
void DrawSpringInProgress(QPainter& painter, const Map& map, const ViewGeometry& geometry,
                          const EditOverlay& overlay);

// Draws every platform: its image at the start and end cells, the path
// between the images' centres and, for switch types with a switch, the line
// from the end image's centre to the switch cell's centre. The last platform
// is drawn as overlay.Placing says. False when a platform's kind has no image.
bool DrawPlatforms(QPainter& painter, ScaledTiles& tiles, const TileSets& sets, const Map& map,
                   const ViewGeometry& geometry, const EditOverlay& overlay);

// Draws one layer 0..4 of a cell's contents at a screen cell; false when the
// value has no entry in its tile set.
using CellLayerDrawer = std::function<bool(int c, int r, int layer, const MapCell& cell)>;

// While "Select Tiles" or "Copy Tiles" is the tool: the paste preview (all
// five drawn layers of each cell, whatever the show switches say), then the
// red outlines. Otherwise nothing. False when a previewed value has no entry.
bool DrawBlockOverlays(QPainter& painter, const Map& map, const ViewInputs& inputs,
                       const CellLayerDrawer& drawLayer);

// While the selection tool is the tool: the block following the pointer
// (every cell as it would land) and the dashed outline of the selection
// with, while it is dragged, its size. False when a value has no entry.
bool DrawAreaOverlay(QPainter& painter, const ViewGeometry& geometry, const ViewInputs& inputs,
                     const CellLayerDrawer& drawLayer);

// The outline of the cell under the pointer, and the mark of the cell a
// chosen problem is at.
void DrawCellMarks(QPainter& painter, const ViewGeometry& geometry, const ViewInputs& inputs);

// Where a rectangle of the game's pixels lies on the surface.
QRect GameRectInView(const ViewGeometry& geometry, const GameRect& rect);

// The phone's screen rectangle that follows the pointer (white over black),
// and the fainter one of the first screen.
void DrawScreenOverlay(QPainter& painter, const ViewGeometry& geometry,
                       const ScreenOverlay& screen);

// The phone's screen of width x height game pixels with its bottom-left at
// the bottom-left corner of cell (x, y).
GameRect ScreenAtCell(int x, int y, int width, int height, int tileSize);
// The same rectangle centred on cell (x, y), kept inside a map of
// mapWidth x mapHeight cells where it fits.
GameRect ScreenAroundCell(int x, int y, int width, int height, int tileSize, int mapWidth,
                          int mapHeight);
