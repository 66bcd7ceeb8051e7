// "Select Tiles", "Copy Tiles" and "Load Screen Output" through the window,
// with the special panel shown (the custom texts switch off), and the tools
// with the switch on as the editor runs.

#include <QListWidget>
#include <QPushButton>

#include "editing_fixture.h"

namespace {

const QColor Red(255, 0, 0);
// The colour of every image of the test tile sets.
const QColor TileColour(40, 120, 200);

}  // namespace

class BlocksTest : public EditingTest {
 protected:
  BlocksTest() { CustomTextsOn = false; }

  void ClickButton(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

  void Select(std::initializer_list<CellPosition> cells) {
    ClickButton(Panel().BSelectTiles);
    for (const CellPosition& cell : cells) ClickCell(Qt::LeftButton, cell.X, cell.Y);
  }

  QColor PixelOfCell(int column, int row) const {
    return Surface()->Buffer().pixelColor(CellPixel(column, row));
  }
};

TEST_F(BlocksTest, SpecialPanelIsShownWhileTheSwitchIsOff) {
  EXPECT_FALSE(CustomTextsShown());
  EXPECT_TRUE(Panel().SpecialPanel->isVisible());
  EXPECT_FALSE(Panel().CustomTextsPanel->isVisible());
}

TEST_F(BlocksTest, SelectingAddsEachMapCellOnce) {
  ChooseMode(ModeMidground);
  ClickButton(Panel().BSelectTiles);
  EXPECT_EQ(Tools().State().ActiveTool, Tool::ToolSelectBlock);
  EXPECT_TRUE(Panel().LBMode->selectedItems().isEmpty());

  ClickCell(Qt::LeftButton, 3, 5);
  ClickCell(Qt::RightButton, 4, 5);
  ClickCell(Qt::MiddleButton, 3, 4);
  ClickCell(Qt::LeftButton, 3, 5);   // already selected
  ClickCell(Qt::LeftButton, 21, 5);  // off the map
  // A drag adds the cell under the pointer at every movement.
  Press(Qt::LeftButton, CellPixel(6, 6));
  Move(CellPixel(7, 6));
  Move(CellPixel(9, 6));
  Release(Qt::LeftButton, CellPixel(9, 6));
  EXPECT_EQ(Tools().Selection().Cells(),
            (std::vector<CellPosition>{{3, 5}, {4, 5}, {3, 4}, {6, 6}, {7, 6}, {9, 6}}));
  EXPECT_FALSE(TheMap().Saved);

  // "Select Tiles" again starts a new selection.
  ClickButton(Panel().BSelectTiles);
  EXPECT_EQ(Tools().Selection().Count(), 0);
}

TEST_F(BlocksTest, PasteLandsTheAnchorOnThePressedCell) {
  TheMap().Cell(3, 5) = MapCell{1, 1, 1, 1, 1, 1};
  TheMap().Cell(4, 5).BgTile = 2;
  TheMap().Cell(3, 4).CharKind = 1;
  TheMap().Cell(4, 4).TextId = 9;
  TheMap().PrimaryCharX = 3;
  TheMap().PrimaryCharY = 4;
  ChooseMode(ModeForeground);
  Select({{3, 5}, {4, 5}, {3, 4}, {4, 4}});
  ClickButton(Panel().BCopyTiles);
  EXPECT_EQ(Tools().State().ActiveTool, Tool::ToolPasteBlock);
  EXPECT_EQ(Tools().Selection().PasteAnchor(), 2);  // (3, 4), sum 7
  EXPECT_TRUE(Panel().LBMode->selectedItems().isEmpty());

  ClickCell(Qt::LeftButton, 10, 10);
  EXPECT_EQ(TheMap().Cell(10, 11), (MapCell{1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(TheMap().Cell(11, 11).BgTile, 2);
  EXPECT_EQ(TheMap().Cell(10, 10).CharKind, 1);
  EXPECT_EQ(TheMap().Cell(11, 10).TextId, 9);
  // The primary char stays where it was.
  EXPECT_EQ(TheMap().PrimaryCharX, 3);
  EXPECT_EQ(TheMap().PrimaryCharY, 4);

  // A paste copies what the cells hold at the moment of the paste.
  TheMap().Cell(4, 5).BgTile = 1;
  ClickCell(Qt::MiddleButton, 15, 2);
  EXPECT_EQ(TheMap().Cell(16, 3).BgTile, 1);

  // The right button goes back to placing on the layer chosen before.
  ClickCell(Qt::RightButton, 1, 1);
  EXPECT_EQ(Tools().State().ActiveTool, Tool::ToolPlaceTile);
  EXPECT_EQ(Tools().State().ActiveLayer, LayerFg);
  EXPECT_EQ(TheMap().Cell(1, 2).BgTile, 0);
}

TEST_F(BlocksTest, EqualSumsMakeTheEarliestEntryTheAnchor) {
  Select({{2, 3}, {3, 2}});
  ClickButton(Panel().BCopyTiles);
  EXPECT_EQ(Tools().Selection().PasteAnchor(), 0);
}

TEST_F(BlocksTest, PasteAtTheMapsEdgesCopiesOnlyTargetsOnTheMap) {
  for (const auto& [x, y] : {std::pair{1, 1}, {2, 1}, {1, 2}, {2, 2}})
    TheMap().Cell(x, y).MgTile = 1;
  Select({{1, 1}, {2, 1}, {1, 2}, {2, 2}});
  ClickButton(Panel().BCopyTiles);
  ClickCell(Qt::LeftButton, 20, 20);
  EXPECT_EQ(TheMap().Cell(20, 20).MgTile, 1);
  EXPECT_EQ(TheMap().Cell(21, 20).MgTile, 0);
  EXPECT_EQ(TheMap().Cell(20, 21).MgTile, 0);
  EXPECT_EQ(TheMap().Cell(21, 21).MgTile, 0);
  ClickCell(Qt::LeftButton, 20, 1);
  EXPECT_EQ(TheMap().Cell(20, 1).MgTile, 1);
  EXPECT_EQ(TheMap().Cell(20, 2).MgTile, 1);
  EXPECT_EQ(TheMap().Cell(21, 1).MgTile, 0);
}

TEST_F(BlocksTest, PasteOverItsOwnSelectionCopiesTheFormerContents) {
  TheMap().Cell(3, 3).BgTile = 1;
  TheMap().Cell(4, 3).BgTile = 2;
  Select({{3, 3}, {4, 3}});
  ClickButton(Panel().BCopyTiles);
  ClickCell(Qt::LeftButton, 4, 3);
  EXPECT_EQ(TheMap().Cell(4, 3).BgTile, 1);
  EXPECT_EQ(TheMap().Cell(5, 3).BgTile, 2);
}

TEST_F(BlocksTest, SelectedCellsAreOutlinedInRed) {
  Select({{3, 5}, {6, 2}});
  const int cellSize = View().CellSize;
  const int left = 2 * cellSize + 1;
  const int top = View().ViewHeight - 5 * cellSize;
  const QImage& frame = Surface()->Buffer();
  EXPECT_EQ(frame.pixelColor(left, top), Red);
  EXPECT_EQ(frame.pixelColor(left + cellSize - 1, top + cellSize - 1), Red);
  EXPECT_NE(frame.pixelColor(left - 1, top), Red);
  EXPECT_NE(frame.pixelColor(left + cellSize, top), Red);
  EXPECT_NE(PixelOfCell(3, 5), Red);

  // Another tool shows no outlines.
  ChooseMode(ModeBackground);
  Form->RedrawView();
  EXPECT_NE(Surface()->Buffer().pixelColor(left, top), Red);
}

TEST_F(BlocksTest, PreviewFollowsThePointerInsideTheMap) {
  TheMap().Cell(2, 2).BgTile = 1;
  TheMap().Cell(3, 2).ObjectKind = 1;
  Select({{2, 2}, {3, 2}});
  ClickButton(Panel().BCopyTiles);
  Move(CellPixel(10, 8));
  EXPECT_EQ(PixelOfCell(10, 8), TileColour);
  EXPECT_EQ(PixelOfCell(11, 8), TileColour);
  EXPECT_NE(PixelOfCell(10, 9), TileColour);

  // At the right edge the cell whose target is off the map is not shown,
  // though the surface goes on.
  Move(CellPixel(20, 8));
  EXPECT_EQ(PixelOfCell(20, 8), TileColour);
  ASSERT_GT(View().ViewWidth, 22 * View().CellSize);
  EXPECT_NE(PixelOfCell(21, 8), TileColour);
  EXPECT_EQ(TheMap().Cell(20, 8).BgTile, 0);
}

TEST_F(BlocksTest, ScreenOutputShowsTheBlockBetweenTheFirstTwoCells) {
  TheMap().Cell(3, 6).BgTile = 1;
  TheMap().Cell(4, 6).BgTile = 2;
  TheMap().Cell(4, 5).BgTile = 3;
  TheMap().Cell(3, 6).MgTile = 1;
  TheMap().Cell(4, 5).FgTile = 1;
  Select({{3, 6}, {4, 5}, {9, 9}});
  ClickButton(Panel().BLoadScreenOutput);
  EXPECT_EQ(Boxes.Messages,
            QStringList{QStringLiteral("{{{0,-1},{1,2}},{{0,-1},{-1,-1}},{{-1,-1},{-1,0}}},")});

  // Corners in the wrong order give empty arrays.
  Select({{4, 5}, {3, 6}});
  ClickButton(Panel().BLoadScreenOutput);
  Select({{3, 5}, {4, 6}});
  ClickButton(Panel().BLoadScreenOutput);
  EXPECT_EQ(Boxes.Messages.mid(1), (QStringList{QStringLiteral("{{},{},{}},"),
                                                QStringLiteral("{{{},{}},{{},{}},{{},{}}},")}));

  // With fewer than two cells there is no block.
  Select({{3, 6}});
  ClickButton(Panel().BLoadScreenOutput);
  EXPECT_EQ(Boxes.Messages.size(), 3);
  EXPECT_EQ(TheMap().Cell(3, 6).BgTile, 1);
}

// The editor as it runs: the special panel is hidden, the tools work alike.
TEST_F(EditingTest, BlockToolsWorkWithTheSpecialPanelHidden) {
  ASSERT_TRUE(CustomTextsShown());
  EXPECT_FALSE(Panel().SpecialPanel->isVisible());
  TheMap().Cell(5, 5).FgTile = 1;
  Form->BSelectTilesClick();
  ClickCell(Qt::LeftButton, 5, 5);
  ClickCell(Qt::LeftButton, 6, 4);
  Form->BCopyTilesClick();
  ClickCell(Qt::LeftButton, 10, 10);
  EXPECT_EQ(TheMap().Cell(10, 10).FgTile, 1);
  Form->BLoadScreenOutputClick();
  EXPECT_EQ(Boxes.Messages,
            QStringList{QStringLiteral("{{{-1,-1},{-1,-1}},{{-1,-1},{-1,-1}},{{0,-1},{-1,-1}}},")});
}
