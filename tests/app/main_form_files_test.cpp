// New, Open, Save and Exit as the user drives them from the panel.

#include <sys/stat.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "app/size_spin_box.h"
#include "level_files_fixture.h"
#include "model/message_texts.h"

namespace {

QString Message(const char* text) {
  return QStringLiteral("message: ") + QString::fromLatin1(text);
}

QString Question(const QString& text) {
  return QStringLiteral("question: ") + text;
}

QString Question(const char* text) {
  return Question(QString::fromLatin1(text));
}

}  // namespace

class FileCommandsTest : public LevelFilesTest {
 protected:
  // A change made by a click on the map.
  void EditByClick() {
    ClickCell(Qt::LeftButton, 6, 6);
    ASSERT_FALSE(TheMap().Saved);
  }

  // Writes a level file below the program folder from a map built here.
  void WriteLevel(const QString& name, Map& map) {
    ASSERT_TRUE(WriteLevelFile(map, InFolder(name).toStdString()).Ok);
  }

  void Open(const QString& name) {
    Boxes.ChosenFile = InFolder(name);
    ClickButton(Panel().IBOpenFile);
  }
};

TEST_F(FileCommandsTest, NewAsksOnlyAboutUnsavedChanges) {
  ClickButton(Panel().BNew);
  EXPECT_TRUE(Boxes.Log.isEmpty());

  EditByClick();
  Boxes.ConfirmAnswer = false;
  ClickButton(Panel().BNew);
  EXPECT_EQ(Boxes.Log, QStringList{Question(MessageTexts::NotSavedNew)});
  EXPECT_EQ(TheMap().Cell(6, 6).BgTile, 1);
  EXPECT_FALSE(TheMap().Saved);

  Boxes.ConfirmAnswer = true;
  ClickButton(Panel().BNew);
  EXPECT_EQ(Boxes.Questions.size(), 2);
  EXPECT_EQ(TheMap().Cell(6, 6).BgTile, 0);
  EXPECT_TRUE(TheMap().Saved);
}

TEST_F(FileCommandsTest, SaveWithoutANameWritesNothing) {
  MakeValid();
  ClickButton(Panel().BSave);
  EXPECT_EQ(Boxes.Log, QStringList{Message(MessageTexts::NoFileName)});
  EXPECT_EQ(QDir(Folder()).entryList(QDir::Files).size(), 0);
}

TEST_F(FileCommandsTest, OverwriteIsAskedWithTheNameAsTypedBeforeValidating) {
  ASSERT_TRUE(WriteBytes(InFolder(QStringLiteral("a")), "old"));
  TypeFileName(QStringLiteral("a"));
  TheMap().Cell(3, 3).BgTile = 47;  // validation would remove it

  Boxes.ConfirmAnswer = false;
  ClickButton(Panel().BSave);
  EXPECT_EQ(Boxes.Log, QStringList{Question(QStringLiteral("File a exists.  Overwrite?"))});
  EXPECT_EQ(TheMap().Cell(3, 3).BgTile, 47);

  // Agreeing runs the validation, whose failure writes nothing.
  Boxes.Log.clear();
  Boxes.ConfirmAnswer = true;
  ClickButton(Panel().BSave);
  EXPECT_EQ(Boxes.Log, (QStringList{Question(QStringLiteral("File a exists.  Overwrite?")),
                                    Message(MessageTexts::NoZubo)}));
  EXPECT_EQ(TheMap().Cell(3, 3).BgTile, 0);
  EXPECT_EQ(FileBytes(InFolder(QStringLiteral("a"))), QByteArray("old"));
}

TEST_F(FileCommandsTest, SaveShowsTheLavaWarningAndWrites) {
  MakeValid();
  TheMap().Cell(4, 4).FgTile = 38;
  TheMap().Saved = false;
  TypeFileName(QStringLiteral("levels/lava"));
  ClickButton(Panel().BSave);
  EXPECT_EQ(Boxes.Log, QStringList{Message(MessageTexts::LavaWarning)});
  EXPECT_EQ(FileBytes(InFolder(QStringLiteral("levels/lava"))), Bytes(Encoded()));
  EXPECT_TRUE(TheMap().Saved);
}

