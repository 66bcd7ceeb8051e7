#include "view/map_overlays.h"

#include "map_view_fixture.h"
#include "view/view_colours.h"

namespace {

const QColor Fuchsia(255, 0, 255);

}  // namespace

class MapOverlaysTest : public MapViewTest {
 protected:
  MapOverlaysTest() {
    // A small map keeps the grid out of the way.
    TheMap->Width = 1;
    TheMap->Height = 1;
  }

  void AddSpring(int kind, std::initializer_list<SpringPoint> points) {
    Spring& spring = TheMap->Springs[static_cast<size_t>(TheMap->SpringCount++)];
    spring.Kind = kind;
    spring.PointCount = static_cast<int>(points.size());
    std::copy(points.begin(), points.end(), spring.Points.begin());
  }
};

TEST(SpringColours, ByKind) {
  EXPECT_EQ(SpringColour(0), QColor(255, 0, 0));
  EXPECT_EQ(SpringColour(1), QColor(255, 255, 255));
  EXPECT_EQ(SpringColour(2), QColor(255, 0, 0));
  EXPECT_EQ(SpringColour(3), QColor(0, 255, 0));
  EXPECT_EQ(SpringColour(4), QColor(0, 255, 255));
  EXPECT_EQ(SpringColour(5), QColor(255, 0, 255));
  EXPECT_EQ(SpringColour(6), QColor(255, 255, 0));
  EXPECT_EQ(SpringColour(7), QColor(128, 128, 128));
  EXPECT_EQ(SpringColour(16), QColor(128, 128, 128));
  EXPECT_EQ(SpringColour(-1), QColor(128, 128, 128));
}

TEST_F(MapOverlaysTest, SpringsAreDrawnInTheirKindsColour) {
  // Row 10 lies at y = 569 - 160 = 409.
  AddSpring(3, {{10, 10, TopLeft}, {14, 10, TopLeft}, {14, 12, TopLeft}});
  AddSpring(9, {{10, 20, TopLeft}, {12, 20, TopLeft}});
  ASSERT_TRUE(Redraw());
  EXPECT_EQ(Count(QRect(144, 409, 64, 1), QColor(0, 255, 0)), 64);
  // The second segment runs up from (208, 409) to (208, 377).
  EXPECT_EQ(Count(QRect(208, 378, 1, 32), QColor(0, 255, 0)), 32);
  EXPECT_NE(At(208, 377), QColor(0, 255, 0).rgb());
  EXPECT_EQ(Count(Buffer.rect(), QColor(0, 255, 0)), 64 + 32);
  EXPECT_EQ(Count(QRect(0, 0, Width, 400), ViewColours::OtherSpring), 32);
}

TEST_F(MapOverlaysTest, SpringWithOnePointShowsNothing) {
  AddSpring(4, {{10, 10, Center}});
  ASSERT_TRUE(Redraw());
  EXPECT_EQ(Count(Buffer.rect(), QColor(0, 255, 255)), 0);
}

TEST_F(MapOverlaysTest, SpringsFollowTheCamera) {
  AddSpring(6, {{10, 10, TopLeft}, {14, 10, TopLeft}});
  Inputs.Geometry.CameraX = 2;
  Inputs.Geometry.CameraY = 1;
  ASSERT_TRUE(Redraw());
  EXPECT_EQ(Count(QRect(112, 425, 64, 1), QColor(255, 255, 0)), 64);
}

TEST_F(MapOverlaysTest, PlatformImagesAndPath) {
  TheMap->PlatformCount = 1;
  TheMap->Platforms[0] = Platform{3, 3, 8, 3, 0, 0, 5, 1, NoSwitch};
  ASSERT_TRUE(Redraw());
  // Start image at x 32..63, y 521..536; end image at x 112..143.
  // The path runs from centre (48, 529) to centre (128, 529), its end excluded,
  // over half a row of each image.
  EXPECT_EQ(Count(QRect(32, 521, 32, 16), SampleColours::Platform), 32 * 16 - 16);
  EXPECT_EQ(Count(QRect(112, 521, 32, 16), SampleColours::Platform), 32 * 16 - 16);
  EXPECT_EQ(Count(QRect(0, 529, Width, 1), Fuchsia), 80);
  EXPECT_EQ(At(128, 529), SampleColours::Platform.rgb());

  SetZoom(20);
  ASSERT_TRUE(Redraw());
  EXPECT_EQ(Count(Buffer.rect(), SampleColours::Platform), 2 * 64 * 32 - 64);
}

TEST_F(MapOverlaysTest, SwitchLineOnlyForTypesWithASwitch) {
  TheMap->PlatformCount = 1;
  for (uint8_t type = 0; type < SwitchTypeCount; ++type) {
    TheMap->Platforms[0] = Platform{3, 3, 8, 3, 8, 10, 5, 1, type};
    ASSERT_TRUE(Redraw());
    // From (128, 529) up to the switch cell's centre (120, 417), its end excluded.
    const int switchLine = Count(QRect(100, 400, 40, 121), Fuchsia);
    if (type == NoSwitch || type == NoSwitchOneMove) {
      EXPECT_EQ(switchLine, 0) << int{type};
    } else {
      EXPECT_EQ(switchLine, 103) << int{type};
      EXPECT_EQ(At(120, 418), Fuchsia.rgb());
      EXPECT_NE(At(120, 417), Fuchsia.rgb());
    }
  }
}

