#include "model/map.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/object_sizes.h"

TEST(MapTest, StartsEmptyAtTwentyByTwentyWithNoPrimaryChar) {
  auto map = std::make_unique<Map>();
  EXPECT_EQ(map->Width, 20);
  EXPECT_EQ(map->Height, 20);
  EXPECT_EQ(map->Background, 0);
  EXPECT_EQ(map->PrimaryCharX, -1);
  EXPECT_FALSE(map->HasPrimaryChar());
  EXPECT_TRUE(map->Saved);
  EXPECT_EQ(map->SpringCount, 0);
  EXPECT_EQ(map->PlatformCount, 0);
  EXPECT_TRUE(map->Cell(1, 1).IsEmpty());
  EXPECT_TRUE(map->Cell(256, 256).IsEmpty());
}

TEST(MapTest, CellsAreStoredColumnMajorFromTheBottomRow) {
  auto map = std::make_unique<Map>();
  map->Cell(1, 2).BgTile = 7;
  map->Cell(2, 1).BgTile = 9;
  map->Cell(256, 256).TextId = 3;
  EXPECT_EQ(map->Cells[1].BgTile, 7);
  EXPECT_EQ(map->Cells[256].BgTile, 9);
  EXPECT_EQ(map->Cells[256 * 256 - 1].TextId, 3);
}

TEST(MapTest, LayerBytesFollowTheLayerNumbers) {
  MapCell cell;
  for (int layer = 0; layer < LayerCount; ++layer)
    cell.LayerByte(layer) = static_cast<uint8_t>(10 + layer);
  EXPECT_EQ(cell.BgTile, 10);
  EXPECT_EQ(cell.MgTile, 11);
  EXPECT_EQ(cell.FgTile, 12);
  EXPECT_EQ(cell.ObjectKind, 13);
  EXPECT_EQ(cell.CharKind, 14);
  EXPECT_EQ(cell.TextId, 15);
  const MapCell& constCell = cell;
  EXPECT_EQ(constCell.LayerByte(LayerText), 15);
}

TEST(MapTest, NewMapEmptiesContentButKeepsSizeBackgroundAndArrayRecords) {
  auto map = std::make_unique<Map>();
  map->Width = 40;
  map->Height = 7;
  map->Background = 2;
  map->Cell(3, 3).CharKind = ZuboCharKind;
  map->Cell(200, 250).FgTile = 4;  // outside the map, still cleared
  map->PrimaryCharX = 3;
  map->PrimaryCharY = 3;
  map->Springs[0].Kind = 4;
  map->SpringCount = 1;
  map->Platforms[0].SwitchX = 9;
  map->PlatformCount = 1;
  map->CustomTexts = {"hello"};
  map->Saved = false;

  NewMap(*map);

  EXPECT_EQ(map->Width, 40);
  EXPECT_EQ(map->Height, 7);
  EXPECT_EQ(map->Background, 2);
  EXPECT_EQ(map->PrimaryCharX, -1);
  EXPECT_TRUE(map->Saved);
  EXPECT_EQ(map->SpringCount, 0);
  EXPECT_EQ(map->PlatformCount, 0);
  EXPECT_TRUE(map->CustomTexts.empty());
  for (const MapCell& cell : map->Cells) ASSERT_TRUE(cell.IsEmpty());
  EXPECT_EQ(map->Springs[0].Kind, 4);
  EXPECT_EQ(map->Platforms[0].SwitchX, 9);
}

TEST(MapTest, PrimaryCharIsValidOnlyOnAZuboInsideTheMap) {
  auto map = std::make_unique<Map>();
  map->PrimaryCharX = 5;
  map->PrimaryCharY = 5;
  EXPECT_FALSE(map->PrimaryCharIsValid());
  map->Cell(5, 5).CharKind = LeadCharKind;
  EXPECT_FALSE(map->PrimaryCharIsValid());
  map->Cell(5, 5).CharKind = ZuboCharKind;
  EXPECT_TRUE(map->PrimaryCharIsValid());
  map->Width = 4;
  EXPECT_FALSE(map->PrimaryCharIsValid());
}

TEST(MapTest, AnEmptyLastCustomTextLineDoesNotCount) {
  auto map = std::make_unique<Map>();
  EXPECT_EQ(map->CustomTextLineCount(), 0);
  map->CustomTexts = {""};
  EXPECT_EQ(map->CustomTextLineCount(), 0);
  map->CustomTexts = {"a", "", "b", ""};
  EXPECT_EQ(map->CustomTextLineCount(), 3);
  map->CustomTexts = {"a", "", "b"};
  EXPECT_EQ(map->CustomTextLineCount(), 3);
}

TEST(MapTest, EveryLineGivenAsCustomTextsCounts) {
  auto map = std::make_unique<Map>();
  SetCustomTextLines(*map, {"a", "", "b"});
  EXPECT_EQ(map->CustomTextLineCount(), 3);
  SetCustomTextLines(*map, {"a", ""});
  EXPECT_EQ(map->CustomTextLineCount(), 2);
  SetCustomTextLines(*map, {""});
  EXPECT_EQ(map->CustomTextLineCount(), 1);
  SetCustomTextLines(*map, {});
  EXPECT_EQ(map->CustomTextLineCount(), 0);
}

TEST(ObjectSizesTest, FootprintsByKindAndOneByOneBeyondTheTable) {
  EXPECT_EQ(ObjectSizes(2).Width, 3);
  EXPECT_EQ(ObjectSizes(4).Height, 3);
  EXPECT_EQ(ObjectSizes(5).Width, 2);
  EXPECT_EQ(ObjectSizes(5).Height, 2);
  EXPECT_EQ(ObjectSizes(11).Height, 4);
  EXPECT_EQ(ObjectSizes(12).Width, 8);
  for (int kind = 1; kind <= SizedObjectKinds; ++kind) {
    EXPECT_LE(ObjectSizes(kind).Width, MaxObjectExtent);
    EXPECT_LE(ObjectSizes(kind).Height, MaxObjectExtent);
  }
  EXPECT_EQ(ObjectSizes(13).Width, 1);
  EXPECT_EQ(ObjectSizes(255).Height, 1);
}
