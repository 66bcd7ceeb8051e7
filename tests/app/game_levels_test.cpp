// A whole game's levels through the real window: the game folder, a level on
// the command line, drops, recent levels, next and previous, changes made on
// disk by other programs, and the keys of the file commands.

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QToolButton>
#include <QUrl>

#include "app/game_folder.h"
#include "app/level_navigator.h"
#include "image_folder.h"
#include "level_files_fixture.h"
#include "model/message_texts.h"

namespace {

// The tile sets of a game in folder, cellSize pixels a side.
bool WriteTileSets(const QString& folder, int cellSize) {
  const QDir dir(folder);
  const QImage tile = Solid(cellSize, cellSize, QColor(90, 60, 30));
  bool written = QDir().mkpath(folder);
  for (const char* set : {"img_bg", "img_mg", "img_fg", "img_obj", "img_pla", "img_chars"}) {
    written = written && dir.mkpath(QString::fromLatin1(set));
    for (int i = 0; i < 2; ++i)
      written = written && tile.save(dir.filePath(QStringLiteral("%1/%2.png").arg(set).arg(i)));
  }
  return written && tile.save(dir.filePath(QStringLiteral("img_chars/primary.png")));
}

}  // namespace

// Each source of the folders: --game, the working directory's tile sets, the
// executable's folder's when the working directory has none, and for an
// installed editor its sample game's, with levels in the user's folder.
TEST(GameFolderTest, TileSetsAndLevelsComeFromTheChosenFolders) {
  QTemporaryDir game, executable, working, installed, user, empty;
  ASSERT_TRUE(WriteTileSets(game.path(), 24));
  ASSERT_TRUE(WriteTileSets(executable.path(), 32));
  ASSERT_TRUE(WriteTileSets(working.path(), 16));
  ASSERT_TRUE(WriteTileSets(installed.path(), 20));
  struct Case {
    QString Game, Working, Executable;
    QString Tiles, Program;
    int CellSize;  // 0: the start stops
  };
  const QString noTiles = empty.path();
  const Case cases[] = {
      {game.path(), working.path(), executable.path(), game.path(), game.path(), 24},
      {QString(), working.path(), executable.path(), working.path(), executable.path(), 16},
      {QString(), noTiles, executable.path(), executable.path(), executable.path(), 32},
      {noTiles, working.path(), executable.path(), noTiles, noTiles, 0},
      // Installed: the executable's folder has no tile sets.
      {QString(), noTiles, noTiles, installed.path(), user.path(), 20},
      {QString(), working.path(), noTiles, working.path(), user.path(), 16},
  };
  for (const Case& c : cases) {
    const GameFolders folders =
        ChooseGameFolders({c.Game, c.Working, c.Executable, installed.path(), user.path()});
    EXPECT_EQ(folders.Tiles, c.Tiles.toStdString() + "/");
    EXPECT_EQ(folders.Program, c.Program.toStdString() + "/");
    FakeMessageBoxes boxes;
    EditorSession session;
    session.ProgramFolder = folders.Program;
    session.TileFolder = folders.Tiles;
    Autosave autosave;
    TMainForm form(boxes, session, autosave);
    EXPECT_EQ(form.StartUp(), c.CellSize != 0) << c.Game.toStdString();
    if (c.CellSize != 0) {
      EXPECT_EQ(session.Sets.BaseTileSize, c.CellSize);
      EXPECT_TRUE(boxes.Messages.isEmpty());
    } else {
      ASSERT_EQ(boxes.Messages.size(), 1);
      EXPECT_TRUE(boxes.Messages.first().contains(QStringLiteral("img_bg/0.png")))
          << boxes.Messages.first().toStdString();
    }
  }
  // A relative --game is taken in the working directory.
  EXPECT_EQ(ChooseGameFolders({QStringLiteral("g/../h"), QStringLiteral("/w"), QString(),
                               QString(), QString()})
                .Program,
            "/w/h/");
  // The user's folder gets the demo level once, and the game's levels folder.
  ASSERT_TRUE(QDir(installed.path()).mkpath(QStringLiteral("levels")));
  ASSERT_TRUE(QFile(installed.filePath(QStringLiteral("levels/demo.lvl"))).open(QIODevice::WriteOnly));
  PrepareUserFolder(user.path(), installed.path());
  EXPECT_TRUE(QFile::exists(user.filePath(QStringLiteral("levels/demo.lvl"))));
  EXPECT_TRUE(QFileInfo(user.filePath(QStringLiteral("zuboapp/levels"))).isDir());
  ASSERT_TRUE(QFile::remove(user.filePath(QStringLiteral("levels/demo.lvl"))));
  PrepareUserFolder(user.path(), installed.path());
  EXPECT_FALSE(QFile::exists(user.filePath(QStringLiteral("levels/demo.lvl"))));
}

