// Undo and redo through the real window: every kind of step, the placement
// rules, what clears the history, and when the map counts as saved.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <functional>

#include "app/size_spin_box.h"
#include "editing/map_history.h"
#include "level_files_fixture.h"

namespace {

// What a restored step must give back: the level's bytes and the controls
// that hold the map's values.
struct Shown {
  std::vector<uint8_t> Bytes;
  int Width = 0;
  int Height = 0;
  int Background = 0;

  bool operator==(const Shown& other) const {
    return Bytes == other.Bytes && Width == other.Width && Height == other.Height &&
           Background == other.Background;
  }
  bool operator!=(const Shown& other) const { return !(*this == other); }
};

}  // namespace

class HistoryTest : public LevelFilesTest {
 protected:
  HistoryTest() { CustomTextsOn = false; }

  Shown Now() {
    return {Encoded(), Panel().UDWidth->value(), Panel().UDHeight->value(),
            Panel().CBBackground->currentIndex()};
  }

  // The keys reach the window once it is active and holds the focus. The
  // offscreen platform can leave the closed platform dialog the active
  // window; on a desktop the window is active again.
  void Keys(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (QApplication::activeWindow() != Form.get()) QApplication::setActiveWindow(Form.get());
    ASSERT_EQ(QApplication::activeWindow(), Form.get());
    Form->FormMouseDown();
    QTest::keyClick(Form.get(), key, modifiers);
  }
  void Undo() { Keys(Qt::Key_Z, Qt::ControlModifier); }
  void Redo() { Keys(Qt::Key_Y, Qt::ControlModifier); }
  void RedoShifted() { Keys(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }

  void Drag(Qt::MouseButton button, std::initializer_list<QPoint> cells) {
    const QPoint first = CellPixel(cells.begin()->x(), cells.begin()->y());
    Press(button, first);
    for (const QPoint& cell : cells) Move(CellPixel(cell.x(), cell.y()));
    Release(button, CellPixel((cells.end() - 1)->x(), (cells.end() - 1)->y()));
  }

  // A click that places the foreground tile value at (1, 1).
  void Stroke(int value) {
    ChooseMode(ModeForeground);
    Session->Tools.ChooseSelected(value);
    ClickCell(Qt::LeftButton, 1, 1);
  }

  void SaveAs(const QString& name) {
    TypeFileName(name);
    ClickButton(Panel().BSave);
  }
};

class HistoryWithTextsTest : public LevelFilesTest {};

namespace {

struct StepCase {
  const char* Name;
  std::function<void()> Prepare;
  std::function<void()> Act;
};

}  // namespace

TEST_F(HistoryTest, UndoAndRedoGiveBackEveryKindOfStep) {
  const StepCase cases[] = {
      {"stroke of tiles", nullptr,
       [this] {
         ChooseMode(ModeForeground);
         Drag(Qt::LeftButton, {{2, 2}, {3, 2}, {4, 3}});
       }},
      {"erasing stroke of chars",
       [this] { TheMap().Cell(5, 5).CharKind = TheMap().Cell(6, 5).CharKind = 1; },
       [this] {
         ChooseMode(ModeChars);
         Drag(Qt::RightButton, {{5, 5}, {6, 5}});
       }},
      {"text marker", nullptr,
       [this] {
         ChooseMode(ModeTexts);
         ClickCell(Qt::LeftButton, 7, 7);
       }},
      {"flood fill", nullptr,
       [this] {
         ChooseMode(ModeMidground);
         ClickCell(Qt::MiddleButton, 1, 1);
       }},
      {"primary char",
       [this] {
         TheMap().Cell(3, 3).CharKind = TheMap().Cell(8, 8).CharKind = ZuboCharKind;
         TheMap().PrimaryCharX = TheMap().PrimaryCharY = 3;
       },
       [this] {
         ClickButton(Panel().BSelectPrimaryChar);
         ClickCell(Qt::LeftButton, 8, 8);
       }},
      {"paste", [this] { TheMap().Cell(2, 2) = MapCell{1, 2, 3, 1, 1, 0}; },
       [this] {
         ClickButton(Panel().BSelectTiles);
         ClickCell(Qt::LeftButton, 2, 2);
         ClickCell(Qt::LeftButton, 3, 2);
         ClickButton(Panel().BCopyTiles);
         ClickCell(Qt::LeftButton, 10, 10);
       }},
      {"finished spring", nullptr,
       [this] {
         ChooseMode(ModeSprings);
         ClickCell(Qt::LeftButton, 5, 5);
         ClickCell(Qt::LeftButton, 8, 5);
         ClickCell(Qt::RightButton, 8, 5);
       }},
      {"deleted spring",
       [this] {
         TheMap().Springs[0].Kind = 1;
         TheMap().Springs[0].PointCount = 2;
         TheMap().Springs[0].Points[0] = SpringPoint{5, 5, Center};
         TheMap().Springs[0].Points[1] = SpringPoint{9, 5, Center};
         TheMap().SpringCount = 1;
       },
       [this] {
         ChooseMode(ModeSprings);
         ClickCell(Qt::RightButton, 9, 5);
       }},
      {"finished platform with its properties", nullptr,
       [this] {
         ChooseMode(ModePlatforms);
         ClickCell(Qt::LeftButton, 4, 4);
         WhenDialogShown([](TEditPlatform& dialog) {
           dialog.LBType->setCurrentRow(TurnForever);
           dialog.UpDown1->setValue(7);
           QTest::mouseClick(dialog.BOK, Qt::LeftButton);
         });
         ClickCell(Qt::LeftButton, 8, 4);
         ClickCell(Qt::LeftButton, 6, 6);
       }},
      {"deleted platform",
       [this] {
         TheMap().Platforms[0] = Platform{4, 4, 8, 4, 0, 0, 5, 1, NoSwitch};
         TheMap().PlatformCount = 1;
       },
       [this] {
         ChooseMode(ModePlatforms);
         ClickCell(Qt::RightButton, 8, 4);
       }},
      {"width step rising left",
       [this] {
         TheMap().Cell(1, 1).BgTile = 2;
         TheMap().Cell(20, 2).BgTile = 1;
         Panel().CBRiseLeft->setChecked(true);
       },
       [this] { QTest::keyClick(Panel().UDWidth, Qt::Key_Down); }},
      {"height step", [this] { TheMap().Cell(2, 20).BgTile = 2; },
       [this] { QTest::keyClick(Panel().UDHeight, Qt::Key_Down); }},
      {"typed width", nullptr,
       [this] {
         auto* edit = Panel().UDWidth->findChild<QLineEdit*>();
         edit->setFocus();
         edit->selectAll();
         QTest::keyClicks(edit, QStringLiteral("25"));
       }},
      {"background", nullptr,
       [this] {
         Panel().CBBackground->setFocus();
         QTest::keyClick(Panel().CBBackground, Qt::Key_Down);
       }},
  };
  for (const StepCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Boxes.Answers = {true};
    ClickButton(Panel().BNew);
    if (c.Prepare) c.Prepare();
    const Shown before = Now();
    c.Act();
    const Shown after = Now();
    ASSERT_NE(after, before);
    Undo();
    EXPECT_EQ(Now(), before);
    Redo();
    EXPECT_EQ(Now(), after);
    Undo();
    RedoShifted();
    EXPECT_EQ(Now(), after);
    Undo();
    EXPECT_EQ(Now(), before);
  }
  EXPECT_TRUE(Boxes.Messages.isEmpty());
}

TEST_F(HistoryTest, UndoEndsASpringOrPlatformBeingPlaced) {
  ChooseMode(ModeSprings);
  ClickCell(Qt::LeftButton, 5, 5);
  ClickCell(Qt::LeftButton, 8, 5);
  Undo();  // finishes the spring as a right press would
  EXPECT_FALSE(Tools().SpringState().SpringInProgress);
  EXPECT_EQ(TheMap().SpringCount, 1);
  EXPECT_EQ(TheMap().Springs[0].PointCount, 2);
  Undo();
  EXPECT_EQ(TheMap().SpringCount, 0);

  ChooseMode(ModePlatforms);
  ClickCell(Qt::LeftButton, 4, 4);
  ASSERT_EQ(Tools().PlacementStage(), PlatformStage::StartPlaced);
  Undo();  // discards the platform as a right release would
  EXPECT_EQ(Tools().PlacementStage(), PlatformStage::Idle);
  EXPECT_EQ(TheMap().PlatformCount, 0);
  Redo();
  EXPECT_EQ(TheMap().SpringCount, 1);
  // With nothing more to redo, nothing happens, silently.
  const Shown last = Now();
  Redo();
  EXPECT_EQ(Now(), last);
  EXPECT_TRUE(Boxes.Log.isEmpty());
}

TEST_F(HistoryTest, NewOpenAndAFailedLoadClearTheHistorySaveDoesNot) {
  MakeValid();
  SaveAs(QStringLiteral("levels/good"));
  ASSERT_TRUE(WriteBytes(InFolder(QStringLiteral("levels/bad")), QByteArray("\x05", 1)));
  const std::pair<const char*, std::function<void()>> commands[] = {
      {"New", [&] { ClickButton(Panel().BNew); }},
      {"Open",
       [&] {
         Boxes.ChosenFile = InFolder(QStringLiteral("levels/good"));
         ClickButton(Panel().IBOpenFile);
       }},
      {"failed load",
       [&] {
         Boxes.ChosenFile = InFolder(QStringLiteral("levels/bad"));
         ClickButton(Panel().IBOpenFile);
       }},
  };
  Boxes.ConfirmAnswer = true;
  for (const auto& [name, command] : commands) {
    SCOPED_TRACE(name);
    Stroke(5);
    command();
    const Shown cleared = Now();
    Undo();
    EXPECT_EQ(Now(), cleared);
    EXPECT_FALSE(Session->Document.History().CanUndo());
  }
  MakeValid();
  Stroke(5);
  SaveAs(QStringLiteral("levels/saved"));
  ASSERT_TRUE(QFile::exists(InFolder(QStringLiteral("levels/saved"))));
  Undo();
  EXPECT_EQ(TheMap().Cell(1, 1).FgTile, 0);
  EXPECT_EQ(TheMap().Cell(1, 1).CharKind, ZuboCharKind);
}

TEST_F(HistoryTest, BackAtTheSavedStepTheMapCountsAsSaved) {
  MakeValid();
  Stroke(5);
  Boxes.ConfirmAnswer = true;
  SaveAs(QStringLiteral("levels/a"));
  Stroke(6);
  const struct {
    const char* Name;
    std::function<void()> Act;
    bool Saved;
  } cases[] = {
      {"undone to the save", [&] { Undo(); }, true},
      {"undone before it", [&] { Undo(); }, false},
      {"redone to it", [&] { RedoShifted(); }, true},
      {"redone past it", [&] { Redo(); }, false},
      {"undone to it again", [&] { Undo(); }, true},
      {"background chosen",
       [&] {
         Panel().CBBackground->setFocus();
         QTest::keyClick(Panel().CBBackground, Qt::Key_Down);
       },
       false},
      {"background undone", [&] { Undo(); }, true},
      {"background redone", [&] { Redo(); }, false},
      {"background undone again", [&] { Undo(); }, true},
  };
  for (const auto& c : cases) {
    c.Act();
    EXPECT_EQ(TheMap().Saved, c.Saved) << c.Name;
  }
  const int questions = Boxes.Questions.size();
  Boxes.ConfirmAnswer = false;
  ClickButton(Panel().BExit);
  EXPECT_EQ(Boxes.Questions.size(), questions);
}

// Ctrl+Z in the memo undoes its typing only; at the window, the map's step.
TEST_F(HistoryWithTextsTest, TheMemoKeepsItsOwnUndo) {
  ChooseMode(ModeForeground);
  ClickCell(Qt::LeftButton, 3, 3);
  QPlainTextEdit* memo = Panel().MCustomTexts;
  QTest::mouseClick(memo->viewport(), Qt::LeftButton);
  QTest::keyClicks(memo, QStringLiteral("abc"));
  QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_NE(memo->toPlainText(), QStringLiteral("abc"));
  EXPECT_EQ(TheMap().Cell(3, 3).FgTile, 1);
  Form->FormMouseDown();
  QTest::keyClick(Form.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(TheMap().Cell(3, 3).FgTile, 0);
}
