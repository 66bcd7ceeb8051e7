#include "editing/map_resizing.h"

#include <gtest/gtest.h>

#include <memory>

#include "edited_map.h"
#include "model/map.h"

namespace {

MapCell Marked(uint8_t value) {
  MapCell cell;
  cell.BgTile = value;
  cell.MgTile = value;
  cell.FgTile = value;
  cell.ObjectKind = value;
  cell.CharKind = value;
  cell.TextId = value;
  return cell;
}

// A 20 x 20 map whose every cell in use is marked with its column (for
// width tests) or its row (for height tests), plus one platform, one spring
// and a primary char.
class MapResizingTest : public ::testing::Test {
 protected:
  void MarkColumns() {
    for (int x = 1; x <= 20; ++x)
      for (int y = 1; y <= 20; ++y) map->Cell(x, y) = Marked(static_cast<uint8_t>(x));
  }
  void MarkRows() {
    for (int x = 1; x <= 20; ++x)
      for (int y = 1; y <= 20; ++y) map->Cell(x, y) = Marked(static_cast<uint8_t>(y));
  }
  void AddItems() {
    Platform platform;
    platform.StartX = 1;
    platform.StartY = 2;
    platform.EndX = 20;
    platform.EndY = 19;
    platform.SwitchX = 7;
    platform.SwitchY = 8;
    platform.SwitchType = NoSwitch;
    map->Platforms[0] = platform;
    map->PlatformCount = 1;
    Spring& spring = map->Springs[0];
    spring.Kind = 1;
    spring.PointCount = 2;
    spring.Points[0] = SpringPoint{1, 3, TopLeft};
    spring.Points[1] = SpringPoint{20, 20, Center};
    map->SpringCount = 1;
    map->PrimaryCharX = 4;
    map->PrimaryCharY = 5;
  }

  EditedMap map;
};

}  // namespace

TEST(ResizeDirectionTest, UpDownAndNone) {
  EXPECT_EQ(ResizeDirectionFor(20, 21), ResizeDirection::Up);
  EXPECT_EQ(ResizeDirectionFor(20, 19), ResizeDirection::Down);
  EXPECT_EQ(ResizeDirectionFor(20, 120), ResizeDirection::Up);
  EXPECT_EQ(ResizeDirectionFor(1, 0), ResizeDirection::None);
  EXPECT_EQ(ResizeDirectionFor(255, 256), ResizeDirection::None);
  EXPECT_EQ(ResizeDirectionFor(20, -3), ResizeDirection::None);
  EXPECT_EQ(ResizeDirectionFor(20, 20), ResizeDirection::None);
}

TEST_F(MapResizingTest, RisingLeftGrowthMovesEverythingOneColumnRight) {
  MarkColumns();
  AddItems();
  map->Cell(5, 21) = Marked(99);  // above the height: not moved

  UDWidthChangingEx(map.Edit(), 20, 21, true);

  EXPECT_EQ(map->Width, 21);
  for (int y = 1; y <= 20; ++y) {
    EXPECT_TRUE(map->Cell(1, y).IsEmpty());
    EXPECT_EQ(map->Cell(2, y), Marked(1));
    EXPECT_EQ(map->Cell(21, y), Marked(20));
  }
  EXPECT_EQ(map->Cell(5, 21), Marked(99));
  EXPECT_TRUE(map->Cell(6, 21).IsEmpty());
  const Platform& platform = map->Platforms[0];
  EXPECT_EQ(platform.StartX, 2);
  EXPECT_EQ(platform.EndX, 21);
  EXPECT_EQ(platform.SwitchX, 8);
  EXPECT_EQ(platform.StartY, 2);
  EXPECT_EQ(map->Springs[0].Points[0].X, 2);
  EXPECT_EQ(map->Springs[0].Points[1].X, 21);
  EXPECT_EQ(map->Springs[0].Points[1].Y, 20);
  EXPECT_EQ(map->PrimaryCharX, 5);
  EXPECT_EQ(map->PrimaryCharY, 5);
}

