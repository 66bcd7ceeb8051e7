#include "editing/cell_selection.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/editor_state.h"
#include "edited_map.h"
#include "model/map.h"

namespace {

class CellSelectionTest : public ::testing::Test {
 protected:
  CellSelectionTest() {
    map->Width = 20;
    map->Height = 20;
  }

  void Select(std::initializer_list<CellPosition> cells) {
    SelectTilesClick(state, selection);
    for (const CellPosition& cell : cells) SelectionPress(*map, selection, cell.X, cell.Y);
    CopyTilesClick(state, selection);
  }

  // A cell whose six bytes all carry `value`, so copies are easy to tell apart.
  static MapCell Marked(uint8_t value) { return MapCell{value, value, value, value, value, value}; }

  EditedMap map;
  EditorState state;
  CellSelection selection;
};

}  // namespace

TEST_F(CellSelectionTest, SelectTilesStartsAnEmptySelection) {
  selection.Add({1, 1});
  state.ActiveLayer = 2;

  SelectTilesClick(state, selection);

  EXPECT_EQ(state.ActiveTool, Tool::ToolSelectBlock);
  EXPECT_EQ(state.ActiveLayer, 2);
  EXPECT_EQ(selection.Count(), 0);
}

TEST_F(CellSelectionTest, SelectionPressAddsEachMapCellOnceInOrder) {
  EXPECT_TRUE(SelectionPress(*map, selection, 3, 5).RedrawView);
  EXPECT_TRUE(SelectionPress(*map, selection, 4, 5).RedrawView);
  EXPECT_TRUE(SelectionPress(*map, selection, 3, 5).RedrawView);

  ASSERT_EQ(selection.Count(), 2);
  EXPECT_EQ(selection.Cells()[0], (CellPosition{3, 5}));
  EXPECT_EQ(selection.Cells()[1], (CellPosition{4, 5}));
}

TEST_F(CellSelectionTest, SelectionPressOffTheMapIsIgnoredWithoutRedraw) {
  for (const CellPosition cell : {CellPosition{0, 1}, CellPosition{21, 1}, CellPosition{1, 21},
                                  CellPosition{1, 0}, CellPosition{-5, 300}}) {
    const EditResult result = SelectionPress(*map, selection, cell.X, cell.Y);
    EXPECT_FALSE(result.RedrawView);
  }
  EXPECT_EQ(selection.Count(), 0);
}

TEST_F(CellSelectionTest, SelectionHoldsAtMost256Cells) {
  map->Width = 255;
  for (int x = 1; x <= 255; ++x) SelectionPress(*map, selection, x, 1);
  SelectionPress(*map, selection, 1, 2);
  SelectionPress(*map, selection, 2, 2);

  ASSERT_EQ(selection.Count(), CellSelection::Capacity);
  EXPECT_EQ(selection.Cells().back(), (CellPosition{1, 2}));
  EXPECT_FALSE(selection.Contains({2, 2}));
}

TEST_F(CellSelectionTest, AddRefusesCellsOutsideTheStorage) {
  EXPECT_FALSE(selection.Add({0, 1}));
  EXPECT_FALSE(selection.Add({1, 257}));
  EXPECT_TRUE(selection.Add({256, 256}));
  EXPECT_EQ(selection.Count(), 1);
}

TEST_F(CellSelectionTest, AnchorIsTheCellWithTheSmallestColumnPlusRow) {
  Select({{3, 5}, {4, 5}, {3, 4}, {4, 4}});

  EXPECT_EQ(state.ActiveTool, Tool::ToolPasteBlock);
  EXPECT_EQ(selection.PasteAnchor(), 2);
}

TEST_F(CellSelectionTest, AnchorAmongEqualSumsIsTheEarliestEntry) {
  Select({{2, 3}, {3, 2}});
  EXPECT_EQ(selection.PasteAnchor(), 0);

  Select({{5, 5}, {3, 2}, {2, 3}, {1, 4}});
  EXPECT_EQ(selection.PasteAnchor(), 1);
}

