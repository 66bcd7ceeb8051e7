#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <array>

#include "model/map_cell.h"
#include "view/scaled_tiles.h"
#include "view/view_inputs.h"

class Map;
class QPainter;
struct MapCell;
struct TileSets;

// Draws the map into a back buffer of ViewWidth x ViewHeight pixels
// (Format_ARGB32_Premultiplied). The view keeps nothing between frames but
// the images it has prepared for the current cell size.
class MapView {
 public:
  explicit MapView(const TileSets& sets);

  // The full redraw. Returns false, with the buffer in an unspecified state,
  // when a cell or platform refers to an entry its tile set does not have
  // (the caller then recovers from a corrupted map and shows nothing).
  bool RedrawView(QImage& buffer, const Map& map, const ViewInputs& inputs);

  // Repaints map cell (x, y) only; no guard: an entry that does not exist is
  // skipped and left for the next full redraw to report.
  void RefreshCell(QImage& buffer, const Map& map, const ViewInputs& inputs, int x, int y);

  // Draws one layer 0..4 of a cell's contents at screen column c and row r.
  void DrawCellLayer(QImage& buffer, const Map& map, const ViewInputs& inputs, int c, int r,
                     int layer, const MapCell& cell);

 private:
  // Draws a layer of a cell; false when its value has no entry in the tile set.
  bool DrawLayer(QPainter& painter, const Map& map, const ViewGeometry& geometry, int c, int r,
                 int layer, const MapCell& cell);
  void DrawEntry(QPainter& painter, SpriteShelf& sprites, const TileSet& set, int index, int left,
                 int bottom, int zoom);
  // The tile pass's foreground: checked like any layer, but drawn only when
  // the foreground pass's second drawing at the same place would not cover it.
  bool DrawFirstForeground(QPainter& painter, const Map& map, const ViewGeometry& geometry, int c,
                           int r, const MapCell& cell);
  // Looks up, once per drawing call, where cells are drawn and the sprites
  // of the layers' sets at the zoom.
  void BeginCells(QPainter& painter, int zoom);
  void DrawLabel(QPainter& painter, const ViewGeometry& geometry, int c, int r, int textId,
                 int ascent);

  const TileSets& Sets;
  ScaledTiles Tiles;
  // The painter's pixels, drawn on by hand; null when the painter must draw.
  PixelTarget CellTarget;
  std::array<SpriteShelf*, LayerChar + 1> Shelves{};
  std::array<int, LayerChar + 1> ImageCounts{};
  // The text font keeps the size the last full redraw gave it.
  QFont LabelFont;
};