class GameLevelsTest : public LevelFilesTest {
 protected:
  // A level whose map is `width` cells wide, so that a test sees which
  // level the window opened.
  void WriteLevel(const QString& name, int width) {
    Map map;
    map.Width = width;
    ASSERT_TRUE(WriteLevelFile(map, InFolder(name).toStdString()).Ok);
  }

  void Edit() {
    ClickCell(Qt::LeftButton, 2, 2);
    ASSERT_FALSE(TheMap().Saved);
  }

  QString Name() const { return Panel().ESoubor->text(); }
  QString State() const { return Find<QLabel>("LFileState")->text(); }
  QMenu* RecentMenu() const { return Panel().BRecent->menu(); }
  QStringList RecentNames() const {
    emit RecentMenu()->aboutToShow();
    QStringList names;
    for (QAction* action : RecentMenu()->actions())
      if (action->isEnabled()) names.append(action->text());
    return names;
  }
  void ChooseRecent(const QString& name) {
    emit RecentMenu()->aboutToShow();
    for (QAction* action : RecentMenu()->actions())
      if (action->text() == name) action->trigger();
  }

  // A drag of the files over the window and, when it is taken, the drop.
  bool Drop(const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths) urls.append(QUrl::fromLocalFile(path));
    data.setUrls(urls);
    const QPoint at = Surface()->geometry().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(Form.get(), &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(Form.get(), &drop);
    QTest::qWait(20);
    return true;
  }

  // Waits for the look at the open level's file that follows a change.
  static bool WaitForDisk(const std::function<bool()>& condition) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < 2 * LevelNavigator::DiskCheckMs + 500)
      QTest::qWait(20);
    return condition();
  }
};

TEST_F(GameLevelsTest, CommandLineLevelIsFoundInTheGameFolderThenTheWorkingDirectory) {
  WriteLevel(QStringLiteral("levels/a.lvl"), 30);
  ASSERT_TRUE(QDir().mkpath(QStringLiteral("here")));
  Map map;
  map.Width = 40;
  ASSERT_TRUE(WriteLevelFile(map, "here/b.lvl").Ok);
  Form->OpenStartLevel("levels/a.lvl");
  EXPECT_EQ(Name(), QStringLiteral("levels/a.lvl"));
  EXPECT_EQ(TheMap().Width, 30);
  Form->OpenStartLevel("here/b.lvl");
  EXPECT_EQ(Name(), QDir::current().absoluteFilePath(QStringLiteral("here/b.lvl")));
  EXPECT_EQ(TheMap().Width, 40);
  Form->OpenStartLevel("none.lvl");
  EXPECT_EQ(Boxes.Messages, QStringList{QString::fromLatin1(MessageTexts::FileNotFound)});
  EXPECT_EQ(TheMap().Width, 40);
}