TEST_F(FileCommandsTest, SaveRunsAlsoOnASavedMap) {
  MakeValid();
  ASSERT_TRUE(TheMap().Saved);
  TypeFileName(QStringLiteral("levels/b"));
  ClickButton(Panel().BSave);
  EXPECT_TRUE(Boxes.Log.isEmpty());
  EXPECT_EQ(FileBytes(InFolder(QStringLiteral("levels/b"))), Bytes(Encoded()));
}

TEST_F(FileCommandsTest, NameBeginningWithASlashIsAFullPath) {
  QTemporaryDir elsewhere;
  ASSERT_TRUE(elsewhere.isValid());
  MakeValid();
  const QString path = elsewhere.path() + QStringLiteral("/c");
  TypeFileName(path);
  ClickButton(Panel().BSave);
  EXPECT_EQ(FileBytes(path), Bytes(Encoded()));
  EXPECT_FALSE(QFile::exists(InFolder(path)));
}

TEST_F(FileCommandsTest, FailedSaveNamesTheFileAndKeepsSaved) {
  MakeValid();
  EditByClick();
  TypeFileName(QStringLiteral("missing/x"));
  ClickButton(Panel().BSave);
  EXPECT_EQ(Boxes.Messages,
            QStringList{QStringLiteral("Could not save missing/x: No such file or directory.")});
  EXPECT_FALSE(TheMap().Saved);
  EXPECT_FALSE(QDir(InFolder(QStringLiteral("missing"))).exists());

  // Over a folder of that name, the old content stays too.
  ASSERT_TRUE(QDir(Folder()).mkdir(QStringLiteral("d")));
  TypeFileName(QStringLiteral("d"));
  Boxes.Messages.clear();
  ClickButton(Panel().BSave);
  EXPECT_EQ(Boxes.Messages, QStringList{QStringLiteral("Could not save d: Is a directory.")});
  EXPECT_TRUE(QFileInfo(InFolder(QStringLiteral("d"))).isDir());
  EXPECT_FALSE(TheMap().Saved);
}

TEST_F(FileCommandsTest, OpenDialogStartsInTheProgramFolder) {
  ClickButton(Panel().IBOpenFile);  // cancelled: the fake returns no path
  EXPECT_EQ(Boxes.OpenDialogs, QStringList{Folder() + QStringLiteral("|Zubo map (*)")});
  EXPECT_TRUE(Panel().ESoubor->text().isEmpty());
  EXPECT_TRUE(Boxes.Messages.isEmpty());
}

TEST_F(FileCommandsTest, FileOutsideTheProgramFolderIsRejected) {
  TypeFileName(QStringLiteral("kept"));
  EditByClick();
  for (const QString& chosen :
       {QStringLiteral("/elsewhere/a"), QStringLiteral("/x") + Folder() + QStringLiteral("a"),
        Folder().toUpper() + QStringLiteral("a")}) {
    Boxes.Log.clear();
    Boxes.ChosenFile = chosen;
    ClickButton(Panel().IBOpenFile);
    EXPECT_EQ(Boxes.Log, (QStringList{QStringLiteral("open dialog: ") + Folder(),
                                      Message(MessageTexts::OutsideEditorFolder)}))
        << chosen.toStdString();
    EXPECT_EQ(Panel().ESoubor->text(), QStringLiteral("kept"));
    EXPECT_EQ(TheMap().Cell(6, 6).BgTile, 1);
    EXPECT_FALSE(TheMap().Saved);
  }
}

