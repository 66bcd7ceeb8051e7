// The autosave policy without a window: one editor per program folder keeps
// the copy, only unsaved maps are written, and what a run leaves behind is
// found, or discarded when damaged.

#include "recovery/autosave.h"

#include <gtest/gtest.h>

#include <QFile>
#include <cstdlib>
#include <memory>

#include "model/map.h"
#include "scratch_folder.h"

namespace {

class AutosaveTest : public ::testing::Test {
 protected:
  void SetUp() override { setenv("XDG_DATA_HOME", Data.Path.c_str(), 1); }
  void TearDown() override { unsetenv("XDG_DATA_HOME"); }

  // Starts an autosave of the folder that writes the map while it is unsaved.
  bool Start(Autosave& autosave, const char* folder = "/game/") {
    return autosave.Start(QString::fromLatin1(folder), 0, [this]() -> std::optional<RecoverySource> {
      if (Edited.Saved) return std::nullopt;
      RecoverySource source;
      source.Edited = &Edited;
      source.PlatformCount = Edited.PlatformCount;
      source.Info.FileName = "levels/a";
      return source;
    });
  }

  ScratchFolder Data;
  Map Edited;
};

TEST_F(AutosaveTest, OneEditorPerProgramFolderKeepsTheCopy) {
  Autosave first;
  ASSERT_TRUE(Start(first));
  EXPECT_TRUE(first.Path().startsWith(QString::fromStdString(Data.Path.string())));
  Autosave second;
  EXPECT_FALSE(Start(second));
  EXPECT_FALSE(second.Keeping());
  Autosave elsewhere;
  EXPECT_TRUE(Start(elsewhere, "/other/"));
  EXPECT_NE(elsewhere.Path(), first.Path());
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
}

TEST_F(AutosaveTest, ADamagedCopyIsRemovedWhenTaken) {
  Autosave autosave;
  ASSERT_TRUE(Start(autosave));
  WriteBytes(QFile::encodeName(autosave.Path()).toStdString(), {'Z', 'U', 'B', 'O'});
  EXPECT_EQ(autosave.TakeLeftCopy().Found, LeftCopy::Kind::Damaged);
  EXPECT_FALSE(QFile::exists(autosave.Path()));
}

}  // namespace
