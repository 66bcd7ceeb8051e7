#include "view/map_view.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <array>

#include "model/map.h"
#include "view/map_overlays.h"
#include "view/palette.h"
#include "view/palette_drawing.h"
#include "view/pixel_drawing.h"
#include "view/tile_set.h"
#include "view/view_colours.h"

namespace {

constexpr int UnscaledZoom = 10;
constexpr int LabelPointSize = 11;

// The screen positions a frame visits: columns FirstColumn..LastColumn, and
// rows LastRow down to FirstRow, leaving out map columns and rows outside 1..GridSize.
struct Positions {
  int FirstColumn;
  int LastColumn;
  int FirstRow;
  int LastRow;
};

Positions VisitedPositions(const ViewGeometry& geometry) {
  Positions positions;
  positions.FirstColumn = std::max(1, 1 - geometry.CameraX);
  positions.LastColumn =
      std::min(geometry.ViewWidth / geometry.CellSize + 1, GridSize - geometry.CameraX);
  positions.FirstRow = std::max(1, 1 - geometry.CameraY);
  positions.LastRow =
      std::min(geometry.ViewHeight / geometry.CellSize + 1, GridSize - geometry.CameraY);
  return positions;
}

// Calls visit(c, r, cell) for every position, top row first and left to right
// within a row; stops at the first position for which it returns false.
template <typename Visit>
bool Sweep(const Positions& positions, const Map& map, const ViewGeometry& geometry, Visit visit) {
  if (positions.FirstColumn > positions.LastColumn) return true;
  for (int r = positions.LastRow; r >= positions.FirstRow; --r) {
    // The storage is column-major: the next column's cell lies GridSize cells on.
    const MapCell* cell = &map.Cell(geometry.CameraX + positions.FirstColumn, geometry.CameraY + r);
    for (int c = positions.FirstColumn; c <= positions.LastColumn; ++c, cell += GridSize) {
      if (!visit(c, r, *cell)) return false;
    }
  }
  return true;
}

// The grid over the complete cells of the map: two adjacent gray lines between
// neighbouring cells.
void DrawGrid(QPainter& painter, const Map& map, const ViewGeometry& geometry) {
  const int cellSize = geometry.CellSize;
  const int columns = std::min(map.Width - geometry.CameraX, geometry.ViewWidth / cellSize);
  const int rows = std::min(map.Height - geometry.CameraY, geometry.ViewHeight / cellSize);
  if (columns <= 0 || rows <= 0) return;
  const int top = geometry.ViewHeight - rows * cellSize;
  const int right = columns * cellSize;
  for (int i = 0; i < columns; ++i) {
    for (const int x : {i * cellSize + 1, (i + 1) * cellSize}) {
      FillBox(painter, x, top, x + 1, geometry.ViewHeight, ViewColours::Grid);
    }
  }
  for (int j = 0; j < rows; ++j) {
    for (const int y :
         {geometry.ViewHeight - j * cellSize - 1, geometry.ViewHeight - (j + 1) * cellSize}) {
      FillBox(painter, 0, y, right, y + 1, ViewColours::Grid);
    }
  }
}

// "T1" to "T255", made once.
const QString& LabelText(int textId) {
  static const std::array<QString, 256> texts = [] {
    std::array<QString, 256> made;
    for (size_t i = 1; i < made.size(); ++i) made[i] = QStringLiteral("T%1").arg(i);
    return made;
  }();
  return texts[static_cast<size_t>(textId)];
}

// The geometry with a usable cell size.
ViewGeometry Usable(const ViewGeometry& geometry) {
  ViewGeometry usable = geometry;
  usable.CellSize = std::max(1, geometry.CellSize);
  return usable;
}

}  // namespace

MapView::MapView(const TileSets& sets) : Sets(sets), Tiles(sets) {
  LabelFont.setBold(true);
  LabelFont.setStyleStrategy(QFont::NoAntialias);
}

void MapView::BeginCells(QPainter& painter, int zoom) {
  CellTarget = PixelTarget::Of(painter);
  for (int layer = LayerBg; layer <= LayerChar; ++layer) {
    const TileSet& set = Sets.ForLayer(layer);
    Shelves[static_cast<size_t>(layer)] = &Tiles.SpritesAtZoom(set, zoom);
    ImageCounts[static_cast<size_t>(layer)] = set.ImageCount();
  }
}