TEST_F(CellSelectionTest, PasteLandsTheAnchorOnThePressedCell) {
  map->Cell(3, 5) = Marked(1);
  map->Cell(4, 5) = Marked(2);
  map->Cell(3, 4) = Marked(3);
  map->Cell(4, 4) = Marked(4);
  Select({{3, 5}, {4, 5}, {3, 4}, {4, 4}});

  const EditResult result = PastePress(map.Edit(), state, selection, MouseButton::Left, 10, 10);

  EXPECT_TRUE(result.RedrawView);
  EXPECT_FALSE(result.UpdateTileCounters);
  EXPECT_EQ(map->Cell(10, 11), Marked(1));
  EXPECT_EQ(map->Cell(11, 11), Marked(2));
  EXPECT_EQ(map->Cell(10, 10), Marked(3));
  EXPECT_EQ(map->Cell(11, 10), Marked(4));
  EXPECT_EQ(map->Cell(3, 5), Marked(1));
  EXPECT_EQ(state.ActiveTool, Tool::ToolPasteBlock);
}

TEST_F(CellSelectionTest, PasteCopiesAllSixLayersAndLeavesThePrimaryChar) {
  map->Cell(2, 2) = MapCell{1, 2, 3, 4, ZuboCharKind, 6};
  map->PrimaryCharX = 2;
  map->PrimaryCharY = 2;
  Select({{2, 2}});

  PastePress(map.Edit(), state, selection, MouseButton::Middle, 7, 8);

  EXPECT_EQ(map->Cell(7, 8), (MapCell{1, 2, 3, 4, ZuboCharKind, 6}));
  EXPECT_EQ(map->PrimaryCharX, 2);
  EXPECT_EQ(map->PrimaryCharY, 2);
}

TEST_F(CellSelectionTest, PasteOverwritesTargetsWithEmptyCellsToo) {
  map->Cell(5, 5) = Marked(9);
  Select({{1, 1}});

  PastePress(map.Edit(), state, selection, MouseButton::Left, 5, 5);

  EXPECT_TRUE(map->Cell(5, 5).IsEmpty());
}

TEST_F(CellSelectionTest, PasteCopiesTheContentsAtTheTimeOfThePaste) {
  Select({{1, 1}});
  map->Cell(1, 1) = Marked(7);

  PastePress(map.Edit(), state, selection, MouseButton::Left, 4, 4);
  PastePress(map.Edit(), state, selection, MouseButton::Left, 6, 6);

  EXPECT_EQ(map->Cell(4, 4), Marked(7));
  EXPECT_EQ(map->Cell(6, 6), Marked(7));
}

TEST_F(CellSelectionTest, PasteNearTheRightAndTopEdgesCopiesOnlyCellsThatFit) {
  map->Width = 12;
  map->Height = 10;
  map->Cell(1, 1) = Marked(1);
  map->Cell(2, 1) = Marked(2);
  map->Cell(1, 2) = Marked(3);
  map->Cell(2, 2) = Marked(4);
  Select({{1, 1}, {2, 1}, {1, 2}, {2, 2}});

  PastePress(map.Edit(), state, selection, MouseButton::Left, 12, 10);

  EXPECT_EQ(map->Cell(12, 10), Marked(1));
  // The other targets lie beyond Width or Height: their storage is untouched.
  EXPECT_TRUE(map->Cell(13, 10).IsEmpty());
  EXPECT_TRUE(map->Cell(12, 11).IsEmpty());
  EXPECT_TRUE(map->Cell(13, 11).IsEmpty());
}

