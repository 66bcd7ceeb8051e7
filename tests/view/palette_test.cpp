#include "view/palette.h"

#include <QPainter>

#include "map_view_fixture.h"
#include "view/scaled_tiles.h"
#include "view/view_colours.h"

namespace {

const QRgb Red = ViewColours::PaletteFrame.rgb();
const QRgb Black = ViewColours::PaletteFill.rgb();
const QRgb Sky = ViewColours::SelectedEntry.rgb();

// The colour of midground sample image i.
QRgb MgColour(int i) {
  return QColor(10 * (i - 1), 40, 40).rgb();
}

}  // namespace

TEST(PaletteGeometry, SixImagesInTwoRows) {
  const PaletteGeometry palette = PaletteGeometryFor(6, 24, 801);
  EXPECT_EQ(palette.Columns, 4);
  EXPECT_EQ(palette.Rows, 2);
  EXPECT_EQ(palette.Width, 96);
  EXPECT_EQ(palette.Height, 48);
  EXPECT_EQ(palette.Left, 703);
}

TEST(PaletteGeometry, RowsAndColumnsByImageCount) {
  const PaletteGeometry three = PaletteGeometryFor(3, 16, 801);
  EXPECT_EQ(three.Columns, 3);
  EXPECT_EQ(three.Rows, 1);
  const PaletteGeometry four = PaletteGeometryFor(4, 16, 801);
  EXPECT_EQ(four.Columns, 4);
  EXPECT_EQ(four.Rows, 1);
  const PaletteGeometry five = PaletteGeometryFor(5, 16, 801);
  EXPECT_EQ(five.Rows, 2);
  const PaletteGeometry none = PaletteGeometryFor(0, 16, 801);
  EXPECT_EQ(none.Columns, 0);
  EXPECT_EQ(none.Rows, 0);
  EXPECT_EQ(none.Width, 0);
  EXPECT_EQ(none.Left, 799);
}

TEST(PaletteGeometry, PressesIncludeBothEnds) {
  const PaletteGeometry palette = PaletteGeometryFor(6, 24, 801);
  EXPECT_TRUE(OnPalette(palette, 801, 703, 1));
  EXPECT_TRUE(OnPalette(palette, 801, 801, 51));
  EXPECT_FALSE(OnPalette(palette, 801, 702, 10));
  EXPECT_FALSE(OnPalette(palette, 801, 750, 0));
  EXPECT_FALSE(OnPalette(palette, 801, 750, 52));
  EXPECT_FALSE(OnPalette(palette, 801, 802, 10));
}

TEST(PaletteGeometry, EntryUnderAPress) {
  const PaletteGeometry palette = PaletteGeometryFor(6, 24, 801);
  EXPECT_EQ(PaletteEntryAt(palette, 24, 704, 2), 1);
  EXPECT_EQ(PaletteEntryAt(palette, 24, 703, 1), 1);
  EXPECT_EQ(PaletteEntryAt(palette, 24, 727, 24), 2);
  EXPECT_EQ(PaletteEntryAt(palette, 24, 704, 26), 5);
  // Empty squares and the frame's far edges give entries above the count.
  EXPECT_EQ(PaletteEntryAt(palette, 24, 760, 30), 7);
  EXPECT_EQ(PaletteEntryAt(palette, 24, 801, 51), 13);
}

TEST(PaletteTileSetChoice, ByToolAndLayer) {
  TileSets sets;
  EXPECT_EQ(PaletteTileSet(sets, Tool::ToolPlaceTile, 0), &sets.DXBG);
  EXPECT_EQ(PaletteTileSet(sets, Tool::ToolPlaceTile, 3), &sets.DXOBJ);
  EXPECT_EQ(PaletteTileSet(sets, Tool::ToolPlaceTile, 4), &sets.DXCH);
  EXPECT_EQ(PaletteTileSet(sets, Tool::ToolPlaceTile, 5), &sets.DXMISC);
  EXPECT_EQ(PaletteTileSet(sets, Tool::ToolPlatforms, 2), &sets.DXPLA);
  EXPECT_EQ(PaletteTileSet(sets, Tool::ToolSprings, 0), nullptr);
  EXPECT_EQ(PaletteTileSet(sets, Tool::ToolTexts, 5), nullptr);
  EXPECT_EQ(PaletteTileSet(sets, Tool::ToolSelectBlock, 0), nullptr);
}