void MapView::DrawEntry(QPainter& painter, SpriteShelf& sprites, const TileSet& set, int index,
                        int left, int bottom, int zoom) {
  const TileEntry& entry = set.Entry(index);
  const int width = entry.PatternWidth * zoom / UnscaledZoom;
  const int height = entry.PatternHeight * zoom / UnscaledZoom;
  if (!CellTarget.IsNull() && (zoom == UnscaledZoom || ScaledTiles::Prepares(width, height))) {
    const Sprite& sprite = sprites.At(index);
    sprite.Draw(CellTarget, left, bottom - sprite.Height());
    return;
  }
  Tiles.DrawAtZoom(painter, set, index, zoom, QPoint(left, bottom - height));
}

bool MapView::DrawLayer(QPainter& painter, const Map& map, const ViewGeometry& geometry, int c,
                        int r, int layer, const MapCell& cell) {
  const int left = (c - 1) * geometry.CellSize;
  const int bottom = geometry.ViewHeight - (r - 1) * geometry.CellSize;
  const int value = cell.LayerByte(layer);
  if (value != 0) {
    if (value > ImageCounts[static_cast<size_t>(layer)]) return false;
    DrawEntry(painter, *Shelves[static_cast<size_t>(layer)], Sets.ForLayer(layer), value, left,
              bottom, geometry.Zoom);
  }
  if (layer == LayerObject && map.PrimaryCharX == geometry.CameraX + c &&
      map.PrimaryCharY == geometry.CameraY + r) {
    // The marker is always scaled to its drawn size; at zoom 10 that is its own size.
    DrawEntry(painter, *Shelves[LayerChar], Sets.DXCH, 0, left, bottom, geometry.Zoom);
  }
  return true;
}

bool MapView::DrawFirstForeground(QPainter& painter, const Map& map, const ViewGeometry& geometry,
                                  int c, int r, const MapCell& cell) {
  const int value = cell.FgTile;
  if (value == 0) return true;
  if (value > ImageCounts[LayerFg]) return false;
  // An image without partly transparent pixels, drawn again later at the same
  // place, gives every pixel it covers its own colour again. (The painter's
  // path draws it twice, as the plain drawing does.)
  if (!CellTarget.IsNull() && Shelves[LayerFg]->At(value).IsBinary()) return true;
  return DrawLayer(painter, map, geometry, c, r, LayerFg, cell);
}

void MapView::DrawLabel(QPainter& painter, const ViewGeometry& geometry, int c, int r, int textId,
                        int ascent) {
  painter.drawText(
      QPoint((c - 1) * geometry.CellSize + 2, geometry.ViewHeight - r * geometry.CellSize + ascent),
      LabelText(textId));
}

void MapView::DrawCellLayer(QImage& buffer, const Map& map, const ViewInputs& inputs, int c, int r,
                            int layer, const MapCell& cell) {
  if (buffer.isNull()) return;
  QPainter painter(&buffer);
  const ViewGeometry geometry = Usable(inputs.Geometry);
  BeginCells(painter, geometry.Zoom);
  DrawLayer(painter, map, geometry, c, r, layer, cell);
}

