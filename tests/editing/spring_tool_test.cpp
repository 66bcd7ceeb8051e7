#include "editing/spring_tool.h"

#include <gtest/gtest.h>

#include <memory>

#include "edited_map.h"
#include "model/map.h"

namespace {

constexpr int Size = 24;  // CellSize: h = 12, the centre disc below 96

ViewGeometry Geometry(int cameraX = 0, int cameraY = 0) {
  ViewGeometry geometry;
  geometry.ViewWidth = 480;
  geometry.ViewHeight = 240;
  geometry.CellSize = Size;
  geometry.CameraX = cameraX;
  geometry.CameraY = cameraY;
  return geometry;
}

// The pixel a pixels right of the left edge and c pixels up from the bottom
// edge of cell (column, row), with the camera at the origin.
struct Pixel {
  int X;
  int Y;
};

Pixel At(int column, int row, int a, int c) {
  return {(column - 1) * Size + a, 240 - ((row - 1) * Size + c)};
}

SpringPoint PointAt(Pixel pixel) {
  return PointToSpringPoint(Geometry(), pixel.X, pixel.Y);
}

SpringPoint Point(int x, int y, Corner corner) {
  SpringPoint point;
  point.X = x;
  point.Y = y;
  point.Corner = corner;
  return point;
}

class SpringToolTest : public ::testing::Test {
 protected:
  void Left(Pixel pixel, int kind = 1) {
    SpringLeftPress(map.Edit(), state, Geometry(), kind, pixel.X, pixel.Y);
  }
  void RightPress(Pixel pixel) { SpringRightPress(map.Edit(), state, Geometry(), pixel.X, pixel.Y); }
  // A right click: the press and its release.
  void Right(Pixel pixel) {
    RightPress(pixel);
    SpringRelease(state);
  }

  // A finished spring of two points: the centres of (x, y) and (x + 1, y).
  void AddSpring(int x, int y, int kind) {
    Left(At(x, y, 12, 12), kind);
    Left(At(x + 1, y, 12, 12), kind);
    Right(At(1, 1, 0, 0));
  }

  EditedMap map;
  SpringToolState state;
};

}  // namespace

TEST(PointToSpringPointTest, CentreDiscAndQuadrants) {
  EXPECT_EQ(PointAt(At(3, 2, 15, 15)), Point(3, 2, Center));
  EXPECT_EQ(PointAt(At(3, 2, 2, 2)), Point(3, 2, BottomLeft));
  EXPECT_EQ(PointAt(At(3, 2, 22, 2)), Point(3, 2, BottomRight));
  EXPECT_EQ(PointAt(At(3, 2, 22, 22)), Point(3, 2, TopRight));
  EXPECT_EQ(PointAt(At(3, 2, 2, 22)), Point(3, 2, TopLeft));
  // The disc's edge: 9^2 + 3^2 = 90 is inside, 9^2 + 4^2 = 97 is not.
  EXPECT_EQ(PointAt(At(3, 2, 21, 15)).Corner, Center);
  EXPECT_EQ(PointAt(At(3, 2, 21, 16)).Corner, TopRight);
  // The halves split at h: a = h counts as the right half, c = h as the top.
  EXPECT_EQ(PointAt(At(3, 2, 12, 0)).Corner, BottomRight);
  EXPECT_EQ(PointAt(At(3, 2, 0, 12)).Corner, TopLeft);
  EXPECT_EQ(PointAt(At(3, 2, 11, 1)).Corner, BottomLeft);
}

TEST(PointToSpringPointTest, FollowsTheCamera) {
  const SpringPoint point = PointToSpringPoint(Geometry(10, 4), 2, 240 - 2);
  EXPECT_EQ(point, Point(11, 5, BottomLeft));
}

TEST(PointToSpringPointTest, PositionsLeftOfAndBelowTheSurfaceTruncateTowardZero) {
  // Two pixels left of the surface: still column 1, and the remainder -2
  // lies in the left half.
  EXPECT_EQ(PointToSpringPoint(Geometry(), -2, 240 - 22), Point(1, 1, TopLeft));
  // Two pixels below it: row 1, in the lower half.
  EXPECT_EQ(PointToSpringPoint(Geometry(), 22, 242), Point(1, 1, BottomRight));
}

