// Save and "Run Emu" failing for real: a folder that cannot hold files, a
// missing game folder, a target that is a folder, a full disk. The old file
// stays byte for byte, the system's error text is shown, Saved keeps its
// value and no emulator is started.

#include <unistd.h>

#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <system_error>

#include "file_size_limit.h"
#include "level_files_fixture.h"
#include "stand_in_java.h"

namespace {

// Leaves a mark beside itself when it runs.
constexpr char MarkingJava[] = "#!/bin/sh\ntouch \"$(dirname \"$0\")/started\"\n";

QString SystemText(std::errc error) {
  return QString::fromStdString(std::make_error_code(error).message());
}

// The box of a failed write names the file as the user typed it.
QString SaveFailure(const char* name, std::errc error) {
  return QStringLiteral("Could not save %1: %2.").arg(QLatin1String(name), SystemText(error));
}

QString EmulatorFailure(std::errc error) {
  return QStringLiteral("Could not write zuboapp/levels/ed.lvl for the emulator: %1.")
      .arg(SystemText(error));
}

}  // namespace

class FailedWritesTest : public LevelFilesTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Java.IsValid());
    LevelFilesTest::SetUp();
    ASSERT_TRUE(MakeEmulatorFolders());
    MakeValid();
  }

  bool JavaStarted() const {
    QTest::qWait(300);
    return QFile::exists(Java.Record(QStringLiteral("started")));
  }

  // Runs the command once from a saved map and once from an unsaved one;
  // each time exactly the system's error text is shown and Saved keeps its
  // value.
  void ExpectFailureKeepsSaved(const std::function<void()>& command, const QString& error) {
    for (const bool saved : {true, false}) {
      SCOPED_TRACE(saved ? "saved map" : "unsaved map");
      TheMap().Saved = saved;
      Boxes.Messages.clear();
      command();
      EXPECT_EQ(Boxes.Messages, QStringList{error});
      EXPECT_EQ(TheMap().Saved, saved);
    }
  }

  void Save(const QString& name) {
    Panel().ESoubor->setText(name);
    ClickButton(Panel().BSave);
  }

  void RunEmu() { ClickButton(Panel().BRunEmu); }

  // The names in a folder, hidden ones included: a failed write leaves no
  // temporary file behind.
  static QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
  }

  QString EmulatorLevel() const { return InFolder(QStringLiteral("zuboapp/levels/ed.lvl")); }

  StandInJava Java{MarkingJava};
};

// Root may write into any folder whatever its permission bits, so the folder
// that cannot hold files is one whose path runs through a regular file.
TEST_F(FailedWritesTest, SaveIntoAFolderThatCannotHoldFilesKeepsEverything) {
  ASSERT_TRUE(WriteBytes(InFolder(QStringLiteral("levels/plain")), "old level"));
  ExpectFailureKeepsSaved([this] { Save(QStringLiteral("levels/plain/a")); },
                          SaveFailure("levels/plain/a", std::errc::not_a_directory));
  EXPECT_EQ(FileBytes(InFolder(QStringLiteral("levels/plain"))), QByteArray("old level"));
  EXPECT_EQ(Entries(InFolder(QStringLiteral("levels"))), QStringList{QStringLiteral("plain")});
  EXPECT_TRUE(Boxes.Questions.isEmpty());
}

TEST_F(FailedWritesTest, SaveIntoAReadOnlyFolderKeepsEverything) {
  const QString folder = InFolder(QStringLiteral("levels/locked"));
  ASSERT_TRUE(QDir().mkpath(folder));
  ASSERT_TRUE(WriteBytes(folder + QStringLiteral("/a"), "old level"));
  ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
  if (QFile probe(folder + QStringLiteral("/probe")); probe.open(QIODevice::WriteOnly)) {
    probe.close();
    probe.remove();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    GTEST_SKIP() << "permission bits do not stop this user's writes; "
                    "SaveIntoAFolderThatCannotHoldFilesKeepsEverything covers the failure";
  }
  ExpectFailureKeepsSaved([this] { Save(QStringLiteral("levels/locked/a")); },
                          SaveFailure("levels/locked/a", std::errc::permission_denied));
  QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ(FileBytes(folder + QStringLiteral("/a")), QByteArray("old level"));
  EXPECT_EQ(Entries(folder), QStringList{QStringLiteral("a")});
}