bool MapView::RedrawView(QImage& buffer, const Map& map, const ViewInputs& inputs) {
  if (buffer.isNull()) return true;
  const ViewGeometry geometry = Usable(inputs.Geometry);
  const ShowSwitches& show = inputs.Show;
  QPainter painter(&buffer);
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  BeginCells(painter, geometry.Zoom);
  FillBox(painter, 0, 0, geometry.ViewWidth, geometry.ViewHeight, ViewColours::Background);
  DrawGrid(painter, map, geometry);

  const Positions positions = VisitedPositions(geometry);
  const auto drawLayer = [&](int c, int r, int layer, const MapCell& cell) {
    return DrawLayer(painter, map, geometry, c, r, layer, cell);
  };
  const bool tilesDrawn = Sweep(positions, map, geometry, [&](int c, int r, const MapCell& cell) {
    return (!show.BG || drawLayer(c, r, LayerBg, cell)) &&
           (!show.MG || drawLayer(c, r, LayerMg, cell)) &&
           (!show.FG || DrawFirstForeground(painter, map, geometry, c, r, cell));
  });
  if (!tilesDrawn) return false;

  if (show.Objects) {
    for (const int layer : {LayerObject, LayerChar}) {
      const bool drawn = Sweep(positions, map, geometry, [&](int c, int r, const MapCell& cell) {
        return drawLayer(c, r, layer, cell);
      });
      if (!drawn) return false;
    }
  }

  int ascent = -1;
  const bool foregroundDrawn =
      Sweep(positions, map, geometry, [&](int c, int r, const MapCell& cell) {
        if (show.FG && !drawLayer(c, r, LayerFg, cell)) return false;
        if (cell.TextId == 0) return true;
        if (ascent < 0) {
          LabelFont.setPointSize(LabelPointSize);
          painter.setFont(LabelFont);
          painter.setPen(ViewColours::Label);
          ascent = painter.fontMetrics().ascent();
        }
        DrawLabel(painter, geometry, c, r, cell.TextId, ascent);
        return true;
      });
  if (!foregroundDrawn) return false;

  // The paste preview and the outlines of the selected cells, while a block tool is active.
  if (!DrawBlockOverlays(painter, map, inputs, drawLayer)) return false;
  DrawSprings(painter, map, geometry);
  if (inputs.ActiveTool == Tool::ToolSprings)
    DrawSpringInProgress(painter, map, geometry, inputs.Overlay);
  if (show.Platforms && !DrawPlatforms(painter, Tiles, Sets, map, geometry, inputs.Overlay))
    return false;
  if (!DrawAreaOverlay(painter, geometry, inputs, drawLayer)) return false;
  if (inputs.ActiveTool == Tool::ToolSelectArea && inputs.Area.Floating) {
    // The block's springs and platforms where they would land: its cell
    // (1, 1) is drawn at the map cell FloatingAt.
    ViewGeometry floating = geometry;
    floating.CameraX -= inputs.Area.FloatingAt.X - 1;
    floating.CameraY -= inputs.Area.FloatingAt.Y - 1;
    DrawSprings(painter, *inputs.Area.Floating, floating);
    if (show.Platforms &&
        !DrawPlatforms(painter, Tiles, Sets, *inputs.Area.Floating, floating, EditOverlay{}))
      return false;
  }
  DrawCellMarks(painter, geometry, inputs);
  DrawScreenOverlay(painter, geometry, inputs.Screen);

  if (inputs.ActiveTool == Tool::ToolPlaceTile || inputs.ActiveTool == Tool::ToolPlatforms) {
    const TileSet* set = PaletteTileSet(Sets, inputs.ActiveTool, inputs.ActiveLayer);
    if (set != nullptr) {
      DrawPalette(painter, Tiles, *set, geometry.CellSize, geometry.ViewWidth,
                  inputs.SelectedPosition);
    }
  }
  return true;
}

void MapView::RefreshCell(QImage& buffer, const Map& map, const ViewInputs& inputs, int x, int y) {
  if (buffer.isNull() || !Map::InStorage(x, y)) return;
  const ViewGeometry geometry = Usable(inputs.Geometry);
  const ShowSwitches& show = inputs.Show;
  const int c = x - geometry.CameraX;
  const int r = y - geometry.CameraY;
  const MapCell& cell = map.Cell(x, y);
  QPainter painter(&buffer);
  FillBox(painter, (c - 1) * geometry.CellSize, geometry.ViewHeight - r * geometry.CellSize,
          c * geometry.CellSize, geometry.ViewHeight - (r - 1) * geometry.CellSize,
          ViewColours::Background);
  BeginCells(painter, geometry.Zoom);
  // No guard here: a value without an entry is skipped, and the next full
  // redraw reports it.
  const bool shown[] = {show.BG, show.MG, show.FG, show.Objects, show.Objects};
  for (int layer = LayerBg; layer <= LayerChar; ++layer) {
    if (shown[layer]) DrawLayer(painter, map, geometry, c, r, layer, cell);
  }
  if (cell.TextId != 0) {
    painter.setFont(LabelFont);
    painter.setPen(ViewColours::RefreshedLabel);
    DrawLabel(painter, geometry, c, r, cell.TextId, painter.fontMetrics().ascent());
  }
}
