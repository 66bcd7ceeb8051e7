// The whole life of a level, as a user goes through it: paint it, save it,
// start anew, open it again, try it in the emulator and leave.

#include <QComboBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include "level_files_fixture.h"
#include "model/message_texts.h"
#include "stand_in_java.h"

namespace {

using nlohmann::json;

// Records where it was started and copies the level it finds there.
constexpr char RecordingJava[] =
    "#!/bin/sh\n"
    "record=\"$(dirname \"$0\")\"\n"
    "pwd -P > \"$record/cwd\"\n"
    "echo \"$@\" > \"$record/arguments\"\n"
    "cp zuboapp/levels/ed.lvl \"$record/level\"\n"
    "touch \"$record/done\"\n";

}  // namespace

class LevelLifeTest : public LevelFilesTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Java.IsValid());
    LevelFilesTest::SetUp();
    ASSERT_TRUE(MakeEmulatorFolders());
  }

  void Choose(int mode, int selected) {
    ChooseMode(mode);
    Panel().UDSel->setValue(selected);
  }

  // A pixel two right of and two up from the bottom-left corner of a cell.
  QPoint NearBottomLeft(int column, int row) const {
    return QPoint((column - 1) * View().CellSize + 2,
                  View().ViewHeight - (row - 1) * View().CellSize - 3);
  }

  void PaintTheLevel() {
    Choose(ModeChars, 1);
    ClickCell(Qt::LeftButton, 2, 2);  // Zubo
    Choose(ModeMidground, EndMgTile);
    ClickCell(Qt::LeftButton, 10, 2);  // the end
    Choose(ModeMidground, 1);
    ClickCell(Qt::LeftButton, 8, 2);  // the switch's tile
    Choose(ModeObjects, 1);
    ClickCell(Qt::LeftButton, 5, 2);

    // A spring from the corner the object touches, up to the middle of (5, 6).
    Choose(ModeSprings, 2);
    Click(Qt::LeftButton, NearBottomLeft(5, 3));
    ClickCell(Qt::LeftButton, 5, 6);
    ClickCell(Qt::RightButton, 5, 6);

    // A platform from (12, 5) to (15, 5) that a switch at (8, 2) turns.
    Choose(ModePlatforms, 1);
    ClickCell(Qt::LeftButton, 12, 5);
    WhenDialogShown([](TEditPlatform& dialog) {
      QTest::mouseClick(dialog.LBType->viewport(), Qt::LeftButton, {},
                        dialog.LBType->visualItemRect(dialog.LBType->item(1)).center());
      QTest::mouseClick(dialog.BOK, Qt::LeftButton);
    });
    ClickCell(Qt::LeftButton, 15, 5);
    ClickCell(Qt::LeftButton, 8, 2);

    // A text marker and its text.
    Choose(ModeTexts, 1);
    ClickCell(Qt::LeftButton, 8, 8);
    QTest::mouseClick(Panel().MCustomTexts->viewport(), Qt::LeftButton);
    QTest::keyClicks(Panel().MCustomTexts, QStringLiteral("Welcome, Zubo"));

    QTest::keyClick(Panel().CBBackground, Qt::Key_Down);
  }

  bool EmulatorStarted() const {
    QElapsedTimer clock;
    clock.start();
    const QString done = Java.Record(QStringLiteral("done"));
    while (!QFile::exists(done) && clock.elapsed() < 10000) QTest::qWait(20);
    return QFile::exists(done);
  }

  StandInJava Java{RecordingJava};
};

