#include "app/screen_output.h"

#include <gtest/gtest.h>

#include <memory>

#include "editing/cell_selection.h"
#include "model/map.h"

namespace {

class ScreenOutputTest : public ::testing::Test {
 protected:
  void SetTiles(int x, int y, uint8_t bg, uint8_t mg, uint8_t fg) {
    MapCell& cell = map->Cell(x, y);
    cell.BgTile = bg;
    cell.MgTile = mg;
    cell.FgTile = fg;
  }

  std::optional<std::string> Export(std::initializer_list<CellPosition> cells) {
    selection.Clear();
    for (const CellPosition& cell : cells) selection.Add(cell);
    return ScreenOutputText(*map, selection);
  }

  std::unique_ptr<Map> map = std::make_unique<Map>();
  CellSelection selection;
};

}  // namespace

TEST_F(ScreenOutputTest, BlockGivesLayersOfColumnsFromTheTopRowDown) {
  SetTiles(3, 6, 1, 11, 21);
  SetTiles(3, 5, 2, 12, 22);
  SetTiles(4, 6, 3, 13, 23);
  SetTiles(4, 5, 4, 14, 24);
  map->Cell(3, 6).ObjectKind = 9;
  map->Cell(3, 6).CharKind = 9;

  EXPECT_EQ(Export({{3, 6}, {4, 5}}), "{{{0,1},{2,3}},{{10,11},{12,13}},{{20,21},{22,23}}},");
}

TEST_F(ScreenOutputTest, EmptyCellsGiveMinusOneAndTile255Gives254) {
  SetTiles(1, 1, 255, 0, 1);

  EXPECT_EQ(Export({{1, 2}, {2, 1}}), "{{{-1,254},{-1,-1}},{{-1,-1},{-1,-1}},{{-1,0},{-1,-1}}},");
}

TEST_F(ScreenOutputTest, OneColumnAndOneRowBlocks) {
  SetTiles(7, 7, 5, 0, 6);

  EXPECT_EQ(Export({{7, 7}, {7, 6}}), "{{{4,-1}},{{-1,-1}},{{5,-1}}},");
  EXPECT_EQ(Export({{6, 7}, {7, 7}}), "{{{-1},{4}},{{-1},{-1}},{{-1},{5}}},");
}

TEST_F(ScreenOutputTest, FewerThanTwoSelectedCellsGiveNothing) {
  EXPECT_EQ(Export({}), std::nullopt);
  // The same cell cannot be both corners: the selection lists it once.
  selection.Add({7, 7});
  selection.Add({7, 7});
  EXPECT_EQ(ScreenOutputText(*map, selection), std::nullopt);
}

TEST_F(ScreenOutputTest, SecondCornerLeftOfTheFirstGivesEmptyLayers) {
  SetTiles(5, 5, 1, 1, 1);

  EXPECT_EQ(Export({{5, 5}, {4, 5}}), "{{},{},{}},");
  EXPECT_EQ(Export({{5, 5}, {1, 9}}), "{{},{},{}},");
}

TEST_F(ScreenOutputTest, SecondCornerAboveTheFirstGivesEmptyColumns) {
  SetTiles(5, 5, 1, 1, 1);

  EXPECT_EQ(Export({{4, 5}, {5, 6}}), "{{{},{}},{{},{}},{{},{}}},");
  EXPECT_EQ(Export({{5, 5}, {5, 6}}), "{{{}},{{}},{{}}},");
}

TEST_F(ScreenOutputTest, OnlyTheFirstTwoEntriesAreRead) {
  SetTiles(2, 2, 8, 8, 8);

  EXPECT_EQ(Export({{1, 2}, {1, 1}, {2, 2}, {9, 9}}), "{{{-1,-1}},{{-1,-1}},{{-1,-1}}},");
}

TEST_F(ScreenOutputTest, CellsBeyondTheMapsSizeAreReadLikeAnyOther) {
  map->Width = 5;
  map->Height = 5;
  SetTiles(10, 10, 3, 0, 0);

  EXPECT_EQ(Export({{10, 10}, {11, 10}}), "{{{2},{-1}},{{-1},{-1}},{{-1},{-1}}},");
}