// Nothing was read, so the edits stay unsaved and Exit still asks.
TEST_F(FileCommandsTest, MissingFileLeavesTheMapAndItsSaved) {
  EditByClick();
  Open(QStringLiteral("levels/nothere"));
  EXPECT_EQ(Boxes.Log, (QStringList{QStringLiteral("open dialog: ") + Folder(),
                                    Question(MessageTexts::NotSavedLoad),
                                    Message(MessageTexts::FileNotFound)}));
  EXPECT_EQ(Panel().ESoubor->text(), QStringLiteral("levels/nothere"));
  EXPECT_EQ(TheMap().Cell(6, 6).BgTile, 1);
  EXPECT_FALSE(TheMap().Saved);
  Boxes.Answers = {false};
  ClickButton(Panel().BExit);
  EXPECT_EQ(Boxes.Questions.last(), QString::fromLatin1(MessageTexts::NotSavedReallyExit));
  EXPECT_TRUE(Form->isVisible());

  ClickButton(Panel().BNew);
  Boxes.Log.clear();
  Open(QStringLiteral("levels/nothere"));
  EXPECT_EQ(Boxes.Log, (QStringList{QStringLiteral("open dialog: ") + Folder(),
                                    Message(MessageTexts::FileNotFound)}));
  EXPECT_TRUE(TheMap().Saved);
}

// Whatever else lies under the name is never waited on or read whole: it is
// no level, and the load fails as for a damaged file.
TEST_F(FileCommandsTest, FoldersFifosDevicesAndHugeFilesFailTheLoad) {
  ASSERT_TRUE(QDir(Program.path()).mkpath(QStringLiteral("folder")));
  ASSERT_EQ(::mkfifo(InFolder(QStringLiteral("fifo")).toLocal8Bit().constData(), 0644), 0);
  ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), InFolder(QStringLiteral("device"))));
  QFile huge(InFolder(QStringLiteral("huge")));
  ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(50LL << 30));
  huge.close();
  for (const char* name : {"folder", "fifo", "device", "huge"}) {
    SCOPED_TRACE(name);
    Panel().UDWidth->SetPosition(33);
    EditByClick();
    Boxes.Log.clear();
    Open(QString::fromLatin1(name));
    EXPECT_EQ(Boxes.Log, (QStringList{QStringLiteral("open dialog: ") + Folder(),
                                      Question(MessageTexts::NotSavedLoad),
                                      Message(MessageTexts::LoadError)}));
    EXPECT_EQ(TheMap().Width, 20);
    EXPECT_TRUE(TheMap().Saved);
  }
}

TEST_F(FileCommandsTest, NamesWithAColonLieInTheProgramFolder) {
  MakeValid();
  TypeFileName(QStringLiteral("levels/at12:30.lvl"));
  ClickButton(Panel().BSave);
  EXPECT_TRUE(Boxes.Messages.isEmpty()) << Boxes.Messages.join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(FileBytes(InFolder(QStringLiteral("levels/at12:30.lvl"))), Bytes(Encoded()));
  ClickButton(Panel().BNew);
  Open(QStringLiteral("levels/at12:30.lvl"));
  EXPECT_EQ(TheMap().Cell(1, 1).CharKind, ZuboCharKind);
  EXPECT_TRUE(Boxes.Messages.isEmpty());
}

// A line break inside a custom text line would split the line in the memo
// and renumber every later text. It becomes a blank, every line keeps its
// number through Open and Save, and the mended map counts as unsaved.
TEST_F(FileCommandsTest, LineBreaksInsideCustomTextsKeepEveryLineItsNumber) {
  auto level = std::make_unique<Map>();
  level->Cell(1, 1).CharKind = ZuboCharKind;
  level->Cell(2, 1).MgTile = EndMgTile;
  level->Cell(3, 1).TextId = 4;
  level->CustomTexts = {"one", "two\nlines", "cr\rlf\r\n", "four \x0b\x0c\x85\xff"};
  WriteLevel(QStringLiteral("levels/breaks"), *level);
  Open(QStringLiteral("levels/breaks"));
  const std::vector<std::string> mended = {"one", "two lines", "cr lf  ", level->CustomTexts[3]};
  EXPECT_EQ(TheMap().CustomTexts, mended);
  EXPECT_EQ(Panel().MCustomTexts->document()->blockCount(), 4);
  EXPECT_FALSE(TheMap().Saved);

  Boxes.Answers = {true};
  ClickButton(Panel().BSave);
  EXPECT_TRUE(TheMap().Saved);
  const nlohmann::json dumped = Dump(InFolder(QStringLiteral("levels/breaks")));
  ASSERT_EQ(dumped["customTexts"].size(), 4u);
  EXPECT_EQ(dumped["customTexts"][1], "two lines");
  EXPECT_EQ(dumped["texts"], nlohmann::json::parse("[[3, 1, 4]]"));
  ClickButton(Panel().BNew);
  Open(QStringLiteral("levels/breaks"));
  EXPECT_EQ(TheMap().CustomTexts, mended);
  EXPECT_TRUE(TheMap().Saved);
}