TEST_F(LevelLifeTest, PaintSaveNewOpenRunAndExit) {
  PaintTheLevel();
  ASSERT_TRUE(Boxes.Log.isEmpty()) << Boxes.Log.join(QLatin1Char('\n')).toStdString();
  ASSERT_FALSE(TheMap().Saved);

  // Save under a new name: nothing to ask.
  TypeFileName(QStringLiteral("levels/life.lvl"));
  ClickButton(Panel().BSave);
  ASSERT_TRUE(Boxes.Log.isEmpty()) << Boxes.Log.join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(TheMap().Saved);
  const QString file = InFolder(QStringLiteral("levels/life.lvl"));
  const json level = Dump(file);
  EXPECT_EQ(level["width"], 20);
  EXPECT_EQ(level["height"], 20);
  EXPECT_EQ(level["background"], 1);
  EXPECT_EQ(level["primary"], json::array({2, 2}));
  EXPECT_EQ(level["chars"], json::array({{2, 2, 1}}));
  EXPECT_EQ(level["objects"], json::array({{5, 2, 1}}));
  EXPECT_EQ(level["springs"],
            json::array({{{"kind", 2}, {"points", {{5, 3, BottomLeft}, {5, 6, Center}}}}}));
  ASSERT_EQ(level["platforms"].size(), 1u);
  const json& platform = level["platforms"][0];
  EXPECT_EQ(platform["kind"], 1);
  EXPECT_EQ(platform["speed"], 5);
  EXPECT_EQ(platform["switchType"], 1);
  EXPECT_EQ(platform["start"], json::array({12, 5}));
  EXPECT_EQ(platform["end"], json::array({15, 5}));
  EXPECT_EQ(platform["switch"], json::array({8, 2}));
  EXPECT_EQ(level["texts"], json::array({{8, 8, 1}}));
  EXPECT_EQ(level["customTexts"], json::array({"Welcome, Zubo"}));
  // In scan order: column by column, each from row 1 up.
  EXPECT_EQ(level["tiles"]["mg"][(10 - 1) * 20 + (2 - 1)], EndMgTile);
  EXPECT_EQ(level["tiles"]["mg"][(8 - 1) * 20 + (2 - 1)], 1);
  const QByteArray firstSave = FileBytes(file);

  // A change, and a Save that is not allowed to overwrite.
  Choose(ModeBackground, 2);
  ClickCell(Qt::LeftButton, 1, 20);
  Boxes.ConfirmAnswer = false;
  ClickButton(Panel().BSave);
  EXPECT_EQ(Boxes.Questions,
            QStringList{QStringLiteral("File levels/life.lvl exists.  Overwrite?")});
  EXPECT_EQ(FileBytes(file), firstSave);
  EXPECT_FALSE(TheMap().Saved);
  // Then one that is.
  Boxes.ConfirmAnswer = true;
  ClickButton(Panel().BSave);
  EXPECT_EQ(Boxes.Questions.size(), 2);
  EXPECT_TRUE(TheMap().Saved);
  EXPECT_EQ(Dump(file)["tiles"]["bg"][20 - 1], 2);
  const QByteArray secondSave = FileBytes(file);
  EXPECT_EQ(secondSave, Bytes(Encoded()));

  // New: a saved map goes without a question.
  ClickButton(Panel().BNew);
  EXPECT_EQ(Boxes.Questions.size(), 2);
  EXPECT_EQ(TheMap().Cell(2, 2).CharKind, 0);
  EXPECT_EQ(TheMap().PlatformCount, 0);
  EXPECT_EQ(TheMap().SpringCount, 0);
  EXPECT_TRUE(Panel().MCustomTexts->toPlainText().isEmpty());
  EXPECT_EQ(Tools().State().ActiveTool, Tool::ToolPlaceTile);

  // Open it again through the dialog.
  Panel().ESoubor->clear();
  Boxes.ChosenFile = file;
  ClickButton(Panel().IBOpenFile);
  EXPECT_EQ(Boxes.Messages, QStringList{});
  EXPECT_EQ(Panel().ESoubor->text(), QStringLiteral("levels/life.lvl"));
  EXPECT_EQ(TheMap().Cell(2, 2).CharKind, ZuboCharKind);
  EXPECT_EQ(TheMap().Cell(10, 2).MgTile, EndMgTile);
  EXPECT_EQ(TheMap().Cell(8, 8).TextId, 1);
  EXPECT_EQ(TheMap().PlatformCount, 1);
  EXPECT_EQ(TheMap().SpringCount, 1);
  EXPECT_EQ(Panel().MCustomTexts->toPlainText(), QStringLiteral("Welcome, Zubo"));
  EXPECT_EQ(Panel().CBBackground->currentIndex(), 1);
  EXPECT_TRUE(TheMap().Saved);
  EXPECT_EQ(Bytes(Encoded()), secondSave);

  // Try it in the emulator.
  ClickButton(Panel().BRunEmu);
  ASSERT_TRUE(EmulatorStarted());
  EXPECT_EQ(FileBytes(Java.Record(QStringLiteral("level"))), secondSave);
  EXPECT_EQ(FileBytes(Java.Record(QStringLiteral("arguments"))),
            QByteArray("-Xbootclasspath/a:korvax.jar:zuboapp qvm.korvax.MainApp "
                       "-Ccom.vantorix.vlek.Main -AZubo -w240 -h320 -s2\n"));
  EXPECT_EQ(QString::fromLocal8Bit(FileBytes(Java.Record(QStringLiteral("cwd")))).trimmed(),
            QDir(Program.path()).canonicalPath());
  EXPECT_TRUE(TheMap().Saved);

  // Exit with an unsaved change: cancelled once, then agreed.
  Choose(ModeBackground, 1);
  ClickCell(Qt::LeftButton, 3, 3);
  Boxes.ConfirmAnswer = false;
  ClickButton(Panel().BExit);
  EXPECT_TRUE(Form->isVisible());
  Boxes.ConfirmAnswer = true;
  ClickButton(Panel().BExit);
  EXPECT_FALSE(Form->isVisible());
  EXPECT_EQ(Boxes.Questions.mid(2),
            QStringList(2, QString::fromLatin1(MessageTexts::NotSavedReallyExit)));
  EXPECT_EQ(FileBytes(file), secondSave);
}

TEST_F(LevelLifeTest, ExitWithoutChangesAsksNothing) {
  ClickButton(Panel().BExit);
  EXPECT_TRUE(Boxes.Questions.isEmpty());
  EXPECT_FALSE(Form->isVisible());
}
