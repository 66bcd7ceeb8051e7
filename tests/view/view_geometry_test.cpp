#include "view/view_geometry.h"

#include <gtest/gtest.h>

#include "model/spring.h"

namespace {

ViewGeometry Geometry(int cellSize, int cameraX = 0, int cameraY = 0) {
  ViewGeometry geometry;
  geometry.ViewWidth = 480;
  geometry.ViewHeight = 320;
  geometry.CellSize = cellSize;
  geometry.CameraX = cameraX;
  geometry.CameraY = cameraY;
  return geometry;
}

}  // namespace

TEST(PointToCellTest, LeftColumnAndBottomRowOfTheSurfaceAreTheFirstCell) {
  const ViewGeometry geometry = Geometry(16);
  EXPECT_EQ(PointToCell(geometry, 0, 319), (CellPosition{1, 1}));
  EXPECT_EQ(PointToCell(geometry, 15, 320), (CellPosition{1, 1}));
  EXPECT_EQ(PointToCell(geometry, 16, 319), (CellPosition{2, 1}));
  EXPECT_EQ(PointToCell(geometry, 0, 304), (CellPosition{1, 2}));
  EXPECT_EQ(PointToCell(geometry, 0, 305), (CellPosition{1, 1}));
}

TEST(PointToCellTest, RowsCountUpwardFromTheBottomEdge) {
  const ViewGeometry geometry = Geometry(16);
  EXPECT_EQ(PointToCell(geometry, 479, 0).X, 30);
  EXPECT_EQ(PointToCell(geometry, 479, 0).Y, 21);
  EXPECT_EQ(PointToCell(geometry, 479, 1).Y, 20);
}

TEST(PointToCellTest, CameraOffsetsAreAdded) {
  const ViewGeometry geometry = Geometry(24, 7, 3);
  EXPECT_EQ(PointToCell(geometry, 0, 319), (CellPosition{8, 4}));
  EXPECT_EQ(PointToCell(geometry, 48, 320 - 24), (CellPosition{10, 5}));
}

TEST(PointToCellTest, PositionsJustOutsideTheSurfaceTruncateTowardZero) {
  const ViewGeometry geometry = Geometry(16, 5, 5);
  // Less than one cell left of or below the surface: still the first column
  // and row of the view.
  EXPECT_EQ(PointToCell(geometry, -1, 319).X, 6);
  EXPECT_EQ(PointToCell(geometry, -15, 319).X, 6);
  EXPECT_EQ(PointToCell(geometry, 0, 320 + 15).Y, 6);
  // Further out: the columns and rows beyond the view's edges.
  EXPECT_EQ(PointToCell(geometry, -16, 319).X, 5);
  EXPECT_EQ(PointToCell(geometry, -33, 319).X, 4);
  EXPECT_EQ(PointToCell(geometry, 0, 320 + 16).Y, 5);
  EXPECT_EQ(PointToCell(geometry, 0, 320 + 40).Y, 4);
}

TEST(PointToCellTest, OffTheMapAtTheOriginGivesColumnOrRowZeroAndBelow) {
  const ViewGeometry geometry = Geometry(16);
  EXPECT_EQ(PointToCell(geometry, -16, 319).X, 0);
  EXPECT_EQ(PointToCell(geometry, -32, 319).X, -1);
  EXPECT_EQ(PointToCell(geometry, 0, 336).Y, 0);
}

TEST(PointToCellTest, OnePixelCells) {
  const ViewGeometry geometry = Geometry(1);
  EXPECT_EQ(PointToCell(geometry, 0, 320), (CellPosition{1, 1}));
  EXPECT_EQ(PointToCell(geometry, 254, 66), (CellPosition{255, 255}));
}

TEST(CellGeometryTest, SpringPointsSitOnTheCornersAndTheMiddleOfTheirCell) {
  ViewGeometry geometry = Geometry(16, 1, 1);
  geometry.ViewHeight = 569;
  const std::pair<uint8_t, PixelPosition> corners[] = {
      {TopLeft, {16, 521}},     {TopRight, {32, 521}}, {BottomRight, {32, 537}},
      {BottomLeft, {16, 537}},  {Center, {24, 529}},
  };
  for (const auto& [corner, expected] : corners) {
    const PixelPosition pixel = SpringPointToPixel(SpringPoint{3, 4, corner}, geometry);
    EXPECT_EQ(pixel.X, expected.X) << int(corner);
    EXPECT_EQ(pixel.Y, expected.Y) << int(corner);
  }
}

// The middle is the one the drawing uses (half a cell right of and below the
// top-left pixel), for odd and even sizes alike, and a press there is a
// press on the cell (a cell of one pixel is drawn a row above where it is
// pressed).
TEST(CellGeometryTest, ACellsMiddleLiesInTheCell) {
  for (int cellSize : {2, 3, 15, 16, 17, 160}) {
    for (const CellPosition cell : {CellPosition{2, 3}, CellPosition{7, 5}, CellPosition{4, 19}}) {
      const ViewGeometry geometry = Geometry(cellSize, 1, 2);
      const PixelPosition topLeft = CellTopLeft(geometry, cell.X, cell.Y);
      const PixelPosition middle = CellMiddle(geometry, cell.X, cell.Y);
      EXPECT_EQ(middle.X - topLeft.X, cellSize / 2);
      EXPECT_EQ(middle.Y - topLeft.Y, cellSize / 2);
      EXPECT_EQ(PointToCell(geometry, middle.X, middle.Y), cell) << cellSize;
    }
  }
}