TEST_F(GameLevelsTest, DroppedLevelOpensAfterTheUnsavedQuestionAndOtherFilesDoNothing) {
  WriteLevel(QStringLiteral("levels/a.lvl"), 30);
  QTemporaryDir elsewhere;
  const QString outside = elsewhere.filePath(QStringLiteral("b.lvl"));
  ASSERT_TRUE(WriteLevelFile(Map(), outside.toStdString()).Ok);
  ASSERT_TRUE(WriteBytes(elsewhere.filePath(QStringLiteral("notes.txt")), "no level"));
  EXPECT_FALSE(Drop({elsewhere.filePath(QStringLiteral("notes.txt")), elsewhere.path()}));
  EXPECT_TRUE(Boxes.Log.isEmpty());

  Edit();
  Boxes.Answers = {false};
  ASSERT_TRUE(Drop(
      {elsewhere.filePath(QStringLiteral("notes.txt")), InFolder(QStringLiteral("levels/a.lvl"))}));
  EXPECT_EQ(Boxes.Questions, QStringList{QString::fromLatin1(MessageTexts::NotSavedLoad)});
  EXPECT_TRUE(Name().isEmpty());
  EXPECT_FALSE(TheMap().Saved);
  ASSERT_TRUE(Drop({InFolder(QStringLiteral("levels/a.lvl"))}));
  EXPECT_EQ(Name(), QStringLiteral("levels/a.lvl"));
  EXPECT_EQ(TheMap().Width, 30);
  ASSERT_TRUE(Drop({outside}));
  EXPECT_EQ(Name(), outside);
  EXPECT_TRUE(TheMap().Saved);
}

TEST_F(GameLevelsTest, RecentLevelsAreKeptNewestFirstAndAMissingOneIsDropped) {
  EXPECT_TRUE(RecentNames().isEmpty());
  for (int i = 1; i <= 12; ++i) WriteLevel(QStringLiteral("levels/%1.lvl").arg(i), 20 + i);
  for (int i = 1; i <= 12; ++i) {
    TypeFileName(QStringLiteral("levels/%1.lvl").arg(i));
    QTest::keyClick(Panel().ESoubor, Qt::Key_Return);
  }
  TypeFileName(QStringLiteral("levels/saved.lvl"));
  MakeValid();
  Key(Qt::Key_S, Qt::ControlModifier);
  ASSERT_TRUE(QFile::exists(InFolder(QStringLiteral("levels/saved.lvl"))));
  QStringList expected{QStringLiteral("levels/saved.lvl")};
  for (int i = 12; i >= 4; --i) expected.append(QStringLiteral("levels/%1.lvl").arg(i));
  EXPECT_EQ(RecentNames(), expected);

  // The list belongs to the game folder and outlives the window.
  StartEditor();
  EXPECT_EQ(RecentNames(), expected);
  ChooseRecent(QStringLiteral("levels/5.lvl"));
  EXPECT_EQ(Name(), QStringLiteral("levels/5.lvl"));
  EXPECT_EQ(TheMap().Width, 25);
  EXPECT_EQ(RecentNames().first(), QStringLiteral("levels/5.lvl"));
  ASSERT_TRUE(QFile::remove(InFolder(QStringLiteral("levels/7.lvl"))));
  ChooseRecent(QStringLiteral("levels/7.lvl"));
  EXPECT_EQ(Boxes.Messages, QStringList{QString::fromLatin1(MessageTexts::FileNotFound)});
  EXPECT_EQ(Name(), QStringLiteral("levels/5.lvl"));
  EXPECT_FALSE(RecentNames().contains(QStringLiteral("levels/7.lvl")));
  EXPECT_EQ(RecentNames().size(), 9);
}