TEST_F(FileCommandsTest, CancelledLoadKeepsTheOldMapUnderTheNewName) {
  auto other = std::make_unique<Map>();
  other->Cell(1, 1).CharKind = ZuboCharKind;
  WriteLevel(QStringLiteral("levels/other"), *other);
  const QByteArray otherBytes = FileBytes(InFolder(QStringLiteral("levels/other")));

  MakeValid();
  EditByClick();
  Boxes.Answers = {false, true};
  Open(QStringLiteral("levels/other"));
  EXPECT_EQ(Panel().ESoubor->text(), QStringLiteral("levels/other"));
  EXPECT_EQ(TheMap().Cell(6, 6).BgTile, 1);
  EXPECT_FALSE(TheMap().Saved);

  // A following Save writes the old map under that name.
  ClickButton(Panel().BSave);
  EXPECT_EQ(Boxes.Questions,
            (QStringList{QString::fromLatin1(MessageTexts::NotSavedLoad),
                         QStringLiteral("File levels/other exists.  Overwrite?")}));
  const QByteArray saved = FileBytes(InFolder(QStringLiteral("levels/other")));
  EXPECT_NE(saved, otherBytes);
  EXPECT_EQ(saved, Bytes(Encoded()));
}

TEST_F(FileCommandsTest, LoadPutsTheLevelIntoTheControls) {
  auto level = std::make_unique<Map>();
  level->Width = 30;
  level->Height = 12;
  level->Background = 2;
  level->Cell(1, 1).BgTile = 2;
  level->Cell(30, 12).BgTile = 1;
  level->Cell(29, 12).MgTile = EndMgTile;
  level->Cell(3, 2).CharKind = ZuboCharKind;
  level->CustomTexts = {"one", "",
                        "thr\xe9"
                        "e"};
  WriteLevel(QStringLiteral("levels/wide"), *level);

  // The size changes run the resize rules on the emptied map, so rising
  // left moves nothing of the level.
  Panel().CBRiseLeft->setChecked(true);
  Panel().CBRiseDown->setChecked(true);
  Open(QStringLiteral("levels/wide"));
  EXPECT_TRUE(Boxes.Messages.isEmpty());
  EXPECT_EQ(Panel().UDWidth->value(), 30);
  EXPECT_EQ(Panel().UDHeight->value(), 12);
  EXPECT_EQ(Panel().CBBackground->currentIndex(), 2);
  EXPECT_EQ(TheMap().Width, 30);
  EXPECT_EQ(TheMap().Background, 2);
  EXPECT_EQ(TheMap().Cell(1, 1).BgTile, 2);
  EXPECT_EQ(TheMap().Cell(30, 12).BgTile, 1);
  EXPECT_EQ(TheMap().Cell(3, 2).CharKind, ZuboCharKind);
  EXPECT_EQ(TheMap().PrimaryCharX, 3);
  EXPECT_EQ(Panel().MCustomTexts->toPlainText(), QStringLiteral("one\n\nthr\u00e9e"));
  EXPECT_EQ(TheMap().CustomTexts, level->CustomTexts);
  EXPECT_EQ(Panel().EBGTiles->text(), QStringLiteral("2"));
  EXPECT_EQ(Panel().EMGTiles->text(), QStringLiteral("1"));
  EXPECT_TRUE(TheMap().Saved);
}

