#include "app/emulator_launch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(EmulatorArgumentStringTest, StartValuesWithZoom) {
  EXPECT_EQ(EmulatorArgumentString("240", "320", true, ':'),
            "-Xbootclasspath/a:korvax.jar:zuboapp qvm.korvax.MainApp "
            "-Ccom.vantorix.vlek.Main -AZubo -w240 -h320 -s2");
}

TEST(EmulatorArgumentStringTest, WithoutZoomItEndsWithTheHeight) {
  EXPECT_EQ(EmulatorArgumentString("176", "208", false, ':'),
            "-Xbootclasspath/a:korvax.jar:zuboapp qvm.korvax.MainApp "
            "-Ccom.vantorix.vlek.Main -AZubo -w176 -h208");
}

TEST(EmulatorArgumentStringTest, WindowsSeparatesTheClassPathWithASemicolon) {
  EXPECT_EQ(EmulatorArgumentString("240", "320", true, ';'),
            "-Xbootclasspath/a:korvax.jar;zuboapp qvm.korvax.MainApp "
            "-Ccom.vantorix.vlek.Main -AZubo -w240 -h320 -s2");
}

TEST(EmulatorArgumentStringTest, DefaultSeparatorIsThePlatforms) {
#ifdef _WIN32
  EXPECT_EQ(PathListSeparator, ';');
#else
  EXPECT_EQ(PathListSeparator, ':');
#endif
  EXPECT_EQ(EmulatorArgumentString("10", "1000", false),
            EmulatorArgumentString("10", "1000", false, PathListSeparator));
}

TEST(EmulatorArgumentStringTest, SizeTextsArePassedAsTheyStand) {
  const std::string arguments = EmulatorArgumentString("1000", "010", false, ':');
  EXPECT_EQ(arguments.substr(arguments.size() - 13), " -w1000 -h010");
}

TEST(EmulatorArgumentsTest, StringIsSplitAtBlanks) {
  const std::vector<std::string> expected = {"-Xbootclasspath/a:korvax.jar:zuboapp",
                                             "qvm.korvax.MainApp",
                                             "-Ccom.vantorix.vlek.Main",
                                             "-AZubo",
                                             "-w240",
                                             "-h320",
                                             "-s2"};
  EXPECT_EQ(EmulatorArguments(EmulatorArgumentString("240", "320", true, ':')), expected);
}

TEST(EmulatorArgumentsTest, RunsOfBlanksAndOuterBlanksMakeNoEmptyArguments) {
  const std::vector<std::string> expected = {"a", "b", "c"};
  EXPECT_EQ(EmulatorArguments("  a   b c "), expected);
  EXPECT_TRUE(EmulatorArguments("").empty());
  // An empty width leaves " -w" followed directly by " -h".
  const std::vector<std::string> arguments =
      EmulatorArguments(EmulatorArgumentString("", "320", false, ':'));
  ASSERT_GE(arguments.size(), 2u);
  EXPECT_EQ(arguments[arguments.size() - 2], "-w");
  EXPECT_EQ(arguments.back(), "-h320");
}

TEST(EmulatorPathsTest, LevelFileLiesInTheGamesLevelsFolder) {
  EXPECT_EQ(EmulatorLevelPath("/opt/zubo/"), "/opt/zubo/zuboapp/levels/ed.lvl");
  EXPECT_EQ(EmulatorLevelPath("C:/Zubo/"), "C:/Zubo/zuboapp/levels/ed.lvl");
}

TEST(EmulatorPathsTest, WorkingDirectoryDropsTheTrailingSlash) {
  EXPECT_EQ(EmulatorWorkingDirectory("/opt/zubo/"), "/opt/zubo");
  EXPECT_EQ(EmulatorWorkingDirectory("C:/Zubo/"), "C:/Zubo");
  EXPECT_EQ(EmulatorWorkingDirectory("/"), "/");
}
