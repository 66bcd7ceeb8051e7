#include "view/palette_drawing.h"

#include <QPainter>

#include "view/palette.h"
#include "view/pixel_drawing.h"
#include "view/scaled_tiles.h"
#include "view/tile_set.h"
#include "view/view_colours.h"

void DrawPalette(QPainter& painter, ScaledTiles& tiles, const TileSet& set, int cellSize,
                 int viewWidth, int selected) {
  const int count = set.ImageCount();
  const PaletteGeometry palette = PaletteGeometryFor(count, cellSize, viewWidth);
  FillBox(painter, palette.Left, 1, viewWidth, palette.Height + 3, ViewColours::PaletteFill);
  OutlineBox(painter, palette.Left, 1, viewWidth, palette.Height + 3, ViewColours::PaletteFrame);
  FillBox(painter, palette.Left + 1, 2, viewWidth - 1, palette.Height + 2,
          ViewColours::PaletteFill);

  // Squares off the surface are neither prepared nor drawn.
  const int surfaceHeight = painter.device()->height();
  for (int i = 1; i <= count; ++i) {
    const int x = palette.Left + 1 + ((i - 1) % 4) * cellSize;
    const int y = ((i - 1) / 4) * cellSize + 2;
    if (y >= surfaceHeight) break;
    if (x + cellSize > 0) tiles.DrawInSquare(painter, set, i, cellSize, QPoint(x, y));
    if (i == selected) {
      for (int inset = 0; inset < 3; ++inset) {
        OutlineBox(painter, x + inset, y + inset, x + cellSize - inset, y + cellSize - inset,
                   ViewColours::SelectedEntry);
      }
    }
  }
}
