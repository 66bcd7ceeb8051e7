// Autosave and recovery through the real window: the copy written while the
// map has unsaved changes, offered at the next start after a crash, and
// removed by Exit, Save, New and Open.

#include <QComboBox>
#include <QDateTime>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTimer>

#include "app/size_spin_box.h"
#include "editing/map_history.h"
#include "recovery/autosave.h"
#include "file_size_limit.h"
#include "level_files_fixture.h"

namespace {

const QString RestoreQuestion =
    QStringLiteral("The editor was closed with unsaved changes (saved at %1). Restore them?");

class RecoveryTest : public LevelFilesTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(DataHome.isValid());
    PreviousDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", DataHome.path().toLocal8Bit());
    LevelFilesTest::SetUp();
    Form->StartAutosave(30);
  }
  void TearDown() override {
    LevelFilesTest::TearDown();
    qputenv("XDG_DATA_HOME", PreviousDataHome);
  }

  // Writes the copy as the autosave timer does, and waits until it is on disk.
  void Autosave() {
    Recovery->Tick();
    Recovery->Wait();
  }

  // Starts the editor again in the same program folder; the old window is
  // dropped without Exit, as a crash would leave it.
  void StartAgain() {
    Boxes.Questions.clear();
    Boxes.Messages.clear();
    StartEditor();
    Form->StartAutosave(30);
    Form->OfferRecovery();
  }

  QString CopyPath() const { return Recovery->Path(); }

  QTemporaryDir DataHome;
  QByteArray PreviousDataHome;
};

// Everything a designer can change, also beyond the map's edges.
void EditEverything(Map& map, ControlPanel& panel) {
  panel.UDWidth->SetPosition(60);
  panel.UDHeight->SetPosition(20);
  panel.CBBackground->setCurrentIndex(2);
  for (int i = 1; i <= 60; ++i)
    map.Cell(i, 1 + i % 20) = {1, 2, 2, 2, 2, 6};  // images the test sets have
  map.Cell(200, 200).BgTile = 3;                   // left behind by a resize
  map.Cell(3, 3).CharKind = ZuboCharKind;
  map.PrimaryCharX = 3;
  map.PrimaryCharY = 3;
  map.SpringCount = 1;
  map.Springs[0].Kind = 4;
  map.Springs[0].PointCount = 2;
  map.Springs[0].Points[0] = {2, 5, Center};
  map.Springs[0].Points[1] = {-1, 300, BottomLeft};
  map.PlatformCount = 1;
  map.Platforms[0] = {1, 2, 9, 2, 5, 5, 3, 1, TurnForever};
  panel.MCustomTexts->setPlainText(QStringLiteral("first line\nzweite Zeile \u00fc\u20ac\n"));
  panel.ESoubor->setText(QStringLiteral("levels/m\u00fcne"));
  panel.UDZoom->setValue(14);
}

}  // namespace

