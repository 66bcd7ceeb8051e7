// Areas of the map copied, placed, cleared and moved with every byte of
// their cells and the springs and platforms that lie entirely inside.

#include "editing/cell_area.h"

#include <gtest/gtest.h>

#include "edited_map.h"
#include "map_comparison.h"
#include "model/map.h"

namespace {

const MapCell Full{1, 2, 3, 4, 5, 6};

Spring SpringThrough(std::initializer_list<SpringPoint> points) {
  Spring spring;
  spring.Kind = 2;
  for (const SpringPoint& point : points) spring.Points[spring.PointCount++] = point;
  return spring;
}

// A 20 x 20 map: full cells in columns 3..6, rows 3..5; a spring and a
// platform inside that area, and one of each reaching out of it.
class CellAreaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    NewMap(*Edited);
    for (int x = 3; x <= 6; ++x)
      for (int y = 3; y <= 5; ++y) Edited->Cell(x, y) = Full;
    Edited->Springs[0] = SpringThrough({{3, 3, Center}, {6, 5, TopLeft}});
    Edited->Springs[1] = SpringThrough({{4, 4, Center}, {9, 4, Center}});
    Edited->SpringCount = 2;
    Edited->Platforms[0] = {3, 4, 6, 4, 5, 5, 2, 1, TurnForever};
    Edited->Platforms[1] = {3, 3, 5, 3, 12, 12, 2, 1, TurnForever};
    Edited->PlatformCount = 2;
    Edited->PrimaryCharX = 4;
    Edited->PrimaryCharY = 4;
  }

  EditedMap Edited;
  const CellArea Area{3, 3, 4, 3};
};

TEST_F(CellAreaTest, ABlockHoldsTheCellsAndTheItemsEntirelyInside) {
  const std::unique_ptr<Map> block = CopyArea(*Edited, Area);
  EXPECT_EQ(block->Width, 4);
  EXPECT_EQ(block->Height, 3);
  EXPECT_EQ(block->Cell(1, 1), Full);
  EXPECT_EQ(block->Cell(4, 3), Full);
  EXPECT_EQ(block->Cell(5, 1), MapCell{});
  ASSERT_EQ(block->SpringCount, 1);
  EXPECT_EQ(block->Springs[0].Points[1], (SpringPoint{4, 3, TopLeft}));
  ASSERT_EQ(block->PlatformCount, 1);
  EXPECT_EQ(block->Platforms[0], (Platform{1, 2, 4, 2, 3, 3, 2, 1, TurnForever}));
  EXPECT_EQ(block->PrimaryCharX, 0);
  EXPECT_EQ(AreaBetween({6, 5}, {3, 3}), Area);
}

TEST_F(CellAreaTest, PlacingClipsAtTheEdgesAndLeavesOutItemsThatEndOffTheMap) {
  const std::unique_ptr<Map> block = CopyArea(*Edited, Area);
  struct Case {
    int X, Y;
    int LeftOut;
    int Springs, Platforms;
  };
  const Case cases[] = {{10, 10, 0, 3, 3}, {18, 10, 2, 2, 2}, {-1, 19, 2, 2, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.X << "," << c.Y);
    SetUp();
    EXPECT_EQ(PlaceBlock(Edited.Edit(), *block, c.X, c.Y), c.LeftOut);
    EXPECT_EQ(Edited->SpringCount, c.Springs);
    EXPECT_EQ(Edited->PlatformCount, c.Platforms);
    for (int x = c.X; x < c.X + 4; ++x)
      for (int y = c.Y; y < c.Y + 3; ++y)
        if (Edited->InUse(x, y)) {
          EXPECT_EQ(Edited->Cell(x, y), Full) << x << "," << y;
        }
    EXPECT_EQ(Edited->PrimaryCharX, 4);
  }
  EXPECT_EQ(Edited->Cell(21, 20), MapCell{});  // nothing beyond the map
}

