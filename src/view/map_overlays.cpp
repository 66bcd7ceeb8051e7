#include "view/map_overlays.h"

#include <QPainter>
#include <algorithm>

#include "model/map.h"
#include "view/pixel_drawing.h"
#include "view/scaled_tiles.h"
#include "view/tile_set.h"
#include "view/view_colours.h"

namespace {

// The outlines of selected cells.
const QColor SelectionOutlineColour(255, 0, 0);

QPoint PixelOf(const SpringPoint& point, const ViewGeometry& geometry) {
  const PixelPosition pixel = SpringPointToPixel(point, geometry);
  return QPoint(pixel.X, pixel.Y);
}

}  // namespace

void DrawSprings(QPainter& painter, const Map& map, const ViewGeometry& geometry) {
  const int springCount = std::clamp(map.SpringCount, 0, SpringCapacity);
  for (int i = 0; i < springCount; ++i) {
    const Spring& spring = map.Springs[static_cast<size_t>(i)];
    const QColor colour = SpringColour(spring.Kind);
    const int pointCount = std::clamp(spring.PointCount, 0, SpringPointCapacity);
    for (int k = 1; k < pointCount; ++k) {
      DrawLine(painter, PixelOf(spring.Points[k - 1], geometry), PixelOf(spring.Points[k], geometry),
               colour, geometry.ViewWidth, geometry.ViewHeight);
    }
  }
}

void DrawSpringInProgress(QPainter& painter, const Map& map, const ViewGeometry& geometry,
                          const EditOverlay& overlay) {
  if (!overlay.SpringInProgress || map.SpringCount < 1 || map.SpringCount > SpringCapacity) return;
  const Spring& spring = map.Springs[static_cast<size_t>(map.SpringCount - 1)];
  DrawLine(painter, PixelOf(overlay.LastSpringPoint, geometry), overlay.PointerPosition, SpringColour(spring.Kind), geometry.ViewWidth,
           geometry.ViewHeight);
}

bool DrawPlatforms(QPainter& painter, ScaledTiles& tiles, const TileSets& sets, const Map& map,
                   const ViewGeometry& geometry, const EditOverlay& overlay) {
  const int zoom = geometry.Zoom;
  const int platformCount = std::clamp(map.PlatformCount, 0, PlatformCapacity);
  for (int i = 0; i < platformCount; ++i) {
    const Platform& platform = map.Platforms[static_cast<size_t>(i)];
    if (platform.Kind > sets.DXPLA.ImageCount()) return false;
    const TileEntry& entry = sets.DXPLA.Entry(platform.Kind);
    // Draws the image bottom-left on the cell's corner and returns its centre.
    const auto place = [&](int column, int row) {
      // The cell's bottom-left corner: the top-left of the cell below.
      const PixelPosition corner = CellTopLeft(geometry, column, row - 1);
      const int x = corner.X;
      const int y = corner.Y - entry.PatternHeight * zoom / 10;
      tiles.DrawAtZoom(painter, sets.DXPLA, platform.Kind, zoom, QPoint(x, y));
      return QPoint(x + entry.PatternWidth * zoom / 20, y + entry.PatternHeight * zoom / 20);
    };
    const PlatformPlacing placing =
        i == platformCount - 1 ? overlay.Placing : PlatformPlacing::None;
    const QPoint start = place(platform.StartX, platform.StartY);
    const QPoint end = placing == PlatformPlacing::ChoosingEnd
                           ? overlay.PointerPosition
                           : place(platform.EndX, platform.EndY);
    DrawLine(painter, start, end, ViewColours::PlatformLine, geometry.ViewWidth,
             geometry.ViewHeight);
    if (placing == PlatformPlacing::ChoosingSwitch) {
      DrawLine(painter, end, overlay.PointerPosition, ViewColours::PlatformLine, geometry.ViewWidth,
               geometry.ViewHeight);
    } else if (HasSwitch(platform.SwitchType)) {
      const PixelPosition switchCentre = CellMiddle(geometry, platform.SwitchX, platform.SwitchY);
      DrawLine(painter, end, QPoint(switchCentre.X, switchCentre.Y), ViewColours::PlatformLine, geometry.ViewWidth,
               geometry.ViewHeight);
    }
  }
  return true;
}

bool DrawBlockOverlays(QPainter& painter, const Map& map, const ViewInputs& inputs,
                       const CellLayerDrawer& drawLayer) {
  if (inputs.ActiveTool != Tool::ToolSelectBlock && inputs.ActiveTool != Tool::ToolPasteBlock)
    return true;
  if (inputs.ActiveTool == Tool::ToolPasteBlock) {
    for (const BlockPreviewCell& preview : inputs.Block.Preview) {
      if (!Map::InStorage(preview.SourceX, preview.SourceY)) continue;
      const MapCell& source = map.Cell(preview.SourceX, preview.SourceY);
      for (int layer = LayerBg; layer <= LayerChar; ++layer) {
        if (!drawLayer(preview.Column, preview.Row, layer, source)) return false;
      }
    }
  }
  for (const BlockOutline& outline : inputs.Block.Outlines) {
    OutlineBox(painter, outline.Left, outline.Top, outline.Left + outline.Size,
               outline.Top + outline.Size, SelectionOutlineColour);
  }
  return true;
}