TEST_F(FileCommandsTest, UnreadableFileLeavesAnEmptyTwentyByTwentyMap) {
  MakeValid();
  Panel().UDWidth->SetPosition(33);
  Panel().MCustomTexts->setPlainText(QStringLiteral("text"));
  const std::vector<uint8_t> bytes = Encoded();
  ASSERT_TRUE(WriteBytes(InFolder(QStringLiteral("cut")), Bytes(bytes).left(40)));
  EditByClick();

  Open(QStringLiteral("cut"));
  EXPECT_EQ(Boxes.Log,
            (QStringList{QStringLiteral("open dialog: ") + Folder(),
                         Question(MessageTexts::NotSavedLoad), Message(MessageTexts::LoadError)}));
  EXPECT_EQ(Panel().UDWidth->value(), 20);
  EXPECT_EQ(Panel().UDHeight->value(), 20);
  EXPECT_EQ(TheMap().Width, 20);
  EXPECT_EQ(TheMap().Cell(1, 1).CharKind, 0);
  EXPECT_TRUE(Panel().MCustomTexts->toPlainText().isEmpty());
  EXPECT_TRUE(TheMap().CustomTexts.empty());
  EXPECT_TRUE(TheMap().Saved);
}

TEST_F(FileCommandsTest, ExitAsksOnlyAboutUnsavedChanges) {
  MakeValid();
  EditByClick();
  Boxes.ConfirmAnswer = false;
  ClickButton(Panel().BExit);
  EXPECT_EQ(Boxes.Log, QStringList{Question(MessageTexts::NotSavedReallyExit)});
  EXPECT_TRUE(Form->isVisible());

  // After a Save nothing is asked.
  TypeFileName(QStringLiteral("levels/e"));
  ClickButton(Panel().BSave);
  ASSERT_TRUE(TheMap().Saved);
  ClickButton(Panel().BExit);
  EXPECT_EQ(Boxes.Questions.size(), 1);
  EXPECT_FALSE(Form->isVisible());
}

// Which command reads and which sets Saved.
TEST_F(FileCommandsTest, SavedFollowsTheCommands) {
  MakeValid();
  TypeFileName(QStringLiteral("levels/s"));
  EditByClick();
  ClickButton(Panel().BSave);
  EXPECT_TRUE(TheMap().Saved);

  EditByClick();
  Open(QStringLiteral("levels/s"));  // agreed: saved, then loaded
  EXPECT_TRUE(TheMap().Saved);
  EXPECT_EQ(TheMap().Cell(6, 6).BgTile, 1);

  EditByClick();
  ClickButton(Panel().BNew);
  EXPECT_TRUE(TheMap().Saved);
  EXPECT_EQ(Boxes.Questions.size(), 2);

  // Choosing another background is a change; so is typing a custom text.
  QTest::keyClick(Panel().CBBackground, Qt::Key_Down);
  EXPECT_EQ(TheMap().Background, 1);
  EXPECT_FALSE(TheMap().Saved);
  ClickButton(Panel().BNew);
  EXPECT_TRUE(TheMap().Saved);
  EXPECT_EQ(TheMap().Background, 1);  // New keeps the background
  QTest::keyClicks(Panel().MCustomTexts, QStringLiteral("x"));
  EXPECT_FALSE(TheMap().Saved);
  ClickButton(Panel().BExit);
  EXPECT_EQ(Boxes.Questions.last(), QString::fromLatin1(MessageTexts::NotSavedReallyExit));
}

// Save and "Run Emu" leave a platform being placed out of the file, as the
// recovery copy does; the placement goes on over the unchanged map.
TEST_F(FileCommandsTest, APlatformBeingPlacedIsLeftOutOfTheFile) {
  MakeValid();
  ChooseMode(ModePlatforms);
  ClickCell(Qt::LeftButton, 5, 5);
  ASSERT_TRUE(Tools().PlacementInProgress());
  ASSERT_EQ(TheMap().PlatformCount, 1);
  TheMap().PlatformCount = 0;
  const QByteArray finished = Bytes(Encoded());
  TheMap().PlatformCount = 1;

  TypeFileName(QStringLiteral("levels/a"));
  ClickButton(Panel().BSave);
  EXPECT_TRUE(Boxes.Messages.isEmpty()) << Boxes.Messages.join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(FileBytes(InFolder(QStringLiteral("levels/a"))), finished);
  EXPECT_TRUE(Tools().PlacementInProgress());
  EXPECT_EQ(TheMap().PlatformCount, 1);
}
