#include "view/map_view.h"

#include "map_view_fixture.h"
#include "view/view_colours.h"

namespace {

const QRgb Gray = ViewColours::Grid.rgb();
const QRgb Back = ViewColours::Background.rgb();
const QRgb Bg = SampleColours::Bg.rgb();
const QRgb Fg = SampleColours::Fg.rgb();
const QRgb Object = SampleColours::Object.rgb();
const QRgb Char = SampleColours::Char.rgb();
const QRgb Marker = SampleColours::Marker.rgb();

}  // namespace

TEST_F(MapViewTest, GridShowsTheMapsCompleteCells) {
  ASSERT_TRUE(Redraw());
  // 20 columns: lines at x = 1, 16 and 17, ..., 320.
  EXPECT_EQ(Count(QRect(0, 300, Width, 1), ViewColours::Grid), 40);
  EXPECT_EQ(At(0, 300), Back);
  EXPECT_EQ(At(1, 300), Gray);
  EXPECT_EQ(At(16, 300), Gray);
  EXPECT_EQ(At(17, 300), Gray);
  EXPECT_EQ(At(18, 300), Back);
  EXPECT_EQ(At(320, 300), Gray);
  EXPECT_EQ(At(321, 300), Back);
  // 20 rows: lines from y = 249 to the bottom edge.
  EXPECT_EQ(Count(QRect(5, 0, 1, Height), ViewColours::Grid), 40);
  EXPECT_EQ(At(5, 249), Gray);
  EXPECT_EQ(At(5, 248), Back);
  EXPECT_EQ(At(1, 249), Gray);
  EXPECT_EQ(At(1, 248), Back);
  EXPECT_EQ(At(5, 568), Gray);
  EXPECT_EQ(At(5, 553), Gray);
  EXPECT_EQ(At(5, 552), Gray);
  EXPECT_EQ(At(5, 551), Back);
  // Horizontal lines end before x = 320, where the last vertical line is.
  EXPECT_EQ(At(319, 560), Back);
  EXPECT_EQ(At(319, 568), Gray);
  EXPECT_EQ(At(321, 568), Back);
}

TEST_F(MapViewTest, GridStopsAtTheMapsEdgeWhenTheCameraMoves) {
  Inputs.Geometry.CameraX = 5;
  ASSERT_TRUE(Redraw());
  EXPECT_EQ(Count(QRect(0, 300, Width, 1), ViewColours::Grid), 30);
  EXPECT_EQ(At(240, 300), Gray);
  EXPECT_EQ(Count(QRect(241, 0, Width - 241, Height), ViewColours::Grid), 0);

  Inputs.Geometry.CameraX = 20;
  ASSERT_TRUE(Redraw());
  EXPECT_EQ(Count(Buffer.rect(), ViewColours::Grid), 0);
}

TEST_F(MapViewTest, VisitsPartlyShownCellsOutsideTheMap) {
  // 801 x 569 at CellSize 16: columns 1..51 and rows 1..36 are visited.
  TheMap->Cell(51, 36).BgTile = 1;
  TheMap->Cell(51, 1).BgTile = 1;
  TheMap->Cell(1, 36).BgTile = 1;
  ASSERT_TRUE(Redraw());
  EXPECT_EQ(At(800, 0), Bg);
  EXPECT_EQ(At(800, 8), Bg);
  EXPECT_EQ(At(800, 9), Back);
  EXPECT_EQ(At(800, 568), Bg);
  EXPECT_EQ(At(0, 0), Bg);
}

TEST_F(MapViewTest, CellsBeyondTheGridAreSkipped) {
  Inputs.Geometry.CameraX = 250;
  Inputs.Geometry.CameraY = 250;
  TheMap->Cell(256, 256).BgTile = 1;
  ASSERT_TRUE(Redraw());
  // Map cell (256, 256) is screen cell (6, 6).
  EXPECT_EQ(At(80, 473), Bg);
  EXPECT_EQ(At(95, 488), Bg);
  EXPECT_EQ(Count(Buffer.rect(), SampleColours::Bg), 16 * 16);
}

TEST_F(MapViewTest, ImagesSitOnTheirCellsBottomLeftCorner) {
  TheMap->Cell(1, 1).ObjectKind = 1;  // 16 x 32
  ASSERT_TRUE(Redraw());
  EXPECT_EQ(Count(QRect(0, Height - 32, 16, 32), SampleColours::Object), 16 * 32);
  EXPECT_EQ(Count(Buffer.rect(), SampleColours::Object), 16 * 32);

  SetZoom(20);
  ASSERT_TRUE(Redraw());
  EXPECT_EQ(Count(QRect(0, Height - 64, 32, 64), SampleColours::Object), 32 * 64);
  EXPECT_EQ(Count(Buffer.rect(), SampleColours::Object), 32 * 64);

  SetZoom(5);
  ASSERT_TRUE(Redraw());
  EXPECT_EQ(Count(QRect(0, Height - 16, 8, 16), SampleColours::Object), 8 * 16);
  EXPECT_EQ(Count(Buffer.rect(), SampleColours::Object), 8 * 16);
}