TEST_F(MapOverlaysTest, PlatformsFollowTheirOwnSwitchOnly) {
  TheMap->PlatformCount = 1;
  TheMap->Platforms[0] = Platform{3, 3, 8, 3, 0, 0, 5, 1, NoSwitch};
  Inputs.Show.Objects = false;
  ASSERT_TRUE(Redraw());
  EXPECT_GT(Count(Buffer.rect(), SampleColours::Platform), 0);
  Inputs.Show.Objects = true;
  Inputs.Show.Platforms = false;
  ASSERT_TRUE(Redraw());
  EXPECT_EQ(Count(Buffer.rect(), SampleColours::Platform), 0);
  EXPECT_EQ(Count(Buffer.rect(), Fuchsia), 0);
}

// The selection tool's block following the pointer: its springs land where
// its cell (1, 1) would, and the dashed outline shows on any colour.
TEST_F(MapOverlaysTest, AFloatingBlockIsDrawnWhereItWouldLandInsideItsOutline) {
  Map block;
  NewMap(block);
  block.Width = 5;
  block.Height = 3;
  Spring& spring = block.Springs[block.SpringCount++];
  spring.Kind = 3;
  spring.PointCount = 2;
  spring.Points[0] = {1, 1, TopLeft};
  spring.Points[1] = {5, 1, TopLeft};
  Inputs.ActiveTool = Tool::ToolSelectArea;
  Inputs.Area.Floating = &block;
  Inputs.Area.FloatingAt = {10, 10};
  Inputs.Area.Outline = CellArea{10, 10, 5, 3};
  ASSERT_TRUE(Redraw());
  // Row 10 lies at y = 569 - 160 = 409; column 10 starts at x = 144.
  EXPECT_EQ(Count(QRect(144, 409, 64, 1), QColor(0, 255, 0)), 64);
  // The outline's top edge, row 12's top at y = 569 - 192 = 377: white and
  // black dashes, 80 pixels in all.
  const QRect top(144, 377, 80, 1);
  EXPECT_EQ(Count(top, Qt::white) + Count(top, Qt::black), 80);
  EXPECT_GT(Count(top, Qt::black), 20);
  EXPECT_GT(Count(top, Qt::white), 20);
}

// The phone's screen: game pixels scaled by the cell size over the base
// tile size, from the map's bottom-left corner, at every zoom.
TEST(PhoneScreen, LiesWhereTheGameShowsItAtEveryZoom) {
  const struct {
    int Zoom, CellSize, Width, Height;
  } cases[] = {{2, 3, 240, 320}, {10, 16, 240, 320}, {20, 32, 240, 320},
               {2, 3, 176, 208}, {10, 16, 176, 208}, {20, 32, 176, 208}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Zoom << " " << c.Width << "x" << c.Height);
    ViewGeometry view;
    view.ViewWidth = 800;
    view.ViewHeight = 600;
    view.Zoom = c.Zoom;
    view.CellSize = c.CellSize;
    view.CameraX = 2;
    view.CameraY = 1;
    const GameRect screen = ScreenAtCell(5, 4, c.Width, c.Height, 16);
    const QRect box = GameRectInView(view, screen);
    // Cell (5, 4)'s bottom-left corner is 2 columns and 2 rows from the view's.
    EXPECT_EQ(box.left(), 2 * c.CellSize);
    EXPECT_EQ(box.top() + box.height(), 600 - 2 * c.CellSize);
    EXPECT_EQ(box.width(), c.Width * c.CellSize / 16);
    EXPECT_EQ(box.height(), c.Height * c.CellSize / 16);
  }
  // Around a cell, kept inside the map where it fits.
  EXPECT_EQ(ScreenAroundCell(10, 10, 240, 320, 16, 40, 40).Left, 9 * 16 + 8 - 120);
  EXPECT_EQ(ScreenAroundCell(2, 2, 240, 320, 16, 40, 40).Bottom, 0);
  EXPECT_EQ(ScreenAroundCell(40, 40, 240, 320, 16, 40, 40).Left, 40 * 16 - 240);
  EXPECT_EQ(ScreenAroundCell(3, 3, 240, 320, 16, 5, 5).Left, 0);
}

TEST_F(MapOverlaysTest, ThePhoneScreenIsOutlinedAboveTheTiles) {
  Inputs.Screen.Following = ScreenAtCell(3, 2, 240, 320, 16);
  ASSERT_TRUE(Redraw());
  // Left edge at x = 32, bottom edge at y = 569 - 16 - 1 = 552, 240 wide.
  EXPECT_EQ(Count(QRect(32, 552 - 100, 1, 100), Qt::white), 100);
  EXPECT_EQ(Count(QRect(40, 552, 200, 1), Qt::white), 200);
  EXPECT_EQ(Count(QRect(31, 552 - 100, 1, 100), Qt::black), 100);
}