namespace {

// The cells of a block following the pointer, each drawn over the view's
// background as it would land: empty cells show empty.
bool DrawFloatingBlock(QPainter& painter, const ViewGeometry& geometry, const AreaOverlay& area,
                       const CellLayerDrawer& drawLayer) {
  const Map& block = *area.Floating;
  const int size = geometry.CellSize;
  for (int x = 1; x <= block.Width; ++x) {
    for (int y = 1; y <= block.Height; ++y) {
      const int mapX = area.FloatingAt.X + x - 1;
      const int mapY = area.FloatingAt.Y + y - 1;
      const PixelPosition corner = CellTopLeft(geometry, mapX, mapY);
      if (corner.X + size <= 0 || corner.Y + size <= 0 || corner.X >= geometry.ViewWidth ||
          corner.Y >= geometry.ViewHeight)
        continue;
      FillBox(painter, corner.X, corner.Y, corner.X + size, corner.Y + size,
              ViewColours::Background);
      const MapCell& cell = block.Cell(x, y);
      for (int layer = LayerBg; layer <= LayerChar; ++layer) {
        if (cell.LayerByte(layer) == 0) continue;
        if (!drawLayer(mapX - geometry.CameraX, mapY - geometry.CameraY, layer, cell)) return false;
      }
    }
  }
  return true;
}

// A dashed outline that shows on any colour: black dashes over a white line,
// and, while the area is being chosen, its size in cells above its top-right.
void DrawAreaOutline(QPainter& painter, const ViewGeometry& geometry, const CellArea& area,
                     bool showSize) {
  const PixelPosition topLeft = CellTopLeft(geometry, area.X, area.Y + area.Height - 1);
  const QRect box(topLeft.X, topLeft.Y, area.Width * geometry.CellSize - 1,
                  area.Height * geometry.CellSize - 1);
  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::white, 1, Qt::SolidLine));
  painter.drawRect(box);
  painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
  painter.drawRect(box);
  if (showSize) {
    const QString size = QStringLiteral("%1 \u00d7 %2").arg(area.Width).arg(area.Height);
    const QFontMetrics metrics = painter.fontMetrics();
    QRect label = metrics.boundingRect(size).adjusted(-3, -1, 3, 1);
    label.moveBottomRight(QPoint(box.right(), box.top() - 2));
    if (label.top() < 0) label.moveTop(box.top() + 2);
    painter.fillRect(label, QColor(0, 0, 0, 200));
    painter.setPen(Qt::white);
    painter.drawText(label, Qt::AlignCenter, size);
  }
  painter.restore();
}

}  // namespace

bool DrawAreaOverlay(QPainter& painter, const ViewGeometry& geometry, const ViewInputs& inputs,
                     const CellLayerDrawer& drawLayer) {
  if (inputs.ActiveTool != Tool::ToolSelectArea) return true;
  const AreaOverlay& area = inputs.Area;
  if (area.Floating && !DrawFloatingBlock(painter, geometry, area, drawLayer)) return false;
  if (area.Outline) DrawAreaOutline(painter, geometry, *area.Outline, area.ShowSize);
  return true;
}

void DrawCellMarks(QPainter& painter, const ViewGeometry& geometry, const ViewInputs& inputs) {
  const auto box = [&geometry](CellPosition cell, int inset) {
    const PixelPosition corner = CellTopLeft(geometry, cell.X, cell.Y);
    return QRect(corner.X + inset, corner.Y + inset, geometry.CellSize - 1 - 2 * inset,
                 geometry.CellSize - 1 - 2 * inset);
  };
  painter.save();
  painter.setBrush(Qt::NoBrush);
  if (inputs.PointerCell) {
    painter.setPen(QPen(Qt::white, 1, Qt::SolidLine));
    painter.drawRect(box(*inputs.PointerCell, 0));
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(box(*inputs.PointerCell, 0));
  }
  if (inputs.MarkedCell) {
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(box(*inputs.MarkedCell, 0));
    painter.setPen(QPen(QColor(255, 220, 0), 2));
    painter.drawRect(box(*inputs.MarkedCell, 1));
  }
  painter.restore();
}

bool operator==(const GameRect& a, const GameRect& b) {
  return a.Left == b.Left && a.Bottom == b.Bottom && a.Width == b.Width && a.Height == b.Height &&
         a.TileSize == b.TileSize;
}

QRect GameRectInView(const ViewGeometry& geometry, const GameRect& rect) {
  const int tile = std::max(1, rect.TileSize);
  const auto scale = [&](int pixels) { return pixels * geometry.CellSize / tile; };
  const int left = scale(rect.Left) - geometry.CameraX * geometry.CellSize;
  const int top = geometry.ViewHeight - (scale(rect.Bottom + rect.Height) -
                                         geometry.CameraY * geometry.CellSize);
  return QRect(left, top, scale(rect.Width), scale(rect.Height));
}

void DrawScreenOverlay(QPainter& painter, const ViewGeometry& geometry,
                       const ScreenOverlay& screen) {
  painter.save();
  painter.setBrush(Qt::NoBrush);
  if (screen.First) {
    painter.setPen(QPen(QColor(255, 255, 255, 110), 1, Qt::DashLine));
    painter.drawRect(GameRectInView(geometry, *screen.First).adjusted(0, 0, -1, -1));
  }
  if (screen.Following) {
    const QRect box = GameRectInView(geometry, *screen.Following).adjusted(0, 0, -1, -1);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(box.adjusted(-1, -1, 1, 1));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(box);
  }
  painter.restore();
}

GameRect ScreenAtCell(int x, int y, int width, int height, int tileSize) {
  return {(x - 1) * tileSize, (y - 1) * tileSize, width, height, tileSize};
}

GameRect ScreenAroundCell(int x, int y, int width, int height, int tileSize, int mapWidth,
                          int mapHeight) {
  const auto centred = [tileSize](int cell, int size, int mapCells) {
    const int start = (cell - 1) * tileSize + tileSize / 2 - size / 2;
    return std::clamp(start, 0, std::max(0, mapCells * tileSize - size));
  };
  return {centred(x, width, mapWidth), centred(y, height, mapHeight), width, height, tileSize};
}