TEST_F(CellSelectionTest, PasteNearTheLeftAndBottomEdgesSkipsTargetsBelowColumnAndRowOne) {
  map->Cell(5, 5) = Marked(1);
  map->Cell(3, 5) = Marked(2);
  map->Cell(5, 3) = Marked(3);
  map->Cell(6, 6) = Marked(4);
  Select({{5, 5}, {3, 5}, {5, 3}, {6, 6}});
  ASSERT_EQ(selection.PasteAnchor(), 1);

  PastePress(map.Edit(), state, selection, MouseButton::Left, 1, 1);

  // (5, 3) lands on row -1 and is skipped; the others fit.
  EXPECT_EQ(map->Cell(3, 1), Marked(1));
  EXPECT_EQ(map->Cell(1, 1), Marked(2));
  EXPECT_EQ(map->Cell(4, 2), Marked(4));
  EXPECT_EQ(map->Cell(5, 3), Marked(3));
}

TEST_F(CellSelectionTest, PasteOverItsOwnSelectionReadsEverySourceFirst) {
  map->Cell(1, 1) = Marked(1);
  map->Cell(2, 1) = Marked(2);
  map->Cell(3, 1) = Marked(3);
  Select({{1, 1}, {2, 1}, {3, 1}});

  PastePress(map.Edit(), state, selection, MouseButton::Left, 2, 1);

  // Copied cell by cell, (3, 1) would get what (2, 1) had just received.
  EXPECT_EQ(map->Cell(1, 1), Marked(1));
  EXPECT_EQ(map->Cell(2, 1), Marked(1));
  EXPECT_EQ(map->Cell(3, 1), Marked(2));
  EXPECT_EQ(map->Cell(4, 1), Marked(3));
}

TEST_F(CellSelectionTest, PasteReadsSelectedCellsLeftOutsideTheMapByResizing) {
  map->Cell(15, 15) = Marked(5);
  Select({{15, 15}});
  map->Width = 10;
  map->Height = 10;

  PastePress(map.Edit(), state, selection, MouseButton::Left, 2, 3);

  EXPECT_EQ(map->Cell(2, 3), Marked(5));
}

TEST_F(CellSelectionTest, RightPressReturnsToPlacingWithoutPastingOrRedraw) {
  map->Cell(1, 1) = Marked(1);
  state.ActiveLayer = 3;
  Select({{1, 1}});

  const EditResult result = PastePress(map.Edit(), state, selection, MouseButton::Right, 5, 5);

  EXPECT_EQ(state.ActiveTool, Tool::ToolPlaceTile);
  EXPECT_EQ(state.ActiveLayer, 3);
  EXPECT_FALSE(result.RedrawView);
  EXPECT_TRUE(map->Cell(5, 5).IsEmpty());
  EXPECT_EQ(selection.Count(), 1);
}

TEST_F(CellSelectionTest, PressOffTheMapNeitherPastesNorLeavesThePasteTool) {
  Select({{1, 1}});

  for (const MouseButton button : {MouseButton::Left, MouseButton::Right}) {
    const EditResult result = PastePress(map.Edit(), state, selection, button, 21, 5);
    EXPECT_FALSE(result.RedrawView);
    EXPECT_EQ(state.ActiveTool, Tool::ToolPasteBlock);
  }
}

TEST_F(CellSelectionTest, PasteWithAnEmptySelectionChangesNothing) {
  map->Cell(5, 5) = Marked(3);
  Select({});

  PastePress(map.Edit(), state, selection, MouseButton::Left, 5, 5);

  EXPECT_EQ(map->Cell(5, 5), Marked(3));
  EXPECT_TRUE(PastePreview(*map, selection, ViewGeometry{}, 0, 0).empty());
}

TEST_F(CellSelectionTest, SelectTilesStartsOverAndCopyTilesKeepsTheList) {
  Select({{4, 4}, {2, 2}});
  SelectTilesClick(state, selection);
  SelectionPress(*map, selection, 6, 6);
  SelectionPress(*map, selection, 7, 5);
  CopyTilesClick(state, selection);
  CopyTilesClick(state, selection);

  EXPECT_EQ(selection.Count(), 2);
  EXPECT_EQ(selection.PasteAnchor(), 0);
}

