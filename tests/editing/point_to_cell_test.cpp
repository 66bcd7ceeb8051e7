#include "editing/point_to_cell.h"

#include <gtest/gtest.h>

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