TEST(SameSpringPointTest, CornersMeetingAtOneCrossing) {
  const SpringPoint topRight = Point(5, 3, TopRight);
  EXPECT_TRUE(SameSpringPoint(topRight, Point(6, 3, TopLeft)));
  EXPECT_TRUE(SameSpringPoint(topRight, Point(5, 4, BottomRight)));
  EXPECT_TRUE(SameSpringPoint(topRight, Point(6, 4, BottomLeft)));
  EXPECT_TRUE(SameSpringPoint(Point(6, 4, BottomLeft), Point(5, 3, TopRight)));
  EXPECT_TRUE(SameSpringPoint(topRight, topRight));

  EXPECT_FALSE(SameSpringPoint(topRight, Point(6, 3, TopRight)));
  EXPECT_FALSE(SameSpringPoint(topRight, Point(5, 3, TopLeft)));
  EXPECT_FALSE(SameSpringPoint(topRight, Point(5, 4, BottomLeft)));
  EXPECT_FALSE(SameSpringPoint(topRight, Point(6, 3, BottomLeft)));
}

TEST(SameSpringPointTest, CentresAreOnlyThemselves) {
  EXPECT_TRUE(SameSpringPoint(Point(2, 2, Center), Point(2, 2, Center)));
  EXPECT_FALSE(SameSpringPoint(Point(2, 2, Center), Point(2, 3, Center)));
  EXPECT_FALSE(SameSpringPoint(Point(2, 2, Center), Point(2, 2, TopLeft)));
  EXPECT_FALSE(SameSpringPoint(Point(2, 2, BottomRight), Point(2, 2, Center)));
}

TEST_F(SpringToolTest, LeftPressesBuildASpringOfTheKindItStartedWith) {
  Left(At(2, 2, 12, 12), 3);
  EXPECT_TRUE(state.SpringInProgress);
  ASSERT_EQ(map->SpringCount, 1);
  EXPECT_EQ(map->Springs[0].PointCount, 1);

  Left(At(4, 2, 2, 2), 5);
  Left(At(4, 5, 22, 22), 6);

  const Spring& spring = map->Springs[0];
  EXPECT_EQ(spring.Kind, 3);
  ASSERT_EQ(spring.PointCount, 3);
  EXPECT_EQ(spring.Points[0], Point(2, 2, Center));
  EXPECT_EQ(spring.Points[1], Point(4, 2, BottomLeft));
  EXPECT_EQ(spring.Points[2], Point(4, 5, TopRight));
  EXPECT_EQ(state.LastSpringPoint, Point(4, 5, TopRight));
}

TEST_F(SpringToolTest, TheSamePlaceTwiceAddsOnePoint) {
  Left(At(2, 2, 2, 2));
  Left(At(2, 2, 3, 4));
  EXPECT_EQ(map->Springs[0].PointCount, 1);

  // A shared corner pressed from two of its four cells is one place.
  Left(At(5, 3, 23, 23));
  Left(At(6, 4, 0, 0));
  Left(At(6, 3, 1, 22));
  EXPECT_EQ(map->Springs[0].PointCount, 2);
  EXPECT_EQ(state.LastSpringPoint, Point(5, 3, TopRight));
}

TEST_F(SpringToolTest, ASpringMayReturnToAnEarlierPoint) {
  Left(At(2, 2, 12, 12));
  Left(At(3, 2, 12, 12));
  Left(At(2, 2, 12, 12));
  EXPECT_EQ(map->Springs[0].PointCount, 3);
}

TEST_F(SpringToolTest, RightPressFinishesASpringOfTwoOrMorePoints) {
  Left(At(2, 2, 12, 12));
  Left(At(3, 2, 12, 12));
  const EditResult result = SpringRightPress(map.Edit(), state, Geometry(), 999, 999);

  EXPECT_TRUE(result.RedrawView);
  EXPECT_FALSE(state.SpringInProgress);
  ASSERT_EQ(map->SpringCount, 1);
  EXPECT_EQ(map->Springs[0].PointCount, 2);

  Left(At(7, 7, 12, 12));
  EXPECT_EQ(map->SpringCount, 2);
  EXPECT_EQ(map->Springs[1].PointCount, 1);
}

TEST_F(SpringToolTest, RightPressDiscardsASpringOfOnePoint) {
  AddSpring(2, 2, 1);
  Left(At(5, 5, 12, 12));
  ASSERT_EQ(map->SpringCount, 2);

  // Pressed on a point of spring 1: finishing comes first, nothing is deleted.
  Right(At(2, 2, 12, 12));

  EXPECT_FALSE(state.SpringInProgress);
  EXPECT_EQ(map->SpringCount, 1);
  EXPECT_EQ(map->Springs[0].PointCount, 2);
}

