#include "levelfile/file_paths.h"

#include <gtest/gtest.h>

#include "scratch_folder.h"

TEST(ProgramFolderTest, EndsInOneSlash) {
  EXPECT_EQ(ProgramFolder("/opt/zubo"), "/opt/zubo/");
  EXPECT_EQ(ProgramFolder("/opt/zubo/"), "/opt/zubo/");
  EXPECT_EQ(ProgramFolder("C:/Zubo"), "C:/Zubo/");
  EXPECT_EQ(ProgramFolder("/"), "/");
}

TEST(LevelFilePathTest, PlainNamesAreTakenUnderTheProgramFolder) {
  EXPECT_EQ(LevelFilePath("/opt/zubo/", "a"), "/opt/zubo/a");
  EXPECT_EQ(LevelFilePath("/opt/zubo/", "levels/a"), "/opt/zubo/levels/a");
  EXPECT_EQ(LevelFilePath("/opt/zubo/", "a/b/c.lvl"), "/opt/zubo/a/b/c.lvl");
  EXPECT_EQ(LevelFilePath("/opt/zubo/", "./x"), "/opt/zubo/./x");
}

TEST(LevelFilePathTest, AbsoluteNamesStandAsTheyAre) {
  EXPECT_EQ(LevelFilePath("/opt/zubo/", "/tmp/a"), "/tmp/a");
  EXPECT_EQ(LevelFilePath("/opt/zubo/", "/tmp/at12:30.lvl"), "/tmp/at12:30.lvl");
}

TEST(LevelFilePathTest, NamesWithAColonAreFileNamesUnderTheProgramFolder) {
  EXPECT_EQ(LevelFilePath("/opt/zubo/", "levels/at12:30.lvl"), "/opt/zubo/levels/at12:30.lvl");
  EXPECT_EQ(LevelFilePath("/opt/zubo/", "a:"), "/opt/zubo/a:");
  EXPECT_EQ(LevelFilePath("/opt/zubo/", "D:/levels/a"), "/opt/zubo/D:/levels/a");
}

TEST(LevelFilePathTest, OnlyALeadingSlashMakesANameAbsolute) {
  EXPECT_EQ(LevelFilePath("/opt/zubo/", "levels/"), "/opt/zubo/levels/");
  EXPECT_EQ(LevelFilePath("/opt/zubo/", " /tmp/a"), "/opt/zubo/ /tmp/a");
}

TEST(NameInProgramFolderTest, PathInsideGivesTheRestAsTheName) {
  EXPECT_EQ(NameInProgramFolder("/opt/zubo/", "/opt/zubo/a"), "a");
  EXPECT_EQ(NameInProgramFolder("/opt/zubo/", "/opt/zubo/levels/demo.lvl"), "levels/demo.lvl");
}

TEST(NameInProgramFolderTest, PathMustBeginWithTheProgramFolder) {
  EXPECT_EQ(NameInProgramFolder("/opt/zubo/", "/home/u/opt/zubo/a"), std::nullopt);
  EXPECT_EQ(NameInProgramFolder("/opt/zubo/", "/tmp/a"), std::nullopt);
  // A sibling folder whose name merely starts like the program folder.
  EXPECT_EQ(NameInProgramFolder("/opt/zubo/", "/opt/zubo2/a"), std::nullopt);
  EXPECT_EQ(NameInProgramFolder("/opt/zubo/", "/opt/zubo"), std::nullopt);
  EXPECT_EQ(NameInProgramFolder("/opt/zubo/", "/opt/zubo/"), std::nullopt);
}

TEST(NameInProgramFolderTest, ComparisonIsCaseSensitive) {
  EXPECT_EQ(NameInProgramFolder("/opt/Zubo/", "/opt/zubo/a"), std::nullopt);
  EXPECT_EQ(NameInProgramFolder("/opt/Zubo/", "/opt/Zubo/a"), "a");
}

TEST(NameInProgramFolderTest, NameOfAChosenFileLeadsBackToIt) {
  const std::string folder = "/opt/zubo/";
  const std::string chosen = "/opt/zubo/levels/x.lvl";
  const std::optional<std::string> name = NameInProgramFolder(folder, chosen);
  ASSERT_TRUE(name.has_value());
  EXPECT_EQ(LevelFilePath(folder, *name), chosen);
}

TEST(OverwriteQuestionTest, NamesTheFileAsTypedWithTwoBlanks) {
  EXPECT_EQ(OverwriteQuestion("a"), "File a exists.  Overwrite?");
  EXPECT_EQ(OverwriteQuestion("levels/a"), "File levels/a exists.  Overwrite?");
  EXPECT_EQ(OverwriteQuestion(""), "File  exists.  Overwrite?");
}

TEST(LevelNamesTest, NamesOfPathsAndOfSiblings) {
  EXPECT_EQ(NameForPath("/g/", "/g/levels/a.lvl"), "levels/a.lvl");
  EXPECT_EQ(NameForPath("/g/", "/home/u/b.lvl"), "/home/u/b.lvl");
  EXPECT_EQ(SiblingName("levels/level2.lvl", "level10.lvl"), "levels/level10.lvl");
  EXPECT_EQ(SiblingName("level2.lvl", "level3.lvl"), "level3.lvl");
  EXPECT_EQ(SiblingName("/x/y/a.lvl", "b.lvl"), "/x/y/b.lvl");
  EXPECT_EQ(FolderOfName("levels/a.lvl"), "levels/");
}

// A level named on the command line is looked for under the program folder
// first, then under the working folder.
TEST(LevelNamesTest, CommandLineNamesAreFoundInTheProgramFolderFirst) {
  ScratchFolder program;
  ScratchFolder working;
  WriteBytes(program.File("both.lvl"), {1});
  WriteBytes(working.File("both.lvl"), {1});
  WriteBytes(working.File("here.lvl"), {1});
  const std::string p = program.Path.string() + "/";
  const std::string w = working.Path.string() + "/";
  EXPECT_EQ(LevelArgumentPath(p, w, "both.lvl"), p + "both.lvl");
  EXPECT_EQ(LevelArgumentPath(p, w, "here.lvl"), w + "here.lvl");
  EXPECT_EQ(LevelArgumentPath(p, w, "none.lvl"), p + "none.lvl");
  EXPECT_EQ(LevelArgumentPath(p, w, "/abs/x.lvl"), "/abs/x.lvl");
}
