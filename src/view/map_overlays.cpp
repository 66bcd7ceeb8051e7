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