TEST_F(SpringToolTest, HeldRightButtonDeletesNothingUntilTheFinishingPressIsReleased) {
  Left(At(2, 2, 12, 12));
  Left(At(3, 2, 12, 12));
  RightPress(At(3, 2, 12, 12));
  RightPress(At(3, 2, 12, 12));  // the held button's repeat
  ASSERT_EQ(map->SpringCount, 1);

  SpringRelease(state);
  RightPress(At(3, 2, 12, 12));
  EXPECT_EQ(map->SpringCount, 0);
}

TEST_F(SpringToolTest, DeletingMovesTheLastSpringIntoTheSlot) {
  for (int i = 1; i <= 5; ++i) AddSpring(2 * i, 1, i);
  ASSERT_EQ(map->SpringCount, 5);

  // Any vertex hits: the second point of spring 2.
  Right(At(5, 1, 12, 12));

  ASSERT_EQ(map->SpringCount, 4);
  EXPECT_EQ(map->Springs[0].Kind, 1);
  EXPECT_EQ(map->Springs[1].Kind, 5);
  EXPECT_EQ(map->Springs[1].Points[0], Point(10, 1, Center));
  EXPECT_EQ(map->Springs[2].Kind, 3);
  EXPECT_EQ(map->Springs[3].Kind, 4);
}

TEST_F(SpringToolTest, DeletingTheLastSpringJustDropsIt) {
  AddSpring(2, 2, 1);
  AddSpring(5, 5, 2);
  Right(At(6, 5, 12, 12));
  ASSERT_EQ(map->SpringCount, 1);
  EXPECT_EQ(map->Springs[0].Kind, 1);
}

TEST_F(SpringToolTest, ACornerSharedBySpringsDeletesOnlyTheFirst) {
  Left(At(2, 2, 22, 22), 1);  // top right of (2, 2)
  Left(At(1, 1, 12, 12), 1);
  Right(At(1, 1, 0, 0));
  AddSpring(8, 8, 2);
  Left(At(3, 3, 2, 2), 3);  // bottom left of (3, 3): the same crossing
  Left(At(5, 5, 12, 12), 3);
  Right(At(1, 1, 0, 0));
  ASSERT_EQ(map->SpringCount, 3);

  Right(At(3, 2, 1, 23));  // top left of (3, 2): the same crossing again

  ASSERT_EQ(map->SpringCount, 2);
  EXPECT_EQ(map->Springs[0].Kind, 3);
  EXPECT_EQ(map->Springs[1].Kind, 2);
}

TEST_F(SpringToolTest, RightPressOnNoSpringChangesNothing) {
  AddSpring(2, 2, 1);
  Right(At(2, 2, 2, 2));
  Right(At(9, 9, 12, 12));
  EXPECT_EQ(map->SpringCount, 1);
  EXPECT_EQ(map->Springs[0].PointCount, 2);
}

TEST_F(SpringToolTest, NoSpringBeyondWhatALevelFileHolds) {
  map->SpringCount = MaxFileListCount;

  Left(At(2, 2, 12, 12));

  EXPECT_EQ(map->SpringCount, MaxFileListCount);
  EXPECT_FALSE(state.SpringInProgress);
}

TEST_F(SpringToolTest, TheLastFreeSpringCanStillBeDrawn) {
  map->SpringCount = MaxFileListCount - 1;
  Left(At(2, 2, 12, 12), 4);
  Left(At(3, 2, 12, 12), 4);
  EXPECT_EQ(map->SpringCount, MaxFileListCount);
  EXPECT_EQ(map->Springs[MaxFileListCount - 1].PointCount, 2);
  EXPECT_EQ(map->Springs[MaxFileListCount - 1].Kind, 4);
}

TEST_F(SpringToolTest, NoPointBeyondWhatALevelFileHolds) {
  for (int i = 1; i <= MaxFileSpringPoints + 2; ++i) Left(At(i, 1 + i % 2, 12, 12));
  const Spring& spring = map->Springs[0];
  EXPECT_EQ(spring.PointCount, MaxFileSpringPoints);
  EXPECT_EQ(spring.Points[MaxFileSpringPoints - 1], Point(15, 2, Center));
  EXPECT_EQ(state.LastSpringPoint, Point(15, 2, Center));
  EXPECT_TRUE(state.SpringInProgress);

  Right(At(1, 1, 0, 0));
  EXPECT_EQ(map->SpringCount, 1);
  EXPECT_FALSE(state.SpringInProgress);
}

TEST_F(SpringToolTest, AnEmptiedListHasNoSpringInProgress) {
  Left(At(2, 2, 12, 12));
  map->SpringCount = 0;

  Left(At(4, 4, 12, 12), 2);

  ASSERT_EQ(map->SpringCount, 1);
  EXPECT_EQ(map->Springs[0].PointCount, 1);
  EXPECT_EQ(map->Springs[0].Kind, 2);
}