TEST(SelectedIndexRule, TileToolsWrapAroundTheImageCount) {
  EXPECT_EQ(CorrectSelectedIndex(Tool::ToolPlaceTile, 300, 120), 1);
  EXPECT_EQ(CorrectSelectedIndex(Tool::ToolPlaceTile, 121, 120), 1);
  EXPECT_EQ(CorrectSelectedIndex(Tool::ToolPlaceTile, 120, 120), 120);
  EXPECT_EQ(CorrectSelectedIndex(Tool::ToolPlaceTile, 0, 120), 120);
  EXPECT_EQ(CorrectSelectedIndex(Tool::ToolPlatforms, 0, 4), 4);
  EXPECT_EQ(CorrectSelectedIndex(Tool::ToolPlatforms, 5, 4), 1);
}

TEST(SelectedIndexRule, EmptyTileSetKeepsOneAndZero) {
  EXPECT_EQ(CorrectSelectedIndex(Tool::ToolPlaceTile, 1, 0), 1);
  EXPECT_EQ(CorrectSelectedIndex(Tool::ToolPlaceTile, 0, 0), 0);
}

TEST(SelectedIndexRule, SpringsAndTexts) {
  EXPECT_EQ(CorrectSelectedIndex(Tool::ToolSprings, 7, 0), 1);
  EXPECT_EQ(CorrectSelectedIndex(Tool::ToolSprings, 0, 0), 6);
  EXPECT_EQ(CorrectSelectedIndex(Tool::ToolSprings, 6, 0), 6);
  EXPECT_EQ(CorrectSelectedIndex(Tool::ToolTexts, 0, 0), 254);
  EXPECT_EQ(CorrectSelectedIndex(Tool::ToolTexts, 255, 0), 1);
  EXPECT_EQ(CorrectSelectedIndex(Tool::ToolTexts, 254, 0), 254);
}

TEST(SelectedIndexRule, BlockAndPrimaryToolsIgnoreTheSelection) {
  EXPECT_FALSE(CorrectSelectedIndex(Tool::ToolSelectBlock, 0, 5).has_value());
  EXPECT_FALSE(CorrectSelectedIndex(Tool::ToolPasteBlock, 9, 5).has_value());
  EXPECT_FALSE(CorrectSelectedIndex(Tool::ToolSelectPrimaryChar, 3, 5).has_value());
}

class PaletteDrawingTest : public MapViewTest {
 protected:
  PaletteDrawingTest() {
    SetZoom(15);  // CellSize 24
    Inputs.ActiveTool = Tool::ToolPlaceTile;
    Inputs.ActiveLayer = 1;  // six midground images
  }
};

TEST_F(PaletteDrawingTest, FrameAndSquares) {
  Inputs.SelectedPosition = 0;
  ASSERT_TRUE(Redraw());
  // Frame (703, 1) to (801, 51), right and bottom excluded.
  EXPECT_EQ(At(703, 1), Red);
  EXPECT_EQ(At(800, 1), Red);
  EXPECT_EQ(At(703, 50), Red);
  EXPECT_EQ(At(800, 50), Red);
  EXPECT_NE(At(702, 1), Red);
  EXPECT_NE(At(703, 51), Red);
  EXPECT_NE(At(750, 0), Red);
  // Entry squares, scaled from 16 x 16 to 24 x 24.
  EXPECT_EQ(Count(QRect(704, 2, 24, 24), QColor(MgColour(1))), 24 * 24);
  EXPECT_EQ(Count(QRect(776, 2, 24, 24), QColor(MgColour(4))), 24 * 24);
  EXPECT_EQ(Count(QRect(704, 26, 24, 24), QColor(MgColour(5))), 24 * 24);
  EXPECT_EQ(Count(QRect(728, 26, 24, 24), QColor(MgColour(6))), 24 * 24);
  // The two empty squares stay black.
  EXPECT_EQ(Count(QRect(752, 26, 48, 24), ViewColours::PaletteFill), 48 * 24);
}

