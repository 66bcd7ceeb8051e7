#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>

#include "model/editor_state.h"
#include "model/spring.h"
#include "view/scaled_tiles.h"
#include "view/view_geometry.h"

class Map;
class QPainter;
struct MapCell;
struct TileSets;

// Everything a frame is drawn from besides the map.
struct ViewInputs {
  ViewGeometry Geometry;
  ShowSwitches Show;
  Tool ActiveTool = Tool::ToolPlaceTile;
  int ActiveLayer = 0;
  int SelectedPosition = 1;  // the position of the "Selected" up-down, framed in the palette
};

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

  static QPoint SpringPointToPixel(const SpringPoint& point, const ViewGeometry& geometry);

 private:
  // Draws a layer of a cell; false when its value has no entry in the tile set.
  bool DrawLayer(QPainter& painter, const Map& map, const ViewGeometry& geometry, int c, int r,
                 int layer, const MapCell& cell);
  void DrawEntry(QPainter& painter, const TileSet& set, int index, int left, int bottom, int zoom);
  void DrawLabel(QPainter& painter, const ViewGeometry& geometry, int c, int r, int textId,
                 int ascent);

  const TileSets& Sets;
  ScaledTiles Tiles;
  // The text font keeps the size the last full redraw gave it.
  QFont LabelFont;
};
