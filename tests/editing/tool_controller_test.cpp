// The pointer and the tools without a window: what presses, drags and
// releases make of the document's steps, the palette, and undo and redo
// around a placement.

#include "editing/tool_controller.h"

#include <gtest/gtest.h>

#include "edited_map.h"
#include "editing/map_history.h"
#include "view/tile_set.h"

namespace {

constexpr int Cell = 16;

class ToolControllerTest : public ::testing::Test {
 protected:
  ToolControllerTest() {
    // Four images in every set: the palette is one row of four cells at
    // the top right of a 480 x 320 surface.
    for (TileSet* set : {&Sets.DXBG, &Sets.DXMG, &Sets.DXFG, &Sets.DXOBJ, &Sets.DXCH,
                         &Sets.DXMISC, &Sets.DXPLA})
      set->Entries.resize(5);
    View.ViewWidth = 480;
    View.ViewHeight = 320;
    View.CellSize = Cell;
  }

  // The middle of map cell (x, y).
  static int X(int x) { return (x - 1) * Cell + Cell / 2; }
  static int Y(int y) { return 320 - (y - 1) * Cell - Cell / 2; }

  void Click(MouseButton button, int x, int y) {
    Tools.Press(button, X(x), Y(y));
    Tools.Release(button, X(x), Y(y), 1);
  }

  const MapHistory& History() const { return Map.Document.History(); }

  EditedMap Map;
  ViewGeometry View;
  TileSets Sets;
  ToolController Tools{Map.Document, View, Sets};
};

TEST_F(ToolControllerTest, AStrokeFromPressToReleaseIsOneStepWithoutGaps) {
  Tools.ChooseSelected(3);
  Tools.Press(MouseButton::Left, X(2), Y(2));
  EXPECT_FALSE(Map->Saved);
  const ToolResponse repeat = Tools.Move(X(6), Y(2), true);
  EXPECT_EQ(repeat.Refreshed.size(), 4u);  // cells 3..6
  EXPECT_TRUE(Map.Document.StepOpen());
  Tools.Release(MouseButton::Left, X(6), Y(2), 1);
  EXPECT_FALSE(Map.Document.StepOpen());
  for (int x = 2; x <= 6; ++x) EXPECT_EQ(Map->Cell(x, 2).BgTile, 3) << x;
  ASSERT_EQ(History().StepCount(), 1u);
  EXPECT_EQ(History().UndoName(), "Paint");
  EXPECT_EQ(Tools.Undo(), ToolController::Restored::Step);
  EXPECT_EQ(Map->Cell(4, 2).BgTile, 0);
  EXPECT_TRUE(Map->Saved);
}

TEST_F(ToolControllerTest, APressOnThePalettePicksAndChangesNothing) {
  const ToolResponse response = Tools.Press(MouseButton::Left, 480 - 2 * Cell, 5);
  EXPECT_EQ(response.PickedEntry, 3);
  Tools.Release(MouseButton::Left, 480 - 2 * Cell, 5, 1);
  EXPECT_EQ(History().StepCount(), 0u);
  EXPECT_TRUE(Map->Saved);
}

// Undo first ends a spring being drawn, keeping it; redo has nothing to do
// while one is drawn; the next undo takes the spring back.
TEST_F(ToolControllerTest, UndoEndsASpringBeingDrawnFirst) {
  Tools.ChooseMode(ModeSprings);
  Click(MouseButton::Left, 3, 3);
  Click(MouseButton::Left, 5, 3);
  ASSERT_TRUE(Tools.PlacementInProgress());
  EXPECT_EQ(Tools.Redo(), ToolController::Restored::Nothing);
  EXPECT_EQ(Tools.Undo(), ToolController::Restored::PlacementEnded);
  EXPECT_FALSE(Tools.PlacementInProgress());
  EXPECT_EQ(Map->SpringCount, 1);
  EXPECT_EQ(History().UndoName(), "Spring");
  EXPECT_EQ(Tools.Undo(), ToolController::Restored::Step);
  EXPECT_EQ(Map->SpringCount, 0);
  EXPECT_EQ(Tools.Redo(), ToolController::Restored::Step);
  EXPECT_EQ(Map->Springs[0].PointCount, 2);
}

// A platform waits for its dialog within its step; leaving the tool drops
// one being placed, and a recovery copy leaves it out.
TEST_F(ToolControllerTest, APlatformIsOneStepWithItsDialog) {
  Tools.ChooseMode(ModePlatforms);
  Tools.Press(MouseButton::Left, X(2), Y(5));
  Tools.Release(MouseButton::Left, X(2), Y(5), 2);
  EXPECT_EQ(Tools.FinishedPlatformCount(), 0);
  Tools.Press(MouseButton::Left, X(6), Y(5));
  EXPECT_TRUE(Tools.Release(MouseButton::Left, X(6), Y(5), 1).Edit.OpenPlatformDialog);
  EXPECT_TRUE(Map.Document.StepOpen());
  Tools.PlatformDialogClosed(NoSwitch, 7);
  EXPECT_FALSE(Map.Document.StepOpen());
  EXPECT_EQ(Tools.FinishedPlatformCount(), 1);
  EXPECT_EQ(Map->Platforms[0].Speed, 7);
  EXPECT_EQ(Map->Platforms[0].Kind, 2);
  EXPECT_EQ(History().StepCount(), 1u);

  Click(MouseButton::Left, 8, 8);
  EXPECT_EQ(Map->PlatformCount, 2);
  Tools.ChooseMode(ModeBackground);
  EXPECT_EQ(Map->PlatformCount, 1);
}

}  // namespace