TEST_F(MapViewTest, WideImageReachesOverItsNeighbours) {
  TheMap->Cell(2, 2).ObjectKind = 2;  // 48 x 24
  ASSERT_TRUE(Redraw());
  const QRect covered(16, Height - 16 - 24, 48, 24);
  EXPECT_EQ(Count(covered, SampleColours::WideObject), 48 * 24);
  EXPECT_EQ(Count(Buffer.rect(), SampleColours::WideObject), 48 * 24);
}

TEST_F(MapViewTest, ForegroundCoversObjectsUntilACellIsRefreshed) {
  TheMap->Cell(3, 3).FgTile = 1;
  TheMap->Cell(3, 3).ObjectKind = 1;
  ASSERT_TRUE(Redraw());
  EXPECT_EQ(At(40, 530), Fg);
  EXPECT_EQ(At(40, 510), Object);
  Refresh(3, 3);
  EXPECT_EQ(At(40, 530), Object);
}

TEST_F(MapViewTest, RefreshWipesTheCellsSquare) {
  TheMap->Cell(1, 2).ObjectKind = 2;  // reaches into cell (2, 2)
  ASSERT_TRUE(Redraw());
  EXPECT_EQ(At(20, 545), SampleColours::WideObject.rgb());
  Refresh(2, 2);
  const QRect square(16, Height - 32, 16, 16);
  EXPECT_EQ(Count(square, ViewColours::Background), 16 * 16);
  EXPECT_EQ(At(15, 545), SampleColours::WideObject.rgb());
}

TEST_F(MapViewTest, RefreshFollowsTheCameraAndTheSwitches) {
  Inputs.Geometry.CameraX = 2;
  Inputs.Geometry.CameraY = 1;
  TheMap->Cell(4, 3).BgTile = 1;
  TheMap->Cell(4, 3).ObjectKind = 1;
  Inputs.Show.Objects = false;
  Refresh(4, 3);
  // Screen cell (2, 2).
  EXPECT_EQ(Count(QRect(16, Height - 32, 16, 16), SampleColours::Bg), 16 * 16);
  EXPECT_EQ(Count(Buffer.rect(), SampleColours::Object), 0);
}

TEST_F(MapViewTest, TextLabelsAreRedAfterARedrawAndGreenAfterARefresh) {
  TheMap->Cell(4, 4).TextId = 12;
  const QRect labelArea(50, Height - 64, 60, 24);
  ASSERT_TRUE(Redraw());
  EXPECT_GT(Count(labelArea, ViewColours::Label), 10);
  EXPECT_EQ(Count(QRect(0, 0, 48, Height), ViewColours::Label), 0);
  Refresh(4, 4);
  EXPECT_GT(Count(labelArea, ViewColours::RefreshedLabel), 10);
}

TEST_F(MapViewTest, RefreshedLabelKeepsTheSizeOfTheLastRedraw) {
  TheMap->Cell(4, 4).TextId = 12;
  ASSERT_TRUE(Redraw());
  const int red = Count(Buffer.rect(), ViewColours::Label);
  Buffer.fill(ViewColours::Background);
  Refresh(4, 4);
  EXPECT_EQ(Count(Buffer.rect(), ViewColours::RefreshedLabel), red);
}

TEST_F(MapViewTest, LabelsShowWhateverTheSwitches) {
  TheMap->Cell(4, 4).TextId = 12;
  TheMap->Cell(30, 30).TextId = 1;  // outside the map, yet visited
  Inputs.Show = ShowSwitches{false, false, false, false, false};
  ASSERT_TRUE(Redraw());
  EXPECT_GT(Count(QRect(50, Height - 64, 60, 24), ViewColours::Label), 10);
  EXPECT_GT(Count(QRect(29 * 16, Height - 30 * 16, 40, 24), ViewColours::Label), 5);
}

TEST_F(MapViewTest, LayerSwitchesHideTheirLayers) {
  TheMap->Cell(2, 2).BgTile = 1;
  TheMap->Cell(3, 2).FgTile = 1;
  Inputs.Show.BG = false;
  ASSERT_TRUE(Redraw());
  EXPECT_EQ(Count(Buffer.rect(), SampleColours::Bg), 0);
  EXPECT_EQ(Count(Buffer.rect(), SampleColours::Fg), 16 * 16);
  Inputs.Show.BG = true;
  Inputs.Show.FG = false;
  ASSERT_TRUE(Redraw());
  EXPECT_EQ(Count(Buffer.rect(), SampleColours::Bg), 16 * 16);
  EXPECT_EQ(Count(Buffer.rect(), SampleColours::Fg), 0);
}

