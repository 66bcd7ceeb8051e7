// The level files of a folder in the order a person reads them, the next and
// previous of a name, and the watch that tells a file changed by another
// program.

#include "files/level_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "files/file_watch.h"
#include "scratch_folder.h"

using Names = std::vector<std::string>;

TEST(LevelFolder, NaturalOrderComparesNumbersByValue) {
  const Names sorted = {"0.lvl",       "1.lvl",        "2.lvl",        "10.lvl",     "a.lvl",
                        "Level1.lvl",  "level1.lvl",   "level01b.lvl", "level2.lvl", "level9x.lvl",
                        "level10.lvl", "level10a.lvl", "level100.lvl", "z.lvl"};
  for (size_t i = 0; i + 1 < sorted.size(); ++i) {
    EXPECT_TRUE(NaturalLess(sorted[i], sorted[i + 1])) << sorted[i] << " < " << sorted[i + 1];
    EXPECT_FALSE(NaturalLess(sorted[i + 1], sorted[i])) << sorted[i + 1] << " < " << sorted[i];
  }
  EXPECT_FALSE(NaturalLess("level2.lvl", "level2.lvl"));
  // Leading zeros and a thousand digits compare without overflow.
  EXPECT_TRUE(NaturalLess("a" + std::string(1000, '9'), "a1" + std::string(1000, '0')));
}

TEST(LevelFolder, ListsOnlyLevelFilesInNaturalOrder) {
  ScratchFolder folder;
  for (const char* name : {"level10.lvl", "level2.lvl", "level1.LVL", "notes.txt", "lvl", ".lvl"})
    WriteBytes(folder.File(name), {1});
  std::filesystem::create_directory(folder.File("folder.lvl"));
  std::filesystem::create_symlink("level2.lvl", folder.File("link.lvl"));
  std::filesystem::create_symlink("missing", folder.File("dangling.lvl"));
  EXPECT_EQ(LevelFilesIn(folder.Path.string()),
            (Names{"level1.LVL", "level2.lvl", "level10.lvl", "link.lvl"}));
  EXPECT_EQ(LevelFilesIn(folder.File("none")), Names{});
}

TEST(LevelFolder, NeighbourIsFoundAlsoForANameNotInTheFolder) {
  const Names names = {"level1.lvl", "level2.lvl", "level10.lvl"};
  struct Case {
    const char* Current;
    int Step;
    const char* Expected;  // none at an end
  };
  const Case cases[] = {
      {"level2.lvl", 1, "level10.lvl"},
      {"level2.lvl", -1, "level1.lvl"},
      {"level10.lvl", 1, nullptr},
      {"level1.lvl", -1, nullptr},
      {"level5.lvl", 1, "level10.lvl"},
      {"level5.lvl", -1, "level2.lvl"},
      {"", 1, "level1.lvl"},
  };
  for (const Case& c : cases) {
    const std::optional<std::string> next = NeighbourLevel(names, c.Current, c.Step);
    EXPECT_EQ(next.has_value(), c.Expected != nullptr) << c.Current << " " << c.Step;
    if (next && c.Expected) {
      EXPECT_EQ(*next, c.Expected);
    }
  }
  EXPECT_EQ(NeighbourLevel({}, "a.lvl", 1), std::nullopt);
}

TEST(FileWatch, TellsEachChangeOnceAndARemovalOnce) {
  ScratchFolder folder;
  const std::string path = folder.File("a.lvl");
  WriteBytes(path, {1});
  FileWatch watch;
  watch.Watch(path);
  EXPECT_EQ(watch.Check(), FileWatch::Change::None);
  // Another program writes a new file and renames it over the old one.
  WriteBytes(folder.File("new"), {1});
  ASSERT_EQ(std::rename(folder.File("new").c_str(), path.c_str()), 0);
  EXPECT_EQ(watch.Check(), FileWatch::Change::Changed);
  EXPECT_EQ(watch.Check(), FileWatch::Change::None);
  WriteBytes(path, {1, 2});
  EXPECT_EQ(watch.Check(), FileWatch::Change::Changed);
  ASSERT_EQ(unlink(path.c_str()), 0);
  EXPECT_EQ(watch.Check(), FileWatch::Change::Removed);
  EXPECT_EQ(watch.Check(), FileWatch::Change::None);
  WriteBytes(path, {3});
  EXPECT_EQ(watch.Check(), FileWatch::Change::Changed);
  // The editor's own write is accepted without being told.
  WriteBytes(path, {4, 5});
  watch.Accept();
  EXPECT_EQ(watch.Check(), FileWatch::Change::None);
  watch.Watch("");
  EXPECT_EQ(watch.Check(), FileWatch::Change::None);
}