TEST_F(MapResizingTest, RisingLeftShrinkDropsColumnOneAndKeepsItemsOutside) {
  MarkColumns();
  AddItems();

  UDWidthChangingEx(map.Edit(), 20, 19, true);

  EXPECT_EQ(map->Width, 19);
  for (int y = 1; y <= 20; ++y) {
    EXPECT_EQ(map->Cell(1, y), Marked(2));
    EXPECT_EQ(map->Cell(19, y), Marked(20));
    EXPECT_TRUE(map->Cell(20, y).IsEmpty());
  }
  EXPECT_EQ(map->Platforms[0].StartX, 0);
  EXPECT_EQ(map->Platforms[0].EndX, 19);
  EXPECT_EQ(map->Platforms[0].SwitchX, 6);
  EXPECT_EQ(map->Springs[0].Points[0].X, 0);
  EXPECT_EQ(map->PrimaryCharX, 3);

  // Further out: platform bytes wrap, spring points go negative.
  UDWidthChangingEx(map.Edit(), 19, 18, true);
  EXPECT_EQ(map->Platforms[0].StartX, 255);
  EXPECT_EQ(map->Springs[0].Points[0].X, -1);
}

TEST_F(MapResizingTest, PlainWidthShrinkClearsTheColumnsBeyondAndMovesNothing) {
  MarkColumns();
  AddItems();
  map->Cell(256, 20) = Marked(7);
  map->Cell(20, 21) = Marked(8);  // above the height: kept

  UDWidthChangingEx(map.Edit(), 20, 19, false);

  EXPECT_EQ(map->Width, 19);
  for (int y = 1; y <= 20; ++y) {
    EXPECT_EQ(map->Cell(19, y), Marked(19));
    EXPECT_TRUE(map->Cell(20, y).IsEmpty());
  }
  EXPECT_TRUE(map->Cell(256, 20).IsEmpty());
  EXPECT_EQ(map->Cell(20, 21), Marked(8));
  EXPECT_EQ(map->Platforms[0].EndX, 20);
  EXPECT_EQ(map->Springs[0].Points[1].X, 20);
  EXPECT_EQ(map->PrimaryCharX, 4);
}

TEST_F(MapResizingTest, PlainWidthGrowthOnlyChangesTheWidth) {
  MarkColumns();
  AddItems();
  map->Cell(21, 3) = Marked(5);

  UDWidthChangingEx(map.Edit(), 20, 21, false);

  EXPECT_EQ(map->Width, 21);
  EXPECT_EQ(map->Cell(1, 1), Marked(1));
  EXPECT_EQ(map->Cell(21, 3), Marked(5));
  EXPECT_EQ(map->Platforms[0].StartX, 1);
  EXPECT_EQ(map->PrimaryCharX, 4);
}

TEST_F(MapResizingTest, RisingDownGrowthMovesEverythingOneRowUp) {
  MarkRows();
  AddItems();
  map->Cell(21, 5) = Marked(99);  // right of the width: not moved

  UDHeightChangingEx(map.Edit(), 20, 21, true);

  EXPECT_EQ(map->Height, 21);
  for (int x = 1; x <= 20; ++x) {
    EXPECT_TRUE(map->Cell(x, 1).IsEmpty());
    EXPECT_EQ(map->Cell(x, 2), Marked(1));
    EXPECT_EQ(map->Cell(x, 21), Marked(20));
  }
  EXPECT_EQ(map->Cell(21, 5), Marked(99));
  EXPECT_TRUE(map->Cell(21, 6).IsEmpty());
  const Platform& platform = map->Platforms[0];
  EXPECT_EQ(platform.StartY, 3);
  EXPECT_EQ(platform.EndY, 20);
  EXPECT_EQ(platform.SwitchY, 9);
  EXPECT_EQ(platform.StartX, 1);
  EXPECT_EQ(map->Springs[0].Points[0].Y, 4);
  EXPECT_EQ(map->Springs[0].Points[1].Y, 21);
  EXPECT_EQ(map->Springs[0].Points[1].X, 20);
  EXPECT_EQ(map->PrimaryCharY, 6);
  EXPECT_EQ(map->PrimaryCharX, 4);
}

TEST_F(MapResizingTest, RisingDownShrinkDropsRowOne) {
  MarkRows();
  AddItems();

  UDHeightChangingEx(map.Edit(), 20, 19, true);

  EXPECT_EQ(map->Height, 19);
  for (int x = 1; x <= 20; ++x) {
    EXPECT_EQ(map->Cell(x, 1), Marked(2));
    EXPECT_EQ(map->Cell(x, 19), Marked(20));
    EXPECT_TRUE(map->Cell(x, 20).IsEmpty());
  }
  EXPECT_EQ(map->Platforms[0].StartY, 1);
  EXPECT_EQ(map->Platforms[0].EndY, 18);
  EXPECT_EQ(map->Springs[0].Points[0].Y, 2);
  EXPECT_EQ(map->PrimaryCharY, 4);
}

