#include "map_view_fixture.h"

#include "view/view_geometry.h"

MapViewTest::MapViewTest() {
  Inputs.Geometry.ViewWidth = Width;
  Inputs.Geometry.ViewHeight = Height;
  SetZoom(10);
  Inputs.ActiveTool = Tool::ToolSprings;
}

void MapViewTest::SetZoom(int zoom) {
  Inputs.Geometry.Zoom = zoom;
  Inputs.Geometry.CellSize = CellSizeFor(zoom, Sample.Sets.BaseTileSize);
}

int MapViewTest::Count(const QRect& area, const QColor& colour) const {
  const QRect clipped = area.intersected(Buffer.rect());
  int count = 0;
  for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
    for (int x = clipped.left(); x <= clipped.right(); ++x) {
      if (Buffer.pixel(x, y) == colour.rgb()) ++count;
    }
  }
  return count;
}
