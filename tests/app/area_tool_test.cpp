// The selection tool through the real window: selecting, moving with the
// items inside, nudging, deleting, the clipboard within one window and
// between two, the picking of a cell's value and the replacement of tiles.

#include <QClipboard>
#include <QComboBox>
#include <QListWidget>
#include <QMimeData>
#include <QSpinBox>

#include "app/replace_tiles_dialog.h"
#include "editing/editor_session.h"
#include "editing_fixture.h"
#include "map_comparison.h"
#include "model/editor_state.h"

namespace {

// Every byte set, to values the test tile sets have images for.
const MapCell Full{1, 2, 2, 2, 2, 6};

class AreaToolTest : public EditingTest {
 protected:
  void SetUp() override {
    EditingTest::SetUp();
    SetMapSize(20, 12);
    // Full cells in columns 3..5, rows 3..4; a spring and a platform inside,
    // a spring reaching out.
    for (int x = 3; x <= 5; ++x)
      for (int y = 3; y <= 4; ++y) TheMap().Cell(x, y) = Full;
    TheMap().Springs[0].Kind = 1;
    TheMap().Springs[0].PointCount = 2;
    TheMap().Springs[0].Points[0] = {3, 3, Center};
    TheMap().Springs[0].Points[1] = {5, 4, Center};
    TheMap().Springs[1] = TheMap().Springs[0];
    TheMap().Springs[1].Points[1] = {9, 4, Center};
    TheMap().SpringCount = 2;
    TheMap().Platforms[0] = {3, 4, 5, 4, 0, 0, 2, 1, NoSwitch};
    TheMap().PlatformCount = 1;
    TheMap().Saved = true;
    Form->RedrawView();
  }