TEST_F(PaletteDrawingTest, SelectedEntryHasThreeSkyBlueOutlines) {
  Inputs.SelectedPosition = 2;  // the square at (728, 2)
  ASSERT_TRUE(Redraw());
  for (int inset = 0; inset < 3; ++inset) {
    EXPECT_EQ(At(728 + inset, 2 + inset), Sky);
    EXPECT_EQ(At(751 - inset, 25 - inset), Sky);
    EXPECT_EQ(At(740, 2 + inset), Sky);
    EXPECT_EQ(At(728 + inset, 14), Sky);
  }
  EXPECT_EQ(At(731, 5), MgColour(2));
  EXPECT_EQ(At(748, 22), MgColour(2));
  EXPECT_EQ(Count(Buffer.rect(), ViewColours::SelectedEntry), 4 * (23 + 21 + 19));
}

TEST_F(PaletteDrawingTest, SelectionAboveTheCountFramesNothing) {
  Inputs.SelectedPosition = 7;
  ASSERT_TRUE(Redraw());
  EXPECT_EQ(Count(Buffer.rect(), ViewColours::SelectedEntry), 0);
  EXPECT_EQ(At(752, 26), Black);
}

TEST_F(PaletteDrawingTest, EmptySetShowsATwoByTwoFrame) {
  Inputs.ActiveLayer = 5;
  ASSERT_TRUE(Redraw());
  EXPECT_EQ(Count(QRect(790, 0, 11, 10), ViewColours::PaletteFrame), 4);
  EXPECT_EQ(At(799, 1), Red);
  EXPECT_EQ(At(800, 2), Red);
}

TEST_F(PaletteDrawingTest, PlatformToolShowsThePlatformSet) {
  Inputs.ActiveTool = Tool::ToolPlatforms;
  SetZoom(10);
  ASSERT_TRUE(Redraw());
  // One 32 x 16 image scaled into a 16 x 16 square at (784, 2).
  EXPECT_EQ(Count(QRect(784, 2, 16, 16), SampleColours::Platform), 16 * 16 - 4 * (15 + 13 + 11));
  EXPECT_EQ(At(783, 1), Red);
  EXPECT_NE(At(782, 1), Red);
}

TEST_F(PaletteDrawingTest, OtherToolsShowNoPalette) {
  for (const Tool tool : {Tool::ToolSprings, Tool::ToolTexts, Tool::ToolSelectBlock,
                          Tool::ToolPasteBlock, Tool::ToolSelectPrimaryChar}) {
    Inputs.ActiveTool = tool;
    ASSERT_TRUE(Redraw());
    EXPECT_EQ(Count(QRect(600, 0, 201, 80), ViewColours::PaletteFrame), 0);
  }
}

TEST_F(PaletteDrawingTest, PaletteDrawsOverTheMap) {
  TheMap->Cell(34, 24).BgTile = 1;  // under the palette's top right corner
  ASSERT_TRUE(Redraw());
  EXPECT_EQ(At(800, 1), Red);
}

// A square is the image scaled to the cell size, drawn from a kept copy or,
// when larger than any copy is kept, straight from the image.
TEST(PaletteSquares, SquaresAreTheImageScaledToTheCellSize) {
  SampleSets sample;
  ScaledTiles tiles(sample.Sets);
  for (const int side : {16, 32, 1100}) {
    for (const int index : {1, 2}) {
      const QImage& source = sample.Sets.DXOBJ.Entry(index).Image;
      QImage drawn(side + 4, side + 4, QImage::Format_ARGB32_Premultiplied);
      drawn.fill(QColor(0, 31, 27));
      QImage expected = drawn;
      QPainter(&expected).drawImage(QPoint(2, 2), ScaledTiles::ScaledCopy(source, side, side));
      QPainter painter(&drawn);
      tiles.DrawInSquare(painter, sample.Sets.DXOBJ, index, side, QPoint(2, 2));
      painter.end();
      EXPECT_EQ(drawn, expected) << "side " << side << ", entry " << index;
    }
  }
}