TEST_F(RecoveryTest, AfterACrashTheCopyIsOfferedAndRestoresWhatWasOnScreen) {
  EditEverything(TheMap(), Panel());
  ClickCell(Qt::LeftButton, 5, 5);
  Session->View.CameraX = 3;
  Session->View.CameraY = 2;
  const QString minuteBefore = QDateTime::currentDateTime().toString(QStringLiteral("HH:mm"));
  Autosave();
  const QString minuteAfter = QDateTime::currentDateTime().toString(QStringLiteral("HH:mm"));
  ASSERT_TRUE(QFile::exists(CopyPath()));
  EXPECT_TRUE(CopyPath().startsWith(DataHome.path()));
  const auto before = std::make_unique<Map>(TheMap());
  const QString memo = Panel().MCustomTexts->toPlainText();

  StartAgain();
  ASSERT_EQ(Boxes.Questions.size(), 1);
  EXPECT_TRUE(Boxes.Questions[0] == RestoreQuestion.arg(minuteBefore) ||
              Boxes.Questions[0] == RestoreQuestion.arg(minuteAfter))
      << Boxes.Questions[0].toStdString();
  const Map& after = TheMap();
  EXPECT_TRUE(after.Cells == before->Cells);
  EXPECT_EQ(after.Width, 60);
  EXPECT_EQ(Panel().UDWidth->value(), 60);
  EXPECT_EQ(after.Height, before->Height);
  EXPECT_EQ(Panel().CBBackground->currentIndex(), 2);
  EXPECT_EQ(after.Background, 2);
  EXPECT_EQ(after.PrimaryCharX, 3);
  EXPECT_EQ(after.PrimaryCharY, 3);
  ASSERT_EQ(after.SpringCount, 1);
  EXPECT_EQ(after.Springs[0].Kind, 4);
  EXPECT_EQ(after.Springs[0].PointCount, 2);
  EXPECT_EQ(after.Springs[0].Points[1], (SpringPoint{-1, 300, BottomLeft}));
  ASSERT_EQ(after.PlatformCount, 1);
  EXPECT_EQ(after.Platforms[0], before->Platforms[0]);
  EXPECT_EQ(Panel().MCustomTexts->toPlainText(), memo);
  EXPECT_EQ(after.CustomTexts, before->CustomTexts);
  EXPECT_EQ(Panel().ESoubor->text(), QStringLiteral("levels/m\u00fcne"));
  EXPECT_EQ(Panel().UDZoom->value(), 14);
  EXPECT_EQ(Session->View.CellSize, 22);
  EXPECT_EQ(Session->View.CameraX, 3);
  EXPECT_EQ(Session->View.CameraY, 2);
  EXPECT_FALSE(after.Saved);
  EXPECT_TRUE(Boxes.Messages.isEmpty());
  // The restored map starts a history of its own: nothing of the way the
  // window was brought to its size and background can be undone.
  EXPECT_FALSE(Session->Document.History().CanUndo());
}

TEST_F(RecoveryTest, TheCopyIsWrittenOnlyWhileTheMapHasUnsavedChanges) {
  EXPECT_EQ(Recovery->Timer().interval(), 30000);
  EXPECT_TRUE(Recovery->Timer().isActive());
  Autosave();
  EXPECT_FALSE(QFile::exists(CopyPath()));
  ClickCell(Qt::LeftButton, 2, 2);
  Autosave();
  EXPECT_TRUE(QFile::exists(CopyPath()));
}

// How a run can end, and whether the next start offers a copy.
TEST_F(RecoveryTest, ExitSaveNewAndOpenRemoveTheCopyAndCancelDeletesIt) {
  struct Case {
    const char* Name;
    std::function<void()> End;
  };
  const Case cases[] = {{"Exit",
                         [this] {
                           ClickButton(Panel().BExit);
                           EXPECT_FALSE(Recovery->Timer().isActive());
                         }},
                        {"Save",
                         [this] {
                           MakeValid();
                           TypeFileName(QStringLiteral("levels/a"));
                           ClickButton(Panel().BSave);
                         }},
                        {"New", [this] { ClickButton(Panel().BNew); }},
                        {"Open",
                         [this] {
                           Boxes.ChosenFile = InFolder(QStringLiteral("levels/a"));
                           ClickButton(Panel().IBOpenFile);
                         }},
                        {"Cancel on restore", [this] {
                           Boxes.Answers = {false};
                           StartAgain();
                         }}};
  for (const Case& c : cases) {
    ClickCell(Qt::LeftButton, 4, 4);
    Autosave();
    ASSERT_TRUE(QFile::exists(CopyPath())) << c.Name;
    c.End();
    Recovery->Wait();
    EXPECT_FALSE(QFile::exists(CopyPath())) << c.Name;
    StartAgain();
    EXPECT_TRUE(Boxes.Questions.isEmpty()) << c.Name;
    EXPECT_TRUE(TheMap().Saved) << c.Name;
  }
}