  void ShiftDrag(QPoint from, QPoint to) {
    QTest::mousePress(Surface(), Qt::LeftButton, Qt::ShiftModifier, from);
    Move(to);
    Release(Qt::LeftButton, to);
  }
  void Drag(QPoint from, QPoint to) {
    Press(Qt::LeftButton, from);
    Move(to);
    Release(Qt::LeftButton, to);
  }
  void SelectFull() { ShiftDrag(CellPixel(3, 3), CellPixel(5, 4)); }
  std::optional<CellArea> Selection() const { return Tools().Areas().Selection(); }
  QString Clipboard() const { return QApplication::clipboard()->text(); }
};

TEST_F(AreaToolTest, ADragMovesTheCellsWithTheItemsInsideAndUndoesExactly) {
  const auto before = std::make_unique<Map>(TheMap());
  SelectFull();
  EXPECT_EQ(Tools().State().ActiveTool, Tool::ToolSelectArea);
  EXPECT_EQ(Panel().LBMode->currentRow(), -1);
  EXPECT_EQ(Selection(), (CellArea{3, 3, 3, 2}));
  Drag(CellPixel(4, 3), CellPixel(5, 4));  // one right, one up: overlapping
  EXPECT_EQ(TheMap().Cell(3, 3), MapCell{});
  EXPECT_EQ(TheMap().Cell(6, 5), Full);
  EXPECT_EQ(TheMap().Springs[0].Points[0], (SpringPoint{4, 4, Center}));
  EXPECT_EQ(TheMap().Springs[1].Points[0], (SpringPoint{3, 3, Center}));  // partly inside
  EXPECT_EQ(TheMap().Platforms[0].EndX, 6);
  EXPECT_EQ(Selection(), (CellArea{4, 4, 3, 2}));
  EXPECT_FALSE(TheMap().Saved);
  const auto moved = std::make_unique<Map>(TheMap());
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(CompareRestored(*before, TheMap()), "");
  Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(CompareRestored(*moved, TheMap()), "");

  // Past the map's edge the cells are clipped and the items stay.
  ShiftDrag(CellPixel(4, 4), CellPixel(6, 5));
  Drag(CellPixel(4, 4), CellPixel(19, 4));
  EXPECT_EQ(TheMap().Cell(20, 5), Full);
  EXPECT_EQ(TheMap().Cell(21, 5), MapCell{});
  EXPECT_EQ(TheMap().Springs[0].Points[0], (SpringPoint{4, 4, Center}));
}

TEST_F(AreaToolTest, KeysNudgeDeleteAndSelectEachAsOneStep) {
  struct Case {
    const char* Name;
    std::function<void()> Act;
    std::function<bool(const Map&)> Done;
  };
  const Case cases[] = {
      {"Alt+Left", [this] { Key(Qt::Key_Left, Qt::AltModifier); },
       [](const Map& map) { return map.Cell(2, 3) == Full && map.Cell(5, 3) == MapCell{}; }},
      {"Alt+Up", [this] { Key(Qt::Key_Up, Qt::AltModifier); },
       [](const Map& map) { return map.Cell(3, 5) == Full && map.Cell(3, 3) == MapCell{}; }},
      {"Delete", [this] { Key(Qt::Key_Delete); },
       [](const Map& map) {
         return map.Cell(4, 4) == MapCell{} && map.SpringCount == 1 && map.PlatformCount == 0;
       }},
      {"Ctrl+A, Delete",
       [this] {
         Key(Qt::Key_A, Qt::ControlModifier);
         Key(Qt::Key_Delete);
       },
       [](const Map& map) { return map.SpringCount == 0 && map.Cell(4, 4) == MapCell{}; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    const auto before = std::make_unique<Map>(TheMap());
    SelectFull();
    c.Act();
    EXPECT_TRUE(c.Done(TheMap()));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(CompareRestored(*before, TheMap()), "");
  }
  // The arrows alone still move the view; a digit leaves the tool.
  Key(Qt::Key_1);
  EXPECT_EQ(Tools().State().ActiveTool, Tool::ToolPlaceTile);
  EXPECT_FALSE(Selection());
  Key(Qt::Key_S);
  EXPECT_EQ(Tools().State().ActiveTool, Tool::ToolSelectArea);
}

TEST_F(AreaToolTest, CopyCutAndPasteGoThroughTheDesktopsClipboard) {
  SelectFull();
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_TRUE(Clipboard().contains(QStringLiteral("\"zuboCells\":1")));
  EXPECT_TRUE(QApplication::clipboard()->mimeData()->hasFormat(
      QStringLiteral("application/x-zubo-cells")));

  // Cut empties the selection; a right click ends a paste without a change.
  Key(Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(TheMap().Cell(3, 3), MapCell{});
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_TRUE(Tools().Areas().Pasting());
  Click(Qt::RightButton, CellPixel(8, 8));
  EXPECT_FALSE(Tools().Areas().Pasting());
  EXPECT_EQ(TheMap().Cell(8, 8), MapCell{});

  // Another window, another level: the block follows the pointer, and a
  // click drops it with its top-left cell there.
  FakeMessageBoxes otherBoxes;
  EditorSession other;
  Autosave otherRecovery;
  TMainForm otherForm(otherBoxes, other, otherRecovery);
  ASSERT_TRUE(otherForm.StartUp());
  otherForm.show();
  otherForm.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&otherForm));
  otherForm.setFocus();
  auto* otherSurface = otherForm.findChild<TDrawSurface*>(QStringLiteral("DXDraw"));
  const auto pixel = [&other](int x, int y) {
    const PixelPosition middle = CellMiddle(other.View, x, y);
    return QPoint(middle.X, middle.Y);
  };
  QTest::mouseMove(otherSurface, pixel(10, 10));
  QTest::keyClick(&otherForm, Qt::Key_V, Qt::ControlModifier);
  ASSERT_TRUE(other.Tools.Areas().Pasting());
  QTest::mouseClick(otherSurface, Qt::LeftButton, {}, pixel(10, 10));
  const Map& pasted = other.Document.GetMap();
  EXPECT_EQ(pasted.Cell(10, 9), Full);
  EXPECT_EQ(pasted.Cell(12, 10), Full);
  EXPECT_EQ(pasted.SpringCount, 1);
  EXPECT_EQ(pasted.Platforms[0].StartX, 10);
  EXPECT_TRUE(otherBoxes.Messages.isEmpty());
}

TEST_F(AreaToolTest, WhatIsNoBlockPastesNothingAndADamagedBlockIsRefused) {
  const auto before = std::make_unique<Map>(TheMap());
  const struct {
    const char* Text;
    int Messages;
  } cases[] = {{"just words", 0},
               {R"({"zuboCells": 1, "width": 300, "height": 2})", 1},
               {R"({"zuboCells": 1, "width": 2, "height": 2, "springs": [{"kind": 1}]})", 1}};
  for (const auto& c : cases) {
    Boxes.Messages.clear();
    QApplication::clipboard()->setText(QString::fromLatin1(c.Text));
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Boxes.Messages.size(), c.Messages) << c.Text;
    EXPECT_FALSE(Tools().Areas().Pasting());
    EXPECT_EQ(CompareRestored(*before, TheMap()), "");
  }
  EXPECT_TRUE(Boxes.Messages[0].startsWith(
      QStringLiteral("The clipboard holds a block that cannot be pasted: ")));
}

TEST_F(AreaToolTest, APasteBeyondTheFileListsSaysOnceWhatWasLeftOut) {
  SelectFull();
  Key(Qt::Key_C, Qt::ControlModifier);
  for (int i = 1; i < MaxFileListCount; ++i) {
    TheMap().Platforms[i] = TheMap().Platforms[0];
    TheMap().Springs[i] = TheMap().Springs[1];
  }
  TheMap().PlatformCount = MaxFileListCount;
  TheMap().SpringCount = MaxFileListCount;
  Move(CellPixel(10, 10));
  Key(Qt::Key_V, Qt::ControlModifier);
  Click(Qt::LeftButton, CellPixel(10, 10));
  EXPECT_EQ(Boxes.Messages, QStringList{QStringLiteral(
                                "2 of the items did not fit (off the map, or beyond what the "
                                "level file holds) and were left out.")});
  EXPECT_EQ(TheMap().Cell(10, 9), Full);
}

TEST_F(AreaToolTest, CtrlClickPicksTheValueOfTheActiveLayer) {
  const struct {
    int Mode;
    int Column;
    int Expected;
  } cases[] = {{ModeMidground, 3, 2}, {ModeChars, 4, 2}, {ModeTexts, 5, 6}, {ModeForeground, 9, 1}};
  for (const auto& c : cases) {
    ChooseMode(c.Mode);
    QTest::mouseClick(Surface(), Qt::LeftButton, Qt::ControlModifier, CellPixel(c.Column, 3));
    EXPECT_EQ(Panel().UDSel->value(), c.Expected) << c.Mode;
  }
  EXPECT_TRUE(TheMap().Saved);
  EXPECT_EQ(TheMap().Cell(9, 3), MapCell{});
}

TEST_F(AreaToolTest, ReplaceChangesOneIndexInTheSelectionOrTheWholeMapAsOneStep) {
  TheMap().Cell(10, 10).MgTile = 2;
  const auto replace = [this](int with) {
    QTimer::singleShot(0, Form.get(), [this, with] {
      auto* dialog = dynamic_cast<ReplaceTilesDialog*>(
          Form->findChild<QDialog*>(QStringLiteral("ReplaceTiles")));
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->focusWidget(), dialog->LayerBox);
      dialog->LayerBox->setCurrentIndex(LayerMg);
      dialog->ReplaceBox->setValue(2);
      dialog->WithBox->setValue(with);
      QTest::keyClick(dialog, Qt::Key_Return);
    });
    Key(Qt::Key_H, Qt::ControlModifier);
    // The window is active again once the dialog has gone.
    Form->activateWindow();
    ASSERT_TRUE(WaitFor([this] { return QApplication::activeWindow() == Form.get(); }));
  };
  replace(1);
  EXPECT_EQ(Boxes.Messages, QStringList{QStringLiteral("7 cells changed.")});
  EXPECT_EQ(TheMap().Cell(10, 10).MgTile, 1);
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(TheMap().Cell(10, 10).MgTile, 2);
  EXPECT_EQ(TheMap().Cell(3, 3).MgTile, 2);

  Boxes.Messages.clear();
  SelectFull();
  replace(1);
  EXPECT_EQ(Boxes.Messages, QStringList{QStringLiteral("6 cells changed.")});
  EXPECT_EQ(TheMap().Cell(10, 10).MgTile, 2);
}

}  // namespace
