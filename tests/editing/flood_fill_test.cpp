#include "editing/flood_fill.h"

#include <gtest/gtest.h>

#include <memory>

#include "edited_map.h"
#include "model/map.h"

namespace {

std::unique_ptr<EditedMap> MapOfSize(int width, int height) {
  auto map = std::make_unique<EditedMap>();
  (*map)->Width = width;
  (*map)->Height = height;
  return map;
}

int CountOnLayer(const Map& map, int layer, uint8_t value) {
  int count = 0;
  for (int x = 1; x <= GridSize; ++x)
    for (int y = 1; y <= GridSize; ++y) count += map.Cell(x, y).LayerByte(layer) == value;
  return count;
}

}  // namespace

TEST(FloodFillTest, FillsAWholeEmptyMapOfTheLargestSize) {
  auto map = MapOfSize(255, 255);
  (**map).Cell(100, 100).MgTile = 4;

  EXPECT_EQ(FloodFill(map->Edit(), LayerBg, 9, 128, 128), 255 * 255);

  EXPECT_EQ(CountOnLayer(**map, LayerBg, 9), 255 * 255);
  for (int i = 1; i <= 255; ++i) {
    EXPECT_EQ((**map).Cell(i, 255).BgTile, 9);
    EXPECT_EQ((**map).Cell(256, i).BgTile, 0);
    EXPECT_EQ((**map).Cell(i, 256).BgTile, 0);
  }
  EXPECT_EQ(CountOnLayer(**map, LayerMg, 4), 1);
  EXPECT_EQ(CountOnLayer(**map, LayerFg, 0), GridSize * GridSize);
}

TEST(FloodFillTest, FillsAWindingRegionOfTheLargestSize) {
  // Walls in every other column, open alternately at the top and the bottom:
  // one path that snakes through the whole map.
  auto map = MapOfSize(255, 255);
  int walls = 0;
  for (int x = 2; x <= 254; x += 2) {
    const int gap = (x / 2) % 2 == 1 ? 255 : 1;
    for (int y = 1; y <= 255; ++y) {
      if (y == gap) continue;
      (**map).Cell(x, y).FgTile = 2;
      ++walls;
    }
  }

  EXPECT_EQ(FloodFill(map->Edit(), LayerFg, 3, 1, 1), 255 * 255 - walls);
  EXPECT_EQ(CountOnLayer(**map, LayerFg, 2), walls);
  EXPECT_EQ((**map).Cell(255, 255).FgTile, 3);
}

TEST(FloodFillTest, RegionsTouchingOnlyAtACornerStaySeparate) {
  auto map = MapOfSize(10, 10);
  for (int x = 1; x <= 3; ++x)
    for (int y = 1; y <= 3; ++y) (**map).Cell(x, y).BgTile = 5;
  for (int x = 4; x <= 6; ++x)
    for (int y = 4; y <= 6; ++y) (**map).Cell(x, y).BgTile = 5;

  EXPECT_EQ(FloodFill(map->Edit(), LayerBg, 7, 2, 2), 9);

  EXPECT_EQ((**map).Cell(3, 3).BgTile, 7);
  EXPECT_EQ((**map).Cell(4, 4).BgTile, 5);
  EXPECT_EQ(CountOnLayer(**map, LayerBg, 5), 9);
}

TEST(FloodFillTest, StopsAtTheMapEdgeEvenWhereStorageHoldsTheSameTile) {
  auto map = MapOfSize(5, 4);

  EXPECT_EQ(FloodFill(map->Edit(), LayerMg, 1, 5, 4), 20);

  EXPECT_EQ((**map).Cell(6, 1).MgTile, 0);
  EXPECT_EQ((**map).Cell(1, 5).MgTile, 0);
  EXPECT_EQ(CountOnLayer(**map, LayerMg, 1), 20);
}

TEST(FloodFillTest, StopsAtCellsOfOtherTiles) {
  auto map = MapOfSize(7, 7);
  // A ring of tile 2 around the cell (4, 4).
  for (int x = 3; x <= 5; ++x)
    for (int y = 3; y <= 5; ++y)
      if (x != 4 || y != 4) (**map).Cell(x, y).BgTile = 2;

  EXPECT_EQ(FloodFill(map->Edit(), LayerBg, 6, 4, 4), 1);
  EXPECT_EQ(FloodFill(map->Edit(), LayerBg, 8, 1, 1), 49 - 9);
  EXPECT_EQ((**map).Cell(4, 4).BgTile, 6);
  EXPECT_EQ(CountOnLayer(**map, LayerBg, 2), 8);
}

TEST(FloodFillTest, CallsThatChangeNothing) {
  auto map = MapOfSize(10, 10);
  (**map).Cell(3, 3).BgTile = 1;

  // The same tile, also when only the low 8 bits of the selection match.
  EXPECT_EQ(FloodFill(map->Edit(), LayerBg, 1, 3, 3), 0);
  EXPECT_EQ(FloodFill(map->Edit(), LayerBg, 257, 3, 3), 0);
  // Off the map.
  EXPECT_EQ(FloodFill(map->Edit(), LayerBg, 2, 11, 3), 0);
  EXPECT_EQ(FloodFill(map->Edit(), LayerBg, 2, 0, 3), 0);
  // Not a tile layer.
  for (int layer = LayerObject; layer <= LayerText; ++layer)
    EXPECT_EQ(FloodFill(map->Edit(), layer, 2, 1, 1), 0);

  EXPECT_EQ(CountOnLayer(**map, LayerBg, 1), 1);
  for (int layer = LayerMg; layer < LayerCount; ++layer)
    EXPECT_EQ(CountOnLayer(**map, layer, 0), GridSize * GridSize);
}

TEST(FloodFillTest, WritesTheLowEightBitsOfTheSelection) {
  auto map = MapOfSize(2, 2);
  EXPECT_EQ(FloodFill(map->Edit(), LayerBg, 256 + 3, 1, 1), 4);
  EXPECT_EQ((**map).Cell(2, 2).BgTile, 3);
}