namespace {

ViewGeometry Geometry(int cellSize, int cameraX, int cameraY) {
  ViewGeometry geometry;
  geometry.ViewWidth = 320;
  geometry.ViewHeight = 200;
  geometry.CellSize = cellSize;
  geometry.CameraX = cameraX;
  geometry.CameraY = cameraY;
  return geometry;
}

}  // namespace

TEST_F(CellSelectionTest, PreviewPutsTheAnchorUnderThePointer) {
  Select({{3, 5}, {4, 5}, {3, 4}, {4, 4}});
  // Pixel (25, 170) with 10-pixel cells: screen column 3, row 4.
  const std::vector<BlockPreviewCell> preview =
      PastePreview(*map, selection, Geometry(10, 0, 0), 25, 170);

  ASSERT_EQ(preview.size(), 4u);
  EXPECT_EQ(preview[0].Column, 3);
  EXPECT_EQ(preview[0].Row, 5);
  EXPECT_EQ((CellPosition{preview[0].SourceX, preview[0].SourceY}), (CellPosition{3, 5}));
  EXPECT_EQ(preview[2].Column, 3);
  EXPECT_EQ(preview[2].Row, 4);
  EXPECT_EQ(preview[3].Column, 4);
  EXPECT_EQ(preview[3].Row, 4);
  EXPECT_EQ((CellPosition{preview[3].SourceX, preview[3].SourceY}), (CellPosition{4, 4}));
}

TEST_F(CellSelectionTest, PreviewHidesCellsWhoseTargetLiesBeyondTheMap) {
  Select({{1, 1}, {2, 1}, {3, 1}});
  // Camera at (10, 0): screen column 10 is map column 20, the last one.
  const std::vector<BlockPreviewCell> preview =
      PastePreview(*map, selection, Geometry(10, 10, 0), 95, 195);

  ASSERT_EQ(preview.size(), 1u);
  EXPECT_EQ(preview[0].Column, 10);
  EXPECT_EQ(preview[0].Row, 1);
}

TEST_F(CellSelectionTest, PreviewHidesCellsBelowTheMapsFirstRow) {
  Select({{1, 1}, {1, 2}});
  // The pointer's row 1 with the anchor (1, 1): both fit. Less than a cell
  // below the surface the division still truncates to row 1; further down,
  // on row 0, only the upper cell fits.
  EXPECT_EQ(PastePreview(*map, selection, Geometry(10, 0, 0), 5, 195).size(), 2u);
  EXPECT_EQ(PastePreview(*map, selection, Geometry(10, 0, 0), 5, 205).size(), 2u);
  const std::vector<BlockPreviewCell> below =
      PastePreview(*map, selection, Geometry(10, 0, 0), 5, 215);
  ASSERT_EQ(below.size(), 1u);
  EXPECT_EQ(below[0].Row, 1);
  EXPECT_EQ((CellPosition{below[0].SourceX, below[0].SourceY}), (CellPosition{1, 2}));
}

TEST_F(CellSelectionTest, OutlinesSitOnePixelRightOfTheCells) {
  selection.Add({1, 1});
  selection.Add({5, 3});

  const std::vector<BlockOutline> atOrigin = SelectionOutlines(selection, Geometry(16, 0, 0));
  ASSERT_EQ(atOrigin.size(), 2u);
  EXPECT_EQ(atOrigin[0].Left, 1);
  EXPECT_EQ(atOrigin[0].Top, 200 - 16);
  EXPECT_EQ(atOrigin[0].Size, 16);
  EXPECT_EQ(atOrigin[1].Left, 4 * 16 + 1);
  EXPECT_EQ(atOrigin[1].Top, 200 - 3 * 16);

  const std::vector<BlockOutline> moved = SelectionOutlines(selection, Geometry(16, 2, 1));
  EXPECT_EQ(moved[1].Left, 2 * 16 + 1);
  EXPECT_EQ(moved[1].Top, 200 - 2 * 16);
  EXPECT_EQ(moved[0].Left, -2 * 16 + 1);
}
