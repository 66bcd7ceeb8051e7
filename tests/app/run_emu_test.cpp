// "Run Emu" with a stand-in for java that records how it was started.

#include <QCheckBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSpinBox>
#include <optional>

#include "app/emulator_launch.h"
#include "level_files_fixture.h"
#include "levelfile/level_reader.h"
#include "model/message_texts.h"
#include "stand_in_java.h"

namespace {

// Records its arguments one per line, its working directory, and a copy of
// the level file it finds there; "done" appears last.
constexpr char RecordingJava[] =
    "#!/bin/sh\n"
    "record=\"$(dirname \"$0\")\"\n"
    "pwd -P > \"$record/cwd\"\n"
    "for argument in \"$@\"; do printf '%s\\n' \"$argument\"; done > \"$record/arguments\"\n"
    "cp zuboapp/levels/ed.lvl \"$record/level\"\n"
    "touch \"$record/done\"\n";

}  // namespace

class RunEmuTest : public LevelFilesTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Java.IsValid());
    LevelFilesTest::SetUp();
    ASSERT_TRUE(MakeEmulatorFolders());
    MakeValid();
  }

  QString Record(const char* name) const { return Java.Record(QString::fromLatin1(name)); }

  // Waits for the stand-in to finish its record.
  bool Started(int milliseconds = 10000) const {
    QElapsedTimer clock;
    clock.start();
    while (!QFile::exists(Record("done")) && clock.elapsed() < milliseconds) QTest::qWait(20);
    return QFile::exists(Record("done"));
  }

  QStringList Arguments() const {
    return QString::fromLocal8Bit(FileBytes(Record("arguments")))
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  }

  QString EmulatorLevel() const { return InFolder(QStringLiteral("zuboapp/levels/ed.lvl")); }

  StandInJava Java{RecordingJava};
};

TEST_F(RunEmuTest, StartsJavaInTheProgramFolderWithTheLevelWritten) {
  ClickButton(Panel().BRunEmu);
  ASSERT_TRUE(Started());
  EXPECT_TRUE(Boxes.Log.isEmpty());
  EXPECT_EQ(Arguments(),
            (QStringList{QStringLiteral("-Xbootclasspath/a:korvax.jar:zuboapp"),
                         QStringLiteral("qvm.korvax.MainApp"),
                         QStringLiteral("-Ccom.vantorix.vlek.Main"), QStringLiteral("-AZubo"),
                         QStringLiteral("-w240"), QStringLiteral("-h320"), QStringLiteral("-s2")}));
  const QString cwd = QString::fromLocal8Bit(FileBytes(Record("cwd"))).trimmed();
  EXPECT_EQ(cwd, QDir(Program.path()).canonicalPath());
  EXPECT_EQ(FileBytes(Record("level")), Bytes(Encoded()));
  EXPECT_EQ(FileBytes(EmulatorLevel()), Bytes(Encoded()));
}

TEST_F(RunEmuTest, SizeTextsAndZoomFollowThePanel) {
  Panel().UDScreenWidth->setValue(1000);
  Panel().UDScreenHeight->setValue(10);
  Panel().CBZoomed->setChecked(false);
  ClickButton(Panel().BRunEmu);
  ASSERT_TRUE(Started());
  const QStringList arguments = Arguments();
  ASSERT_EQ(arguments.size(), 6);
  EXPECT_EQ(arguments.mid(4), (QStringList{QStringLiteral("-w1000"), QStringLiteral("-h10")}));
  // The same string as the builder makes, split at its blanks.
  EXPECT_EQ(arguments.join(QLatin1Char(' ')).toStdString(),
            EmulatorArgumentString("1000", "10", false));
}

TEST_F(RunEmuTest, TheLaunchDoesNotChangeSaved) {
  ASSERT_TRUE(TheMap().Saved);
  ClickButton(Panel().BRunEmu);
  ASSERT_TRUE(Started());
  EXPECT_TRUE(TheMap().Saved);

  QFile::remove(Record("done"));
  ClickCell(Qt::LeftButton, 7, 7);
  ASSERT_FALSE(TheMap().Saved);
  ClickButton(Panel().BRunEmu);
  ASSERT_TRUE(Started());
  EXPECT_FALSE(TheMap().Saved);
  EXPECT_EQ(TheMap().Cell(7, 7).BgTile, 1);
  EXPECT_EQ(FileBytes(Record("level")), Bytes(Encoded()));

  // So an unsaved map still asks on Exit.
  Boxes.ConfirmAnswer = false;
  ClickButton(Panel().BExit);
  EXPECT_EQ(Boxes.Questions, QStringList{QString::fromLatin1(MessageTexts::NotSavedReallyExit)});
  EXPECT_TRUE(Panel().ESoubor->text().isEmpty());
}

TEST_F(RunEmuTest, FailedValidationWritesAndStartsNothing) {
  ASSERT_TRUE(WriteBytes(EmulatorLevel(), "earlier"));
  TheMap().Cell(2, 1).MgTile = 0;
  ClickButton(Panel().BRunEmu);
  EXPECT_EQ(Boxes.Messages, QStringList{QString::fromLatin1(MessageTexts::NoEndTile)});
  EXPECT_FALSE(Started(500));
  EXPECT_EQ(FileBytes(EmulatorLevel()), QByteArray("earlier"));
}

