// The autosave policy without a window: one editor per program folder keeps
// the copy, only unsaved maps are written, what a run leaves behind is found
// or discarded, and a copy that cannot be kept is told once per reason.

#include "recovery/autosave.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>

#include "file_size_limit.h"
#include "model/map.h"
#include "scratch_folder.h"

namespace fs = std::filesystem;

namespace {

class AutosaveTest : public ::testing::Test {
 protected:
  void SetUp() override { UseDataFolder(Data.Path.string()); }
  void TearDown() override { unsetenv("XDG_DATA_HOME"); }

  static void UseDataFolder(const std::string& path) { setenv("XDG_DATA_HOME", path.c_str(), 1); }

  // Starts an autosave of the folder that writes the map while it is unsaved
  // and keeps what it tells. Its timer never fires in a test: the test ticks.
  bool Start(Autosave& autosave, const char* folder = "/game/") {
    autosave.TellProblemsTo([this](const QString& text) { Told.append(text); });
    return autosave.Start(QString::fromLatin1(folder), 3600,
                          [this]() -> std::optional<RecoverySource> {
                            if (Edited.Saved) return std::nullopt;
                            RecoverySource source;
                            source.Edited = &Edited;
                            source.PlatformCount = Edited.PlatformCount;
                            source.Info.FileName = "levels/a";
                            return source;
                          });
  }

  // A change to the map, and the tick that writes it, waited for.
  void ChangeAndSave(Autosave& autosave) {
    Edited.Saved = false;
    ++Edited.Cell(3, 4).FgTile;
    autosave.Tick();
    autosave.Wait();
  }

  static std::string SystemPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
  }

  ScratchFolder Data;
  Map Edited;
  QStringList Told;
};

TEST_F(AutosaveTest, OneEditorPerProgramFolderKeepsTheCopy) {
  Autosave first;
  ASSERT_TRUE(Start(first));
  EXPECT_TRUE(first.Path().startsWith(QString::fromStdString(Data.Path.string())));
  Autosave second;
  EXPECT_FALSE(Start(second));
  EXPECT_FALSE(second.Keeping());
  ChangeAndSave(second);
  EXPECT_EQ(Told, QStringList{QStringLiteral(
                      "Another editor in this program folder keeps the recovery copy; this one "
                      "keeps none, so a crash would lose its unsaved changes.")});
  Autosave elsewhere;
  EXPECT_TRUE(Start(elsewhere, "/other/"));
  EXPECT_NE(elsewhere.Path(), first.Path());
  // With no copies asked for (--autosave 0) there is nothing to tell.
  Autosave none;
  none.TellProblemsTo([this](const QString& text) { Told.append(text); });
  EXPECT_FALSE(none.Start(QStringLiteral("/game/"), 0, {}));
  EXPECT_EQ(Told.size(), 1);
}

TEST_F(AutosaveTest, OnlyAnUnsavedMapIsWrittenAndDropRemovesIt) {
  auto autosave = std::make_unique<Autosave>();
  ASSERT_TRUE(Start(*autosave));
  autosave->Tick();
  autosave->Wait();
  EXPECT_FALSE(QFile::exists(autosave->Path()));
  Edited.Saved = false;
  Edited.Cell(3, 4).FgTile = 9;
  autosave->Tick();
  autosave->Wait();
  ASSERT_TRUE(QFile::exists(autosave->Path()));

  // The next run finds what this one left.
  const QString path = autosave->Path();
  autosave = std::make_unique<Autosave>();
  ASSERT_TRUE(Start(*autosave));
  const LeftCopy left = autosave->TakeLeftCopy();
  ASSERT_EQ(left.Found, LeftCopy::Kind::Found);
  EXPECT_EQ(left.Copy->Cell(3, 4).FgTile, 9);
  EXPECT_EQ(left.Info.FileName, "levels/a");
  autosave->Drop();
  autosave->Wait();
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_EQ(autosave->TakeLeftCopy().Found, LeftCopy::Kind::None);
  EXPECT_TRUE(Told.isEmpty());
}