TEST_F(GameLevelsTest, NextAndPreviousFollowNaturalOrderAndAskAboutUnsavedChanges) {
  for (const auto& [name, width] :
       {std::pair{"level1.lvl", 21}, {"level2.lvl", 22}, {"level10.lvl", 30}, {"notes.txt", 0}})
    if (width) WriteLevel(QStringLiteral("levels/") + QString::fromLatin1(name), width);
  TypeFileName(QStringLiteral("levels/level2.lvl"));
  QTest::keyClick(Panel().ESoubor, Qt::Key_Return);
  ASSERT_EQ(TheMap().Width, 22);
  Key(Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(Name(), QStringLiteral("levels/level10.lvl"));
  EXPECT_EQ(TheMap().Width, 30);
  Key(Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(Name(), QStringLiteral("levels/level10.lvl"));
  EXPECT_TRUE(State().contains(QStringLiteral("no next level")));

  Edit();
  Boxes.Answers = {false, true};
  Key(Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(Name(), QStringLiteral("levels/level10.lvl"));
  EXPECT_FALSE(TheMap().Saved);
  Key(Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(Boxes.Questions.size(), 2);
  EXPECT_EQ(Name(), QStringLiteral("levels/level2.lvl"));
  EXPECT_EQ(TheMap().Width, 22);
  EXPECT_TRUE(TheMap().Saved);
}

TEST_F(GameLevelsTest, ChangedFileIsReloadedOrAskedAboutAndARemovalIsToldOnce) {
  WriteLevel(QStringLiteral("levels/a.lvl"), 30);
  TypeFileName(QStringLiteral("levels/a.lvl"));
  QTest::keyClick(Panel().ESoubor, Qt::Key_Return);
  EXPECT_EQ(State(), QStringLiteral("levels/a.lvl  \u00b7  saved"));

  // Saved: read again at once, and said on the state line.
  WriteLevel(QStringLiteral("levels/a.lvl"), 31);
  ASSERT_TRUE(WaitForDisk([&] { return TheMap().Width == 31; }));
  EXPECT_TRUE(Boxes.Log.isEmpty());
  EXPECT_TRUE(State().contains(QStringLiteral("reloaded")));

  // Unsaved: asked; a refusal keeps the map and is not asked again.
  Edit();
  Boxes.Answers = {false};
  WriteLevel(QStringLiteral("levels/a.lvl"), 32);
  ASSERT_TRUE(WaitForDisk([&] { return Boxes.Questions.size() == 1; }));
  QTest::qWait(LevelNavigator::DiskCheckMs + 200);
  EXPECT_EQ(Boxes.Questions.size(), 1);
  EXPECT_EQ(TheMap().Width, 31);
  EXPECT_FALSE(TheMap().Saved);
  WriteLevel(QStringLiteral("levels/a.lvl"), 33);
  ASSERT_TRUE(WaitForDisk([&] { return TheMap().Width == 33; }));
  EXPECT_EQ(Boxes.Questions.size(), 2);
  EXPECT_TRUE(TheMap().Saved);

  // A damaged file leaves the map; a removed file is told once.
  ASSERT_TRUE(WriteBytes(InFolder(QStringLiteral("levels/a.lvl")), "damaged"));
  ASSERT_TRUE(WaitForDisk([&] { return Boxes.Messages.size() == 1; }));
  EXPECT_EQ(TheMap().Width, 33);
  EXPECT_FALSE(TheMap().Saved);
  ASSERT_TRUE(QFile::remove(InFolder(QStringLiteral("levels/a.lvl"))));
  ASSERT_TRUE(WaitForDisk([&] { return Boxes.Messages.size() == 2; }));
  QTest::qWait(LevelNavigator::DiskCheckMs + 200);
  EXPECT_EQ(Boxes.Messages.size(), 2);
  EXPECT_TRUE(Boxes.Messages.last().contains(QStringLiteral("removed")));
  EXPECT_EQ(TheMap().Width, 33);
}

TEST_F(GameLevelsTest, FileKeysSaveAsAndTheStateLine) {
  EXPECT_EQ(State(), QStringLiteral("New map"));
  MakeValid();
  TheMap().Saved = false;
  Key(Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(Boxes.Messages, QStringList{QString::fromLatin1(MessageTexts::NoFileName)});
  Key(Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(Boxes.OpenDialogs.size(), 1);

  // Save As starts in the level's folder and writes under the chosen name,
  // with Save's own question before replacing a file.
  TypeFileName(QStringLiteral("levels/a.lvl"));
  Boxes.ChosenSaveFile = InFolder(QStringLiteral("levels/b.lvl"));
  Key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Boxes.SaveDialogs, QStringList{InFolder(QStringLiteral("levels/a.lvl"))});
  EXPECT_EQ(Name(), QStringLiteral("levels/b.lvl"));
  EXPECT_TRUE(QFile::exists(InFolder(QStringLiteral("levels/b.lvl"))));
  QTest::qWait(400);
  EXPECT_EQ(State(), QStringLiteral("levels/b.lvl  \u00b7  saved"));
  Edit();
  QTest::qWait(400);
  EXPECT_EQ(State(), QStringLiteral("levels/b.lvl  \u00b7  not saved"));
  Boxes.Answers = {false};
  Key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Boxes.Questions.last(), QStringLiteral("File levels/b.lvl exists.  Overwrite?"));
  EXPECT_FALSE(TheMap().Saved);
  Boxes.ChosenSaveFile.clear();
  Key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Boxes.Questions.size(), 1);
}