TEST_F(RecoveryTest, ADamagedCopyIsDiscardedWithAMessage) {
  ClickCell(Qt::LeftButton, 4, 4);
  Autosave();
  const QByteArray good = FileBytes(CopyPath());
  const QByteArray damaged[] = {QByteArray(), good.left(good.size() / 2), good.left(20),
                                QByteArray(good).replace(40, 1, "\x7f"),
                                QByteArray("ZUBOREC1") + QByteArray(5000, '\xff')};
  for (const QByteArray& bytes : damaged) {
    ASSERT_TRUE(WriteBytes(CopyPath(), bytes));
    StartAgain();
    EXPECT_TRUE(Boxes.Questions.isEmpty());
    EXPECT_EQ(Boxes.Messages,
              QStringList{QStringLiteral("The copy of the unsaved changes left by the last run is "
                                         "damaged and was discarded.")});
    EXPECT_FALSE(QFile::exists(CopyPath()));
    EXPECT_EQ(TheMap().Cell(4, 4).BgTile, 0);
  }
}

TEST_F(RecoveryTest, ASecondEditorInTheSameFolderLeavesTheCopyToTheFirst) {
  ClickCell(Qt::LeftButton, 4, 4);
  Autosave();
  FakeMessageBoxes secondBoxes;
  EditorSession secondSession;
  secondSession.ProgramFolder = Session->ProgramFolder;
  ::Autosave secondRecovery;
  TMainForm second(secondBoxes, secondSession, secondRecovery);
  ASSERT_TRUE(second.StartUp());
  second.StartAutosave(30);
  second.OfferRecovery();
  EXPECT_FALSE(secondRecovery.Keeping());
  EXPECT_FALSE(secondRecovery.Timer().isActive());
  EXPECT_TRUE(secondBoxes.Questions.isEmpty());
  EXPECT_TRUE(QFile::exists(CopyPath()));
}

// A folder where the copy goes is named, kept with what it holds, and not
// reported again by every autosave that fails on it.
TEST_F(RecoveryTest, AFolderInPlaceOfTheCopyIsNamedNotDiscarded) {
  ASSERT_TRUE(QDir().mkpath(CopyPath()));
  ASSERT_TRUE(WriteBytes(CopyPath() + QStringLiteral("/inside"), "kept"));
  StartAgain();
  EXPECT_EQ(Boxes.Messages,
            QStringList{QStringLiteral("The copy of the unsaved changes left by the last run, %1, "
                                       "cannot be read or removed: Is a directory. No recovery "
                                       "copy can be kept until it is removed.")
                            .arg(CopyPath())});
  ClickCell(Qt::LeftButton, 4, 4);
  Autosave();
  Autosave();
  EXPECT_EQ(Boxes.Messages.size(), 1);
  EXPECT_EQ(FileBytes(CopyPath() + QStringLiteral("/inside")), QByteArray("kept"));
}

// The box waits while a button is held on the map, and comes once.
TEST_F(RecoveryTest, ACopyThatCannotBeWrittenIsToldOnceAfterTheButtonIsReleased) {
  ClickCell(Qt::LeftButton, 4, 4);
  Press(Qt::LeftButton, CellPixel(6, 6));
  {
    const FileSizeLimit limit(4096);
    ASSERT_TRUE(limit.IsValid());
    Autosave();
    Autosave();
  }
  QTest::qWait(20);
  EXPECT_TRUE(Boxes.Messages.isEmpty());
  Release(Qt::LeftButton, CellPixel(6, 6));
  ASSERT_TRUE(WaitFor([this] { return !Boxes.Messages.isEmpty(); }));
  QTest::qWait(600);
  EXPECT_EQ(Boxes.Messages,
            QStringList{QStringLiteral("The recovery copy %1 cannot be written: File too large. A "
                                       "crash would lose the unsaved changes; the editor keeps "
                                       "trying.")
                            .arg(CopyPath())});
}