TEST_F(MapResizingTest, PlainHeightShrinkClearsTheRowsBeyond) {
  MarkRows();
  AddItems();
  map->Cell(20, 256) = Marked(7);
  map->Cell(21, 20) = Marked(8);  // right of the width: kept

  UDHeightChangingEx(map.Edit(), 20, 19, false);

  EXPECT_EQ(map->Height, 19);
  for (int x = 1; x <= 20; ++x) {
    EXPECT_EQ(map->Cell(x, 19), Marked(19));
    EXPECT_TRUE(map->Cell(x, 20).IsEmpty());
  }
  EXPECT_TRUE(map->Cell(20, 256).IsEmpty());
  EXPECT_EQ(map->Cell(21, 20), Marked(8));
  EXPECT_EQ(map->Platforms[0].EndY, 19);
  EXPECT_EQ(map->Springs[0].Points[1].Y, 20);
  EXPECT_EQ(map->PrimaryCharY, 5);
}

TEST_F(MapResizingTest, PlainHeightGrowthOnlyChangesTheHeight) {
  MarkRows();
  AddItems();

  UDHeightChangingEx(map.Edit(), 20, 21, false);

  EXPECT_EQ(map->Height, 21);
  EXPECT_EQ(map->Cell(1, 1), Marked(1));
  EXPECT_EQ(map->Platforms[0].StartY, 2);
}

TEST_F(MapResizingTest, PlatformRowsWrapAtTheTop) {
  map->Platforms[0].SwitchY = 255;
  map->PlatformCount = 1;
  UDHeightChangingEx(map.Edit(), 20, 21, true);
  EXPECT_EQ(map->Platforms[0].SwitchY, 0);
}

TEST_F(MapResizingTest, ArrowsAtTheLimitsChangeNothing) {
  for (bool rise : {false, true}) {
    MarkColumns();
    AddItems();
    const auto before = std::make_unique<Map>(*map);

    map->Width = map->Height = 1;
    UDWidthChangingEx(map.Edit(), 1, 0, rise);
    UDHeightChangingEx(map.Edit(), 1, 0, rise);
    EXPECT_EQ(map->Width, 1);
    EXPECT_EQ(map->Height, 1);

    map->Width = map->Height = 255;
    UDWidthChangingEx(map.Edit(), 255, 256, rise);
    UDHeightChangingEx(map.Edit(), 255, 256, rise);
    EXPECT_EQ(map->Width, 255);
    EXPECT_EQ(map->Height, 255);

    EXPECT_EQ(map->Cells, before->Cells);
    EXPECT_EQ(map->Platforms[0], before->Platforms[0]);
    EXPECT_EQ(map->Springs[0].Points[0], before->Springs[0].Points[0]);
    EXPECT_EQ(map->PrimaryCharX, before->PrimaryCharX);
    EXPECT_EQ(map->PrimaryCharY, before->PrimaryCharY);
  }
}

TEST_F(MapResizingTest, NoPrimaryCharStaysUnchosen) {
  UDWidthChangingEx(map.Edit(), 20, 21, true);
  UDHeightChangingEx(map.Edit(), 20, 21, true);
  UDWidthChangingEx(map.Edit(), 21, 20, true);
  EXPECT_EQ(map->PrimaryCharX, -1);
}

TEST_F(MapResizingTest, ShiftsAtTheLargestSize) {
  map->Width = map->Height = 254;
  map->Cell(254, 254) = Marked(3);
  map->Cell(1, 1) = Marked(4);

  UDWidthChangingEx(map.Edit(), 254, 255, true);
  UDHeightChangingEx(map.Edit(), 254, 255, true);
  EXPECT_EQ(map->Cell(255, 255), Marked(3));
  EXPECT_EQ(map->Cell(2, 2), Marked(4));

  UDWidthChangingEx(map.Edit(), 255, 254, true);
  UDHeightChangingEx(map.Edit(), 255, 254, true);
  EXPECT_EQ(map->Cell(254, 254), Marked(3));
  EXPECT_EQ(map->Cell(1, 1), Marked(4));
  for (int i = 1; i <= 255; ++i) {
    EXPECT_TRUE(map->Cell(255, i).IsEmpty());
    EXPECT_TRUE(map->Cell(i, 255).IsEmpty());
  }
}

TEST_F(MapResizingTest, ProgramChangesMoveTheContentByOne) {
  MarkColumns();
  UDWidthChangingEx(map.Edit(), 20, 40, true);
  EXPECT_EQ(map->Width, 40);
  EXPECT_EQ(map->Cell(2, 1), Marked(1));
  EXPECT_TRUE(map->Cell(1, 1).IsEmpty());
}