// What is missing is said before anything is written; a java on the path
// that cannot run is said once it fails to start.
TEST_F(RunEmuTest, WhatTheEmulatorLacksIsSaidAndNothingIsWritten) {
  const QString folder = Folder();
  const QString noArchive =
      QStringLiteral("Cannot run the emulator: the game folder %1 has no korvax.jar.").arg(folder);
  struct Case {
    bool Archive, Game;
    const char* Java;  // the script on PATH, or none
    QString Message;
  };
  const Case cases[] = {
      {false, true, RecordingJava, noArchive},
      {true, false, RecordingJava,
       QStringLiteral("Cannot run the emulator: the game folder %1 has no zuboapp/.").arg(folder)},
      {false, false, nullptr,
       QStringLiteral("Cannot run the emulator: java is not on the search path (PATH), and the "
                      "game folder %1 has no korvax.jar and no zuboapp/.")
           .arg(folder)},
      {true, true, "#!/no/such/interpreter\n", QStringLiteral("Could not start java: ")},
  };
  const QByteArray path = qgetenv("PATH");
  for (const Case& c : cases) {
    ASSERT_TRUE(QDir(InFolder(QStringLiteral("zuboapp"))).removeRecursively());
    QFile::remove(InFolder(QStringLiteral("korvax.jar")));
    ASSERT_TRUE(MakeEmulatorFolders());
    if (!c.Archive) QFile::remove(InFolder(QStringLiteral("korvax.jar")));
    if (!c.Game) {
      ASSERT_TRUE(QDir(InFolder(QStringLiteral("zuboapp"))).removeRecursively());
    }
    std::optional<StandInJava> java;
    if (c.Java) java.emplace(c.Java);
    qputenv("PATH", c.Java ? qgetenv("PATH").split(':').first() : QByteArray("/nonexistent"));
    Boxes.Messages.clear();
    ClickButton(Panel().BRunEmu);
    qputenv("PATH", path);
    ASSERT_EQ(Boxes.Messages.size(), 1) << c.Message.toStdString();
    EXPECT_TRUE(Boxes.Messages.first().startsWith(c.Message))
        << Boxes.Messages.first().toStdString();
    EXPECT_EQ(QFile::exists(EmulatorLevel()), c.Archive && c.Game);
    QFile::remove(EmulatorLevel());
  }
  EXPECT_FALSE(Started(200));
}

TEST_F(RunEmuTest, APlatformBeingPlacedIsLeftOutOfTheEmulatorsLevel) {
  ChooseMode(ModePlatforms);
  ClickCell(Qt::LeftButton, 5, 5);
  ASSERT_EQ(TheMap().PlatformCount, 1);
  TheMap().PlatformCount = 0;
  const QByteArray finished = Bytes(Encoded());
  TheMap().PlatformCount = 1;
  ClickButton(Panel().BRunEmu);
  EXPECT_TRUE(Boxes.Messages.isEmpty()) << Boxes.Messages.join(QLatin1Char('|')).toStdString();
  ASSERT_TRUE(Started());
  EXPECT_EQ(FileBytes(EmulatorLevel()), finished);
  EXPECT_TRUE(Tools().PlacementInProgress());
}

// Play from here: the emulator's copy starts the hero at the pointer's
// cell; the map stays as it was, and a cell that cannot hold the hero
// starts nothing.
TEST_F(RunEmuTest, PlayFromHereMovesTheHeroInTheEmulatorsCopyOnly) {
  TheMap().Cell(8, 4).ObjectKind = 1;
  const auto before = std::make_unique<Map>(TheMap());
  Move(CellPixel(8, 4));
  Key(Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(
      Boxes.Messages,
      QStringList{QStringLiteral("The game cannot start at (8, 4): the cell holds an object.")});
  EXPECT_FALSE(Started(300));

  Move(CellPixel(6, 4));
  Key(Qt::Key_R, Qt::ControlModifier);
  ASSERT_TRUE(Started());
  const std::optional<LevelRecord> copy =
      ReadLevelRecord(QFile::encodeName(EmulatorLevel()).toStdString());
  ASSERT_TRUE(copy);
  ASSERT_EQ(copy->Chars.size(), 1u);
  EXPECT_EQ(copy->Chars[0].X, 6);
  EXPECT_EQ(copy->Chars[0].Y, 4);
  EXPECT_TRUE(TheMap().Cells == before->Cells);
  EXPECT_EQ(TheMap().PrimaryCharX, before->PrimaryCharX);
  EXPECT_EQ(TheMap().Saved, before->Saved);
}

TEST_F(RunEmuTest, TheLavaWarningComesFirst) {
  TheMap().Cell(5, 5).FgTile = 40;
  ClickButton(Panel().BRunEmu);
  EXPECT_EQ(Boxes.Messages, QStringList{QString::fromLatin1(MessageTexts::LavaWarning)});
  ASSERT_TRUE(Started());
}
