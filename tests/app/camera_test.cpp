#include "app/camera.h"

#include <gtest/gtest.h>

namespace {

ViewGeometry Geometry(int viewWidth, int viewHeight, int cellSize, int cameraX = 0,
                      int cameraY = 0) {
  ViewGeometry geometry;
  geometry.ViewWidth = viewWidth;
  geometry.ViewHeight = viewHeight;
  geometry.CellSize = cellSize;
  geometry.CameraX = cameraX;
  geometry.CameraY = cameraY;
  return geometry;
}

}  // namespace

TEST(CameraTimerPhases, ArmedThenFirstRepeatThenRepeating) {
  EXPECT_EQ(NextCameraInterval(CameraArmedInterval), CameraFirstRepeatInterval);
  EXPECT_EQ(NextCameraInterval(CameraFirstRepeatInterval), CameraRepeatInterval);
  EXPECT_EQ(NextCameraInterval(CameraRepeatInterval), CameraRepeatInterval);
  EXPECT_EQ(CameraArmedInterval, 1);
  EXPECT_EQ(CameraFirstRepeatInterval, 500);
  EXPECT_EQ(CameraRepeatInterval, 50);
}

TEST(CameraStep, MovesOneCellInEachDirection) {
  ViewGeometry geometry = Geometry(801, 569, 16, 5, 7);
  EXPECT_TRUE(StepCamera(geometry, ScrollDirection::Up));
  EXPECT_EQ(geometry.CameraY, 8);
  EXPECT_TRUE(StepCamera(geometry, ScrollDirection::Down));
  EXPECT_EQ(geometry.CameraY, 7);
  EXPECT_TRUE(StepCamera(geometry, ScrollDirection::Left));
  EXPECT_EQ(geometry.CameraX, 4);
  EXPECT_TRUE(StepCamera(geometry, ScrollDirection::Right));
  EXPECT_EQ(geometry.CameraX, 5);
  EXPECT_FALSE(StepCamera(geometry, ScrollDirection::None));
  EXPECT_EQ(geometry.CameraX, 5);
  EXPECT_EQ(geometry.CameraY, 7);
}

TEST(CameraStep, LeftAndBottomBoundsAreZero) {
  ViewGeometry geometry = Geometry(801, 569, 16);
  EXPECT_FALSE(StepCamera(geometry, ScrollDirection::Left));
  EXPECT_FALSE(StepCamera(geometry, ScrollDirection::Down));
  EXPECT_EQ(geometry.CameraX, 0);
  EXPECT_EQ(geometry.CameraY, 0);
}

TEST(CameraStep, TopBoundKeepsTheLastVisibleRowAt255) {
  // 569 div 32 = 17 visible rows: the camera stops at 238 whatever the map.
  ViewGeometry geometry = Geometry(801, 569, 32, 0, 236);
  EXPECT_TRUE(StepCamera(geometry, ScrollDirection::Up));
  EXPECT_TRUE(StepCamera(geometry, ScrollDirection::Up));
  EXPECT_EQ(geometry.CameraY, 238);
  EXPECT_FALSE(StepCamera(geometry, ScrollDirection::Up));
  EXPECT_EQ(geometry.CameraY, 238);
}

TEST(CameraStep, RightBoundKeepsTheLastVisibleColumnAt255) {
  // 801 div 32 = 25 visible columns.
  ViewGeometry geometry = Geometry(801, 569, 32, 229, 0);
  EXPECT_TRUE(StepCamera(geometry, ScrollDirection::Right));
  EXPECT_EQ(geometry.CameraX, 230);
  EXPECT_FALSE(StepCamera(geometry, ScrollDirection::Right));
  EXPECT_EQ(geometry.CameraX, 230);
}

TEST(CameraStep, AfterZoomingOutPastTheBoundOnlyTheWayBackWorks) {
  // At its top bound for 32-pixel cells, then cells of 16: 35 rows fit.
  ViewGeometry geometry = Geometry(801, 569, 16, 0, 238);
  EXPECT_FALSE(StepCamera(geometry, ScrollDirection::Up));
  EXPECT_EQ(geometry.CameraY, 238);
  EXPECT_TRUE(StepCamera(geometry, ScrollDirection::Down));
  EXPECT_EQ(geometry.CameraY, 237);
}

TEST(CameraStep, ACellSizeOfZeroDoesNotDivideByIt) {
  ViewGeometry geometry = Geometry(100, 100, 0);
  EXPECT_TRUE(StepCamera(geometry, ScrollDirection::Up));
  EXPECT_TRUE(StepCamera(geometry, ScrollDirection::Right));
  geometry.CameraY = 155;  // 100 rows of one pixel
  EXPECT_FALSE(StepCamera(geometry, ScrollDirection::Up));
}
