// Frames drawn by hand into a premultiplied buffer against the same frames
// drawn by QPainter alone (into a buffer of another format, where the view
// leaves all drawing to the painter).

#include <gtest/gtest.h>

#include <QPainter>
#include <memory>

#include "model/map.h"
#include "tile_folder.h"
#include "view/map_view.h"
#include "view/tile_set.h"

namespace {

// At zoom 100 the large object is drawn without a kept copy.
constexpr int Zooms[] = {2, 5, 10, 15, 20, 100};
constexpr int ViewWidth = 403;
constexpr int ViewHeight = 301;

class DirectFrameTest : public ::testing::Test {
 protected:
  DirectFrameTest() {
    WriteSampleSets(Folder);
    // A foreground tile with partly transparent pixels and keyed corners:
    // the tile pass must draw it as well as the foreground pass.
    QImage glass = Solid(16, 16, QColor(40, 160, 220, 120));
    for (int i = 0; i < 4; ++i) {
      glass.setPixelColor(i, 0, QColor(255, 255, 255));
      glass.setPixelColor(15 - i, 15, QColor(255, 255, 255));
      glass.setPixelColor(8, i, QColor(250, 250, 250, 255));
    }
    Folder.Write("img_fg/1.png", glass);
    // An object larger than seven cells with keyed holes.
    QImage checker = Solid(120, 100, QColor(200, 100, 0));
    for (int y = 0; y < 100; ++y) {
      for (int x = 0; x < 120; ++x) {
        if ((x / 5 + y / 3) % 2 == 0) checker.setPixelColor(x, y, QColor(255, 255, 255));
      }
    }
    Folder.Write("img_obj/2.png", checker);
    EXPECT_TRUE(LoadTileSets(Folder.Path(), Sets).Ok);
    FillMap();
  }

  void FillMap() {
    TheMap->Width = 40;
    TheMap->Height = 30;
    for (int x = 1; x <= 42; ++x) {
      for (int y = 1; y <= 32; ++y) {
        MapCell& cell = TheMap->Cell(x, y);
        cell.BgTile = static_cast<uint8_t>(1 + (x + y) % 2);
        cell.MgTile = static_cast<uint8_t>((x * 3 + y) % 7);
        cell.FgTile = static_cast<uint8_t>((x + 2 * y) % 3);
        if ((x + y) % 5 == 0) cell.ObjectKind = static_cast<uint8_t>(1 + (x + y) % 3);
        if ((x * y) % 7 == 1) cell.CharKind = 1;
        if ((x * 5 + y) % 11 == 0) cell.TextId = static_cast<uint8_t>(x + y);
      }
    }
    TheMap->PrimaryCharX = 4;
    TheMap->PrimaryCharY = 2;
    TheMap->SpringCount = 2;
    TheMap->Springs[0].Kind = 3;
    TheMap->Springs[0].PointCount = 3;
    TheMap->Springs[0].Points[0] = SpringPoint{2, 2, Center};
    TheMap->Springs[0].Points[1] = SpringPoint{9, 5, TopRight};
    TheMap->Springs[0].Points[2] = SpringPoint{30, 20, BottomLeft};
    TheMap->Springs[1].Kind = 9;
    TheMap->Springs[1].PointCount = 2;
    TheMap->Springs[1].Points[0] = SpringPoint{1, 15, TopLeft};
    TheMap->Springs[1].Points[1] = SpringPoint{12, 1, BottomRight};
    TheMap->PlatformCount = 1;
    Platform& platform = TheMap->Platforms[0];
    platform.Kind = 1;
    platform.StartX = 3;
    platform.StartY = 8;
    platform.EndX = 14;
    platform.EndY = 10;
    platform.SwitchType = TurnForever;
    platform.SwitchX = 6;
    platform.SwitchY = 4;
  }