TEST_F(MapViewTest, ObjectSwitchHidesObjectsCharsAndMarkerButNotSprings) {
  TheMap->Cell(2, 2).ObjectKind = 1;
  TheMap->Cell(5, 2).CharKind = 1;
  TheMap->PrimaryCharX = 8;
  TheMap->PrimaryCharY = 2;
  TheMap->SpringCount = 1;
  TheMap->Springs[0].Kind = 3;
  TheMap->Springs[0].PointCount = 2;
  TheMap->Springs[0].Points[0] = SpringPoint{2, 25, TopLeft};
  TheMap->Springs[0].Points[1] = SpringPoint{9, 25, TopLeft};
  Inputs.Show.Objects = false;
  ASSERT_TRUE(Redraw());
  EXPECT_EQ(Count(Buffer.rect(), SampleColours::Object), 0);
  EXPECT_EQ(Count(Buffer.rect(), SampleColours::Char), 0);
  EXPECT_EQ(Count(Buffer.rect(), SampleColours::Marker), 0);
  EXPECT_EQ(Count(Buffer.rect(), QColor(0, 255, 0)), 7 * 16);
}

TEST_F(MapViewTest, PrimaryMarkerShowsWithoutAnObjectUnderItsChar) {
  TheMap->Cell(3, 2).CharKind = 1;
  TheMap->PrimaryCharX = 3;
  TheMap->PrimaryCharY = 2;
  ASSERT_TRUE(Redraw());
  // Cell (3, 2): x 32..47, y 537..552; the char's fuchsia border is transparent.
  EXPECT_EQ(At(32, 537), Marker);
  EXPECT_EQ(At(47, 552), Marker);
  EXPECT_EQ(At(40, 545), Char);
  EXPECT_EQ(Count(Buffer.rect(), SampleColours::Char), 8 * 8);

  SetZoom(20);
  ASSERT_TRUE(Redraw());
  EXPECT_EQ(Count(Buffer.rect(), SampleColours::Marker), 32 * 32 - 16 * 16);
  EXPECT_EQ(Count(Buffer.rect(), SampleColours::Char), 16 * 16);
}

TEST_F(MapViewTest, NoMarkerWithoutAPrimaryChar) {
  TheMap->Cell(1, 1).CharKind = 1;
  TheMap->PrimaryCharX = -1;
  TheMap->PrimaryCharY = 1;
  ASSERT_TRUE(Redraw());
  EXPECT_EQ(Count(Buffer.rect(), SampleColours::Marker), 0);
}

TEST_F(MapViewTest, DrawCellLayerDrawsOneLayerOfGivenContents) {
  Buffer.fill(ViewColours::Background);
  MapCell cell;
  cell.BgTile = 2;
  cell.FgTile = 1;
  View.DrawCellLayer(Buffer, *TheMap, Inputs, 4, 1, LayerBg, cell);
  EXPECT_EQ(Count(QRect(48, Height - 16, 16, 16), SampleColours::Bg2), 16 * 16);
  EXPECT_EQ(Count(Buffer.rect(), SampleColours::Fg), 0);
}

TEST_F(MapViewTest, ValueWithoutAnEntryIsACorruptedMap) {
  TheMap->Cell(5, 5).BgTile = 3;  // two background images
  EXPECT_FALSE(Redraw());
  TheMap->Cell(5, 5).BgTile = 2;
  EXPECT_TRUE(Redraw());
  TheMap->Cell(40, 30).CharKind = 2;  // outside the map, but visited
  EXPECT_FALSE(Redraw());
  Inputs.Show.Objects = false;
  EXPECT_TRUE(Redraw());
  TheMap->Cell(200, 5).FgTile = 9;  // never visited at this camera
  EXPECT_TRUE(Redraw());
}

TEST_F(MapViewTest, PlatformKindWithoutAnImageIsACorruptedMap) {
  TheMap->PlatformCount = 1;
  TheMap->Platforms[0] = Platform{3, 3, 5, 3, 0, 0, 5, 2, NoSwitch};
  EXPECT_FALSE(Redraw());
  Inputs.Show.Platforms = false;
  EXPECT_TRUE(Redraw());
  Inputs.Show.Platforms = true;
  TheMap->Platforms[0].Kind = 1;
  EXPECT_TRUE(Redraw());
}

TEST_F(MapViewTest, RefreshSkipsValuesWithoutAnEntry) {
  TheMap->Cell(2, 2).BgTile = 9;
  TheMap->Cell(2, 2).FgTile = 1;
  Refresh(2, 2);
  EXPECT_EQ(Count(QRect(16, Height - 32, 16, 16), SampleColours::Fg), 16 * 16);
}

TEST_F(MapViewTest, TinyCellSizeIsUsable) {
  SetZoom(2);
  Inputs.Geometry.CellSize = 0;
  TheMap->Cell(1, 1).BgTile = 1;
  EXPECT_TRUE(Redraw());
}
