#include "editing/tile_tool.h"

#include <gtest/gtest.h>

#include <memory>

#include "edited_map.h"
#include "model/map.h"

namespace {

class TileToolTest : public ::testing::Test {
 protected:
  TileToolTest() {
    map->Width = 10;
    map->Height = 8;
  }

  EditedMap map;
};

}  // namespace

TEST_F(TileToolTest, LeftPressPlacesAndAsksForTheCellAndTheCounters) {
  const EditResult result = PlaceTilePress(map.Edit(), LayerFg, 7, MouseButton::Left, 4, 5);

  EXPECT_EQ(map->Cell(4, 5).FgTile, 7);
  EXPECT_TRUE(result.RefreshCell);
  EXPECT_EQ(result.CellX, 4);
  EXPECT_EQ(result.CellY, 5);
  EXPECT_TRUE(result.UpdateTileCounters);
  EXPECT_FALSE(result.ShowObjects);
  EXPECT_FALSE(result.RedrawView);
}

TEST_F(TileToolTest, LeftPressWritesTheLowEightBits) {
  PlaceTilePress(map.Edit(), LayerBg, 256 + 9, MouseButton::Left, 1, 1);
  EXPECT_EQ(map->Cell(1, 1).BgTile, 9);
}

TEST_F(TileToolTest, ObjectsAndCharsSwitchShowObjectsOn) {
  EXPECT_TRUE(PlaceTilePress(map.Edit(), LayerObject, 2, MouseButton::Left, 2, 2).ShowObjects);
  EXPECT_TRUE(PlaceTilePress(map.Edit(), LayerChar, 1, MouseButton::Left, 3, 2).ShowObjects);
  EXPECT_TRUE(PlaceTilePress(map.Edit(), LayerObject, 2, MouseButton::Right, 2, 2).ShowObjects);
  EXPECT_FALSE(PlaceTilePress(map.Edit(), LayerText, 3, MouseButton::Left, 4, 2).ShowObjects);
  EXPECT_FALSE(PlaceTilePress(map.Edit(), LayerMg, 3, MouseButton::Right, 4, 2).ShowObjects);
  EXPECT_EQ(map->Cell(3, 2).CharKind, 1);
  EXPECT_EQ(map->Cell(4, 2).TextId, 3);
  EXPECT_EQ(map->Cell(2, 2).ObjectKind, 0);
}

TEST_F(TileToolTest, RightPressErasesWithoutRecounting) {
  map->Cell(5, 5).MgTile = 3;
  map->Cell(5, 5).BgTile = 4;

  const EditResult result = PlaceTilePress(map.Edit(), LayerMg, 7, MouseButton::Right, 5, 5);

  EXPECT_EQ(map->Cell(5, 5).MgTile, 0);
  EXPECT_EQ(map->Cell(5, 5).BgTile, 4);
  EXPECT_TRUE(result.RefreshCell);
  EXPECT_FALSE(result.UpdateTileCounters);
}

TEST_F(TileToolTest, ErasingThePrimaryCharDropsItOnlyOnTheCharLayer) {
  map->Cell(3, 3).CharKind = ZuboCharKind;
  map->Cell(3, 3).ObjectKind = 1;
  map->PrimaryCharX = 3;
  map->PrimaryCharY = 3;

  PlaceTilePress(map.Edit(), LayerObject, 1, MouseButton::Right, 3, 3);
  EXPECT_EQ(map->PrimaryCharX, 3);
  PlaceTilePress(map.Edit(), LayerChar, 1, MouseButton::Right, 3, 4);
  EXPECT_EQ(map->PrimaryCharX, 3);
  PlaceTilePress(map.Edit(), LayerChar, 1, MouseButton::Right, 3, 3);
  EXPECT_EQ(map->PrimaryCharX, -1);
  EXPECT_EQ(map->Cell(3, 3).CharKind, 0);
}

TEST_F(TileToolTest, OverwritingThePrimaryCharKeepsItsPosition) {
  map->Cell(3, 3).CharKind = ZuboCharKind;
  map->PrimaryCharX = 3;
  map->PrimaryCharY = 3;

  PlaceTilePress(map.Edit(), LayerChar, 4, MouseButton::Left, 3, 3);

  EXPECT_EQ(map->PrimaryCharX, 3);
  EXPECT_EQ(map->PrimaryCharY, 3);
}

TEST_F(TileToolTest, MiddlePressFillsTileLayersAndRedraws) {
  const EditResult result = PlaceTilePress(map.Edit(), LayerBg, 6, MouseButton::Middle, 1, 1);

  EXPECT_TRUE(result.RedrawView);
  EXPECT_FALSE(result.RefreshCell);
  EXPECT_FALSE(result.UpdateTileCounters);
  EXPECT_EQ(map->Cell(10, 8).BgTile, 6);
  EXPECT_EQ(map->Cell(11, 8).BgTile, 0);
}

TEST_F(TileToolTest, MiddlePressOnOtherLayersOnlyRedraws) {
  for (int layer = LayerObject; layer <= LayerText; ++layer) {
    const EditResult result = PlaceTilePress(map.Edit(), layer, 2, MouseButton::Middle, 1, 1);
    EXPECT_TRUE(result.RedrawView);
    EXPECT_EQ(map->Cell(1, 1).LayerByte(layer), 0);
    EXPECT_EQ(map->Cell(2, 1).LayerByte(layer), 0);
  }
}

TEST_F(TileToolTest, PressesOffTheMapChangeNothingAndDoNotRedraw) {
  for (MouseButton button : {MouseButton::Left, MouseButton::Right, MouseButton::Middle}) {
    const EditResult result = PlaceTilePress(map.Edit(), LayerBg, 3, button, 11, 1);
    EXPECT_FALSE(result.RedrawView);
    EXPECT_FALSE(result.RefreshCell);
    EXPECT_FALSE(result.UpdateTileCounters);
    EXPECT_FALSE(PlaceTilePress(map.Edit(), LayerBg, 3, button, 1, 9).RefreshCell);
    EXPECT_FALSE(PlaceTilePress(map.Edit(), LayerBg, 3, button, 0, 0).RefreshCell);
  }
  EXPECT_EQ(map->Cell(11, 1).BgTile, 0);
  EXPECT_EQ(map->Cell(1, 9).BgTile, 0);
}

TEST_F(TileToolTest, PickingThePrimaryCharNeedsAZubo) {
  map->Cell(2, 6).CharKind = ZuboCharKind;
  map->Cell(4, 6).CharKind = 5;

  EXPECT_TRUE(SelectPrimaryCharPress(map.Edit(), 2, 6).RedrawView);
  EXPECT_EQ(map->PrimaryCharX, 2);
  EXPECT_EQ(map->PrimaryCharY, 6);

  EXPECT_TRUE(SelectPrimaryCharPress(map.Edit(), 4, 6).RedrawView);
  EXPECT_EQ(map->PrimaryCharX, -1);

  SelectPrimaryCharPress(map.Edit(), 2, 6);
  const EditResult offMap = SelectPrimaryCharPress(map.Edit(), 12, 6);
  EXPECT_FALSE(offMap.RedrawView);
  EXPECT_EQ(map->PrimaryCharX, 2);
}