TEST_F(FailedWritesTest, SaveOverAFolderThatHoldsFilesKeepsThem) {
  const QString folder = InFolder(QStringLiteral("levels/full"));
  ASSERT_TRUE(QDir().mkpath(folder));
  ASSERT_TRUE(WriteBytes(folder + QStringLiteral("/inner"), "old level"));
  ExpectFailureKeepsSaved([this] { Save(QStringLiteral("levels/full")); },
                          SaveFailure("levels/full", std::errc::is_a_directory));
  EXPECT_EQ(Boxes.Questions.size(), 2);  // "exists. Overwrite?", answered OK
  EXPECT_EQ(Entries(folder), QStringList{QStringLiteral("inner")});
  EXPECT_EQ(FileBytes(folder + QStringLiteral("/inner")), QByteArray("old level"));
  EXPECT_EQ(Entries(InFolder(QStringLiteral("levels"))), QStringList{QStringLiteral("full")});
}

TEST_F(FailedWritesTest, SaveOnAFullDiskKeepsTheOldFile) {
  const QString path = InFolder(QStringLiteral("levels/a"));
  const QByteArray old("an older level that is longer than the limit");
  ASSERT_TRUE(WriteBytes(path, old));
  {
    const FileSizeLimit limit(16);
    ASSERT_TRUE(limit.IsValid());
    ExpectFailureKeepsSaved([this] { Save(QStringLiteral("levels/a")); },
                            SaveFailure("levels/a", std::errc::file_too_large));
  }
  EXPECT_EQ(FileBytes(path), old);
  EXPECT_EQ(Entries(InFolder(QStringLiteral("levels"))), QStringList{QStringLiteral("a")});

  // Once there is room again the same Save writes the map.
  TheMap().Saved = false;
  Save(QStringLiteral("levels/a"));
  EXPECT_EQ(FileBytes(path), Bytes(Encoded()));
  EXPECT_TRUE(TheMap().Saved);
}

TEST_F(FailedWritesTest, RunEmuWithoutTheLevelsFolderStartsNothing) {
  ASSERT_TRUE(QDir(InFolder(QStringLiteral("zuboapp/levels"))).removeRecursively());
  ExpectFailureKeepsSaved([this] { RunEmu(); },
                          EmulatorFailure(std::errc::no_such_file_or_directory));
  EXPECT_FALSE(JavaStarted());
  EXPECT_EQ(Entries(InFolder(QStringLiteral("zuboapp"))), QStringList{});
}

TEST_F(FailedWritesTest, RunEmuWhenTheLevelsFolderIsAFileStartsNothing) {
  ASSERT_TRUE(QDir(InFolder(QStringLiteral("zuboapp/levels"))).removeRecursively());
  ASSERT_TRUE(WriteBytes(InFolder(QStringLiteral("zuboapp/levels")), "not a folder"));
  ExpectFailureKeepsSaved([this] { RunEmu(); }, EmulatorFailure(std::errc::not_a_directory));
  EXPECT_FALSE(JavaStarted());
  EXPECT_EQ(FileBytes(InFolder(QStringLiteral("zuboapp/levels"))), QByteArray("not a folder"));
}

TEST_F(FailedWritesTest, RunEmuOverAFolderNamedLikeTheLevelStartsNothing) {
  ASSERT_TRUE(QDir().mkpath(EmulatorLevel()));
  ASSERT_TRUE(WriteBytes(EmulatorLevel() + QStringLiteral("/inner"), "old level"));
  ExpectFailureKeepsSaved([this] { RunEmu(); }, EmulatorFailure(std::errc::is_a_directory));
  EXPECT_FALSE(JavaStarted());
  EXPECT_EQ(FileBytes(EmulatorLevel() + QStringLiteral("/inner")), QByteArray("old level"));
}

TEST_F(FailedWritesTest, RunEmuOnAFullDiskKeepsTheOldLevelAndStartsNothing) {
  const QByteArray old("the level of an earlier launch, longer than the limit");
  ASSERT_TRUE(WriteBytes(EmulatorLevel(), old));
  {
    const FileSizeLimit limit(16);
    ASSERT_TRUE(limit.IsValid());
    ExpectFailureKeepsSaved([this] { RunEmu(); }, EmulatorFailure(std::errc::file_too_large));
  }
  EXPECT_FALSE(JavaStarted());
  EXPECT_EQ(FileBytes(EmulatorLevel()), old);
  EXPECT_EQ(Entries(InFolder(QStringLiteral("zuboapp/levels"))),
            QStringList{QStringLiteral("ed.lvl")});

  // Once there is room again the launch writes the level and starts java.
  RunEmu();
  EXPECT_TRUE(WaitFor([this] { return QFile::exists(Java.Record(QStringLiteral("started"))); }));
  EXPECT_EQ(FileBytes(EmulatorLevel()), Bytes(Encoded()));
}
