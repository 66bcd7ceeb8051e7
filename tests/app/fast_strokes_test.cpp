// A quick drag reports the pointer cells apart; a stroke of the placing
// tools reaches every cell between two pointer events.

#include <vector>

#include "editing/cell_line.h"
#include "editing_fixture.h"
#include "model/editor_state.h"

TEST(CellLine, ListsEveryCellAfterTheFirstInOrder) {
  struct Case {
    CellPosition From, To;
    std::vector<CellPosition> Expected;
  };
  const Case cases[] = {
      {{2, 3}, {2, 3}, {}},
      {{2, 3}, {5, 3}, {{3, 3}, {4, 3}, {5, 3}}},
      {{5, 3}, {5, 1}, {{5, 2}, {5, 1}}},
      {{1, 1}, {4, 4}, {{2, 2}, {3, 3}, {4, 4}}},
      {{1, 1}, {5, 3}, {{2, 1}, {3, 2}, {4, 2}, {5, 3}}},
      {{0, 0}, {-2, 1}, {{-1, 0}, {-2, 1}}},
  };
  for (const Case& c : cases) {
    const std::vector<CellPosition> cells = CellLineAfter(c.From, c.To);
    ASSERT_EQ(cells.size(), c.Expected.size()) << c.To.X << "," << c.To.Y;
    for (size_t i = 0; i < cells.size(); ++i) EXPECT_EQ(cells[i], c.Expected[i]) << i;
  }
}

// Every mode that places, with events 64 pixels (four cells) apart: along a
// row, then up a column, then diagonally.
TEST_F(EditingTest, AQuickDragPlacesOrErasesEveryCellBetweenPointerEvents) {
  struct Case {
    int Mode;
    Qt::MouseButton Button;
    int Layer;
  };
  const Case cases[] = {
      {ModeBackground, Qt::LeftButton, LayerBg},  {ModeForeground, Qt::LeftButton, LayerFg},
      {ModeObjects, Qt::LeftButton, LayerObject}, {ModeChars, Qt::LeftButton, LayerChar},
      {ModeTexts, Qt::LeftButton, LayerText},     {ModeBackground, Qt::RightButton, LayerBg}};
  std::vector<CellPosition> stroke;
  for (int column = 1; column <= 9; ++column) stroke.push_back({column, 1});
  for (int row = 2; row <= 9; ++row) stroke.push_back({9, row});
  for (int step = 1; step <= 8; ++step) stroke.push_back({9 - step, 9 + step});
  for (const Case& c : cases) {
    for (const CellPosition& cell : stroke) TheMap().Cell(cell.X, cell.Y).LayerByte(c.Layer) = 1;
    ChooseMode(c.Mode);
    Panel().UDSel->setValue(2);
    const uint8_t expected = c.Button == Qt::LeftButton ? 2 : 0;
    const QPoint start = CellPixel(1, 1);
    Press(c.Button, start);
    for (int step = 1; step <= 2; ++step) Move(start + QPoint(64 * step, 0));
    for (int step = 1; step <= 2; ++step) Move(start + QPoint(128, -64 * step));
    for (int step = 1; step <= 2; ++step) Move(start + QPoint(128 - 64 * step, -128 - 64 * step));
    Release(c.Button, start + QPoint(0, -256));
    for (const CellPosition& cell : stroke)
      EXPECT_EQ(TheMap().Cell(cell.X, cell.Y).LayerByte(c.Layer), expected)
          << "mode " << c.Mode << " cell " << cell.X << "," << cell.Y;
    EXPECT_EQ(TheMap().Cell(2, 2).LayerByte(c.Layer), 0) << "mode " << c.Mode;
  }
}

namespace {

// Twenty background images: a palette four cells wide and five high.
class TallPaletteTest : public EditingTest {
 protected:
  void SetUp() override {
    for (int i = TileFolder::BackgroundCount; i < 20; ++i)
      ASSERT_TRUE(Tiles.WriteImage(QStringLiteral("img_bg/%1.png").arg(i)));
    EditingTest::SetUp();
  }
};

}  // namespace

TEST_F(TallPaletteTest, AQuickDragAcrossThePalettePlacesNothingUnderIt) {
  SetMapSize(255, 255);
  Session->View.CameraY = 100;
  const int cellSize = View().CellSize;
  const int paletteLeft = View().ViewWidth - 4 * cellSize - 2;
  const int paletteBottom = 5 * cellSize + 3;
  const QPoint start(View().ViewWidth - 12 * cellSize, cellSize / 2);
  const QPoint end(View().ViewWidth - cellSize / 2, 5 * cellSize + 8);
  const CellPosition from = PointToCell(View(), start.x(), start.y());
  const CellPosition to = PointToCell(View(), end.x(), end.y());
  Press(Qt::LeftButton, start);
  Move(end);
  Release(Qt::LeftButton, end);
  int under = 0;
  for (const CellPosition& cell : CellLineAfter(from, to)) {
    const QPoint middle = CellPixel(cell.X, cell.Y);
    const bool onPalette = middle.x() >= paletteLeft && middle.y() >= 1 &&
                           middle.y() <= paletteBottom && !(cell == to);
    under += onPalette;
    EXPECT_EQ(TheMap().Cell(cell.X, cell.Y).BgTile, onPalette ? 0 : 1) << cell.X << "," << cell.Y;
  }
  EXPECT_GT(under, 0);
  EXPECT_EQ(TheMap().Cell(from.X, from.Y).BgTile, 1);
}
