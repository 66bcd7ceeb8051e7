#include "view/tile_counters.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/map.h"

TEST(TileCounters, NewMapCountsNothing) {
  auto map = std::make_unique<Map>();
  const TileCounts counts = CountUsedTiles(*map);
  EXPECT_EQ(counts.BG, 0);
  EXPECT_EQ(counts.MG, 0);
  EXPECT_EQ(counts.FG, 0);
}

TEST(TileCounters, CountsDistinctValuesPerLayer) {
  auto map = std::make_unique<Map>();
  map->Cell(1, 1).BgTile = 1;
  map->Cell(2, 1).BgTile = 2;
  map->Cell(3, 5).BgTile = 2;
  map->Cell(20, 20).BgTile = 7;
  map->Cell(4, 4).MgTile = 14;
  map->Cell(4, 5).FgTile = 3;
  map->Cell(4, 6).FgTile = 255;
  map->Cell(5, 5).ObjectKind = 9;
  const TileCounts counts = CountUsedTiles(*map);
  EXPECT_EQ(counts.BG, 3);
  EXPECT_EQ(counts.MG, 1);
  EXPECT_EQ(counts.FG, 2);
}

TEST(TileCounters, CellsOutsideTheMapAreNotCounted) {
  auto map = std::make_unique<Map>();
  map->Width = 5;
  map->Height = 4;
  map->Cell(5, 4).BgTile = 1;
  map->Cell(6, 1).BgTile = 2;
  map->Cell(1, 5).BgTile = 3;
  map->Cell(256, 256).FgTile = 4;
  const TileCounts counts = CountUsedTiles(*map);
  EXPECT_EQ(counts.BG, 1);
  EXPECT_EQ(counts.FG, 0);
}

TEST(TileCounters, EveryValueOfAFullMap) {
  auto map = std::make_unique<Map>();
  map->Width = 255;
  map->Height = 255;
  for (int x = 1; x <= 255; ++x) map->Cell(x, 255).MgTile = static_cast<uint8_t>(x);
  EXPECT_EQ(CountUsedTiles(*map).MG, 255);
}