TEST_F(CellAreaTest, ClearingEmptiesTheCellsAndRemovesTheItemsInside) {
  ClearArea(Edited.Edit(), Area);
  EXPECT_EQ(Edited->Cell(3, 3), MapCell{});
  EXPECT_EQ(Edited->Cell(6, 5), MapCell{});
  ASSERT_EQ(Edited->SpringCount, 1);
  EXPECT_EQ(Edited->Springs[0].Points[1].X, 9);
  ASSERT_EQ(Edited->PlatformCount, 1);
  EXPECT_EQ(Edited->Platforms[0].SwitchX, 12);
}

TEST_F(CellAreaTest, AMoveTakesItsItemsAndThePrimaryCharAndUndoesExactly) {
  struct Case {
    int Dx, Dy;
    bool SpringMoves, PlatformMoves;
  };
  for (const Case& c :
       {Case{1, 0, true, true}, Case{0, -3, false, true}, Case{15, 16, false, false}}) {
    SCOPED_TRACE(testing::Message() << c.Dx << "," << c.Dy);
    SetUp();
    const auto before = std::make_unique<Map>(*Edited);
    Edited.Document.BeginStep("Move");
    MoveArea(Edited.Edit(), Area, c.Dx, c.Dy);
    Edited.Document.EndStep();
    for (int x = 3; x <= 6; ++x)
      for (int y = 3; y <= 5; ++y) {
        const bool landed = Area.MovedBy(c.Dx, c.Dy).Contains(x, y);
        EXPECT_EQ(Edited->Cell(x, y), landed ? Full : MapCell{}) << x << "," << y;
        if (Edited->InUse(x + c.Dx, y + c.Dy)) {
          EXPECT_EQ(Edited->Cell(x + c.Dx, y + c.Dy), Full);
        }
      }
    EXPECT_EQ(Edited->Springs[0].Points[0].Y, c.SpringMoves ? 3 + c.Dy : 3);
    EXPECT_TRUE(SameSpring(Edited->Springs[1], before->Springs[1]));
    EXPECT_EQ(Edited->Platforms[0].StartY, c.PlatformMoves ? 4 + c.Dy : 4);
    EXPECT_EQ(Edited->Platforms[1], before->Platforms[1]);
    const bool primaryMoves = Edited->InUse(4 + c.Dx, 4 + c.Dy);
    EXPECT_EQ(Edited->PrimaryCharX, primaryMoves ? 4 + c.Dx : 4);
    Edited.Document.Undo();
    EXPECT_EQ(CompareRestored(*before, *Edited), "");
  }
}

TEST_F(CellAreaTest, APlaceBeyondTheFileListsLeavesOutWhatDoesNotFit) {
  const std::unique_ptr<Map> block = CopyArea(*Edited, Area);
  // 255 objects and 254 platforms elsewhere: one platform more fits, no object.
  int objects = 0;
  for (int x = 1; x <= 20 && objects < MaxFileListCount; ++x)
    for (int y = 1; y <= 20 && objects < MaxFileListCount; ++y)
      if (!Area.Contains(x, y) && !CellArea{10, 10, 4, 3}.Contains(x, y))
        Edited->Cell(x, y).ObjectKind = 1, ++objects;
  for (int y = 3; y <= 5; ++y)
    for (int x = 3; x <= 6; ++x) Edited->Cell(x, y).ObjectKind = 0;
  Edited->PlatformCount = MaxFileListCount - 1;
  EXPECT_EQ(PlaceBlock(Edited.Edit(), *block, 10, 10), 12);
  EXPECT_EQ(Edited->Cell(10, 10).ObjectKind, 0);
  EXPECT_EQ(Edited->Cell(10, 10).CharKind, Full.CharKind);
  EXPECT_EQ(Edited->PlatformCount, MaxFileListCount);
  EXPECT_EQ(Edited->SpringCount, 3);
}

}  // namespace
