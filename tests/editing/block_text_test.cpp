// Blocks as clipboard text: what goes out comes back, anything else is no
// block, and a damaged block says why.

#include "editing/block_text.h"

#include <gtest/gtest.h>

#include "editing/cell_area.h"
#include "model/map.h"

namespace {

TEST(BlockText, ABlockComesBackWithItsCellsAndItems) {
  auto map = std::make_unique<Map>();
  NewMap(*map);
  map->Cell(2, 2) = {1, 2, 3, 4, 5, 6};
  map->Cell(3, 4).FgTile = 9;
  map->Springs[0].Kind = 2;
  map->Springs[0].PointCount = 2;
  map->Springs[0].Points[0] = {2, 2, Center};
  map->Springs[0].Points[1] = {3, 4, TopLeft};
  map->SpringCount = 1;
  map->Platforms[0] = {2, 3, 3, 3, 2, 4, 3, 1, TurnForever};
  map->PlatformCount = 1;
  const std::unique_ptr<Map> block = CopyArea(*map, {2, 2, 2, 3});
  BlockText read = BlockFromText(BlockToText(*block));
  ASSERT_TRUE(std::holds_alternative<std::unique_ptr<Map>>(read));
  const Map& back = *std::get<std::unique_ptr<Map>>(read);
  EXPECT_EQ(back.Width, 2);
  EXPECT_EQ(back.Height, 3);
  EXPECT_EQ(back.Cell(1, 1), (MapCell{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(back.Cell(2, 3).FgTile, 9);
  ASSERT_EQ(back.SpringCount, 1);
  EXPECT_EQ(back.Springs[0].Points[1], (SpringPoint{2, 3, TopLeft}));
  ASSERT_EQ(back.PlatformCount, 1);
  EXPECT_EQ(back.Platforms[0], block->Platforms[0]);
}

TEST(BlockText, OtherTextIsNoBlockAndADamagedBlockSaysWhy) {
  for (const char* text : {"", "hello", "[1, 2]", "{\"width\": 3}", "{\"zuboCells\""}) {
    EXPECT_TRUE(std::holds_alternative<NoBlock>(BlockFromText(text))) << text;
  }
  const struct {
    const char* Text;
    const char* Why;
  } bad[] = {
      {R"({"zuboCells": 1})", "width must be a whole number"},
      {R"({"zuboCells": 1, "width": 0, "height": 2})", "width must be 1..255, not 0"},
      {R"({"zuboCells": 1, "width": 2, "height": 2, "chars": [[3, 1, 1]]})",
       "chars column must be 1..2, not 3"},
      {R"({"zuboCells": 2, "width": 2, "height": 2})", "it was made by a newer editor"},
  };
  for (const auto& c : bad) {
    const BlockText read = BlockFromText(c.Text);
    ASSERT_TRUE(std::holds_alternative<BadBlock>(read)) << c.Text;
    EXPECT_EQ(std::get<BadBlock>(read).Why, c.Why);
  }
}

}  // namespace