  ViewInputs InputsAt(int zoom, int camera) const {
    ViewInputs inputs;
    inputs.Geometry.ViewWidth = ViewWidth;
    inputs.Geometry.ViewHeight = ViewHeight;
    inputs.Geometry.Zoom = zoom;
    inputs.Geometry.CellSize = CellSizeFor(zoom, Sets.BaseTileSize);
    inputs.Geometry.CameraX = camera;
    inputs.Geometry.CameraY = camera;
    inputs.ActiveTool = Tool::ToolPlaceTile;
    inputs.ActiveLayer = LayerObject;
    inputs.SelectedPosition = 2;
    return inputs;
  }

  // The frame in a buffer of `format`, as 32-bit ARGB for comparing.
  QImage Frame(QImage::Format format, const ViewInputs& inputs) {
    MapView view(Sets);
    QImage buffer(ViewWidth, ViewHeight, format);
    EXPECT_TRUE(view.RedrawView(buffer, *TheMap, inputs));
    view.RefreshCell(buffer, *TheMap, inputs, inputs.Geometry.CameraX + 4,
                     inputs.Geometry.CameraY + 3);
    view.DrawCellLayer(buffer, *TheMap, inputs, 2, 2, LayerObject, TheMap->Cell(2, 3));
    return buffer.convertToFormat(QImage::Format_ARGB32);
  }

  ImageFolder Folder;
  TileSets Sets;
  std::unique_ptr<Map> TheMap = std::make_unique<Map>();
};

}  // namespace

TEST_F(DirectFrameTest, FramesEqualThePaintersAtEveryZoom) {
  for (const int zoom : Zooms) {
    for (const int camera : {0, 3}) {
      const ViewInputs inputs = InputsAt(zoom, camera);
      const QImage byHand = Frame(QImage::Format_ARGB32_Premultiplied, inputs);
      const QImage painted = Frame(QImage::Format_ARGB32, inputs);
      EXPECT_EQ(byHand, painted) << "zoom " << zoom << ", camera " << camera;
    }
  }
}

TEST_F(DirectFrameTest, FramesEqualThePaintersWithLayersSwitchedOff) {
  ViewInputs inputs = InputsAt(10, 0);
  inputs.Show.FG = false;
  inputs.Show.Platforms = false;
  EXPECT_EQ(Frame(QImage::Format_ARGB32_Premultiplied, inputs),
            Frame(QImage::Format_ARGB32, inputs));
  inputs.Show.FG = true;
  inputs.Show.BG = false;
  inputs.Show.Objects = false;
  EXPECT_EQ(Frame(QImage::Format_ARGB32_Premultiplied, inputs),
            Frame(QImage::Format_ARGB32, inputs));
}

TEST_F(DirectFrameTest, PartlyTransparentForegroundIsDrawnTwice) {
  // Over an empty cell the glass tile, drawn in the tile pass and again in
  // the foreground pass, shows darker than one drawing of it would.
  std::unique_ptr<Map> map = std::make_unique<Map>();
  map->Cell(1, 1).FgTile = 2;
  const ViewInputs inputs = InputsAt(10, 0);
  MapView view(Sets);
  QImage twice(ViewWidth, ViewHeight, QImage::Format_ARGB32_Premultiplied);
  ASSERT_TRUE(view.RedrawView(twice, *map, inputs));

  QImage once(ViewWidth, ViewHeight, QImage::Format_ARGB32_Premultiplied);
  once.fill(QColor(0, 31, 27));
  QPainter(&once).drawImage(QPoint(0, ViewHeight - 16), Sets.DXFG.Entry(2).Image);
  QImage again = once.copy();
  QPainter(&again).drawImage(QPoint(0, ViewHeight - 16), Sets.DXFG.Entry(2).Image);
  const QPoint inside(5, ViewHeight - 8);
  EXPECT_NE(once.pixel(inside), again.pixel(inside));
  EXPECT_EQ(twice.pixel(inside), again.pixel(inside));
}