// Whatever stands at the copy's path and is no copy goes, unless it is a
// folder: that stays with all it holds, and the writes that fail on it
// are no news.
TEST_F(AutosaveTest, ALeftCopyThatCannotBeUsedIsRemovedUnlessItIsAFolder) {
  struct Case {
    const char* Name;
    std::function<void(const std::string&)> Make;
    LeftCopy::Kind Found;
    std::string Problem;
  };
  const Case cases[] = {
      {"damaged", [](const std::string& path) { WriteBytes(path, {'Z', 'U', 'B', 'O'}); },
       LeftCopy::Kind::Damaged, ""},
      {"fifo", [](const std::string& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); },
       LeftCopy::Kind::Damaged, "not a regular file"},
      {"folder",
       [](const std::string& path) {
         fs::create_directory(path);
         WriteBytes(path + "/inside", {1});
       },
       LeftCopy::Kind::Stuck, "Is a directory"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Autosave autosave;
    ASSERT_TRUE(Start(autosave));
    const std::string path = SystemPath(autosave.Path());
    fs::remove(path);
    c.Make(path);
    const LeftCopy left = autosave.TakeLeftCopy();
    EXPECT_EQ(left.Found, c.Found);
    EXPECT_EQ(left.Problem, c.Problem);
    ChangeAndSave(autosave);
    EXPECT_TRUE(Told.isEmpty());
    if (c.Found == LeftCopy::Kind::Stuck) {
      EXPECT_EQ(ReadBytes(path + "/inside"), std::vector<uint8_t>{1});
      fs::remove_all(path);
    } else {
      EXPECT_TRUE(fs::is_regular_file(path));  // the write after the removal
    }
  }
}

TEST_F(AutosaveTest, ALockThatCannotBeMadeIsToldOnceWithItsReasonAndTriedAgain) {
  struct Case {
    const char* Name;
    std::function<void()> Break;
    std::function<void()> Mend;
    const char* Reason;
  };
  std::unique_ptr<FileSizeLimit> limit;
  const Case cases[] = {
      {"a file where the folder goes",
       [&] {
         WriteBytes(Data.File("plain"), {1});
         UseDataFolder(Data.File("plain/data"));
       },
       [&] { fs::remove(Data.File("plain")); }, "Not a directory"},
      {"a full disk", [&] { limit = std::make_unique<FileSizeLimit>(16); },
       [&] { limit.reset(); }, "File too large"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Told.clear();
    c.Break();
    Autosave autosave;
    EXPECT_FALSE(Start(autosave));
    EXPECT_FALSE(autosave.Keeping());
    ChangeAndSave(autosave);
    ChangeAndSave(autosave);
    const QString folder = QFileInfo(autosave.Path()).path();
    EXPECT_EQ(Told, QStringList{QStringLiteral("No recovery copy of the unsaved changes can be "
                                               "kept in %1: %2. A crash would lose them; the "
                                               "editor keeps trying.")
                                    .arg(folder, c.Reason)});
    c.Mend();
    ChangeAndSave(autosave);
    EXPECT_TRUE(autosave.Keeping());
    EXPECT_TRUE(QFile::exists(autosave.Path()));
    EXPECT_EQ(Told.size(), 1);
  }
}

TEST_F(AutosaveTest, AFailedWriteIsToldOncePerReasonAndAgainAfterItWorked) {
  Autosave autosave;
  ASSERT_TRUE(Start(autosave));
  const QString written =
      QStringLiteral("The recovery copy %1 cannot be written: %2. A crash would lose the unsaved "
                     "changes; the editor keeps trying.")
          .arg(autosave.Path());
  const QString tooLarge = written.arg(QStringLiteral("File too large"));
  testing::internal::CaptureStderr();
  auto limit = std::make_unique<FileSizeLimit>(4096);
  for (int tick = 0; tick < 3; ++tick) ChangeAndSave(autosave);
  EXPECT_EQ(Told, QStringList{tooLarge});
  limit.reset();
  ChangeAndSave(autosave);
  ASSERT_TRUE(QFile::exists(autosave.Path()));
  EXPECT_EQ(Told.size(), 1);

  limit = std::make_unique<FileSizeLimit>(4096);
  ChangeAndSave(autosave);
  limit.reset();
  fs::remove(SystemPath(autosave.Path()));
  fs::create_directory(SystemPath(autosave.Path()));
  ChangeAndSave(autosave);
  ChangeAndSave(autosave);
  EXPECT_EQ(Told, (QStringList{tooLarge, tooLarge, written.arg(QStringLiteral("Is a directory"))}));
  const std::string errors = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 4) << errors;
  EXPECT_NE(errors.find("is written again"), std::string::npos) << errors;
}

// Root reads a copy that has no permissions at all, and it is restored; the
// next copy replaces it, readable by its owner alone.
TEST_F(AutosaveTest, ACopyWithoutPermissionsIsReplaced) {
  Autosave autosave;
  ASSERT_TRUE(Start(autosave));
  ChangeAndSave(autosave);
  const std::string path = SystemPath(autosave.Path());
  fs::permissions(path, fs::perms::none);
  ChangeAndSave(autosave);
  EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  const LeftCopy left = autosave.TakeLeftCopy();
  ASSERT_EQ(left.Found, LeftCopy::Kind::Found);
  EXPECT_EQ(left.Copy->Cell(3, 4).FgTile, Edited.Cell(3, 4).FgTile);
  EXPECT_TRUE(Told.isEmpty());
}

}  // namespace
