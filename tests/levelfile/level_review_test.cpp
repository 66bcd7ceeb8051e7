// The text form of a level for version control diffs, and the comparison of
// two levels as a reviewer reads it.

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "levelfile/level_diff.h"
#include "levelfile/level_text.h"

namespace {

// A small level with something of every kind.
LevelRecord Base() {
  LevelRecord level;
  level.Width = 6;
  level.Height = 4;
  level.Tiles.assign(3 * 6 * 4, 1);
  level.Chars = {{2, 1, 1}, {5, 1, 3}};
  level.Objects = {{1, 3, 2}};
  level.TextMarkers = {{4, 4, 1}};
  level.Springs = {{1, {{1, 1, 0}, {1, 3, 4}}}, {2, {{3, 2, 1}}}, {3, {{6, 4, 2}}}};
  level.Platforms = {Platform{1, 4, 3, 4, 0, 0, 5, 2, NoSwitch}};
  level.CustomTexts = {"Caf\xe9 \"one\"", "two"};
  return level;
}

void SetTile(LevelRecord& level, int layer, int x, int y, uint8_t value) {
  level.Tiles[(static_cast<size_t>(x - 1) * level.Height + (y - 1)) * 3 + layer] = value;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// The lines of a that b lacks, and of b that a lacks.
std::pair<std::vector<std::string>, std::vector<std::string>> Changed(const std::string& a,
                                                                      const std::string& b) {
  std::vector<std::string> left = Lines(a);
  std::vector<std::string> right = Lines(b);
  std::vector<std::string> onlyLeft, onlyRight;
  for (const std::string& line : left)
    if (std::find(right.begin(), right.end(), line) == right.end()) onlyLeft.push_back(line);
  for (const std::string& line : right)
    if (std::find(left.begin(), left.end(), line) == left.end()) onlyRight.push_back(line);
  return {onlyLeft, onlyRight};
}

}  // namespace

TEST(LevelText, IsStableAndAOneCellChangeChangesOneLine) {
  const LevelRecord level = Base();
  const std::string text = LevelToText(level);
  EXPECT_EQ(text, LevelToText(Base()));
  EXPECT_EQ(Lines(text)[1], "size 6 x 4");
  EXPECT_EQ(Lines(text)[3], "primary 2,1");
  EXPECT_NE(text.find("custom 1 \"Caf\xc3\xa9 \\\"one\\\"\"\n"), std::string::npos);
  // Row 4 (the top) comes first.
  EXPECT_NE(text.find("bg   4:   1   1   1   1   1   1\n"), std::string::npos);

  LevelRecord changed = Base();
  SetTile(changed, 1, 3, 2, 14);
  const auto [before, after] = Changed(text, LevelToText(changed));
  EXPECT_EQ(before, std::vector<std::string>{"mg   2:   1   1   1   1   1   1"});
  EXPECT_EQ(after, std::vector<std::string>{"mg   2:   1   1  14   1   1   1"});
  EXPECT_EQ(Lines(text).size(), Lines(LevelToText(changed)).size());

  // Deleting the first spring moves the last into its slot: one line goes.
  LevelRecord deleted = Base();
  deleted.Springs = {deleted.Springs[2], deleted.Springs[1]};
  const auto [gone, added] = Changed(text, LevelToText(deleted));
  EXPECT_EQ(gone, std::vector<std::string>{"spring kind 1: 1,1 corner 0; 1,3 corner 4"});
  EXPECT_TRUE(added.empty());
}

TEST(LevelDiff, NamesEachKindOfChange) {
  struct Case {
    const char* What;
    std::function<void(LevelRecord&)> Change;
    std::string Expected;
  };
  const Case cases[] = {
      {"nothing", [](LevelRecord&) {}, ""},
      {"size",
       [](LevelRecord& l) {
         l.Width = 7;
         l.Tiles.resize(3 * 7 * 4, 0);
       },
       "size 6 x 4 -> 7 x 4\n"},
      {"background", [](LevelRecord& l) { l.Background = 1; },
       "background 0 (sewers) -> 1 (egypt)\n"},
      {"tiles in two areas",
       [](LevelRecord& l) {
         SetTile(l, 0, 1, 1, 9);
         SetTile(l, 0, 2, 2, 9);  // touches (1, 1) at a corner
         SetTile(l, 0, 5, 4, 9);
       },
       "bg: 3 cells changed in 1,1 to 2,2; 5,4\n"},
      {"chars",
       [](LevelRecord& l) {
         l.Chars = {{2, 1, 1}, {5, 1, 4}, {6, 2, 2}};
       },
       "char at 5,1: kind 3 -> 4\nchar added at 6,2: kind 2\n"},
      {"primary",
       [](LevelRecord& l) {
         l.Chars = {{5, 1, 3}, {2, 1, 1}};
       },
       "primary 2,1 -> 5,1\n"},
      {"objects and text markers",
       [](LevelRecord& l) {
         l.Objects.clear();
         l.TextMarkers = {{4, 4, 2}};
       },
       "object removed at 1,3: kind 2\ntext marker at 4,4: line 1 -> 2\n"},
      {"a spring deleted, its slot refilled by the last",
       [](LevelRecord& l) {
         l.Springs = {l.Springs[2], l.Springs[1]};
       },
       "spring removed: kind 1: 1,1 corner 0; 1,3 corner 4\n"},
      {"a spring moved and one changed",
       [](LevelRecord& l) {
         l.Springs[0].Points = {{2, 2, 0}, {2, 4, 4}};
         l.Springs[1].Points.push_back({4, 2, 1});
       },
       "spring moved by +1,+1: kind 1: 1,1 corner 0; 1,3 corner 4\n"
       "spring changed: kind 2: 3,2 corner 1 -> kind 2: 3,2 corner 1; 4,2 corner 1\n"},
      {"platforms",
       [](LevelRecord& l) {
         l.Platforms[0].StartX = 2;
         l.Platforms[0].EndX = 4;
         l.Platforms.push_back(Platform{5, 1, 5, 3, 6, 2, 3, 1, TurnForever});
       },
       "platform moved by +1,+0: kind 2 speed 5 switch type 0 start 1,4 end 3,4\n"
       "platform added: kind 1 speed 3 switch type 1 start 5,1 end 5,3 switch 6,2\n"},
      {"custom texts",
       [](LevelRecord& l) {
         l.CustomTexts = {"one", "two", "three"};
       },
       "custom text 1 changed: \"Caf\xc3\xa9 \\\"one\\\"\" -> \"one\"\n"
       "custom text 3 added: \"three\"\n"},
  };
  for (const Case& c : cases) {
    LevelRecord changed = Base();
    c.Change(changed);
    const LevelDiff diff = DiffLevels(Base(), changed);
    EXPECT_EQ(DiffText(diff), c.Expected) << c.What;
    EXPECT_EQ(diff.Same(), c.Expected.empty()) << c.What;
    EXPECT_EQ(DiffJson(diff)["same"], c.Expected.empty()) << c.What;
  }
}

TEST(LevelDiff, JsonAndDifferingCellsAgreeWithTheText) {
  LevelRecord changed = Base();
  SetTile(changed, 2, 6, 1, 40);
  changed.Springs.erase(changed.Springs.begin());
  changed.CustomTexts.pop_back();
  const LevelDiff diff = DiffLevels(Base(), changed);
  const nlohmann::ordered_json json = DiffJson(diff);
  EXPECT_EQ(json["layers"]["fg"]["cells"], 1);
  EXPECT_EQ(json["layers"]["fg"]["areas"], nlohmann::ordered_json::parse("[[6, 1, 6, 1]]"));
  EXPECT_EQ(json["springs"][0]["change"], "removed");
  EXPECT_EQ(json["springs"][0]["old"]["points"],
            nlohmann::ordered_json::parse("[[1, 1, 0], [1, 3, 4]]"));
  EXPECT_EQ(json["customTexts"][0]["new"], nullptr);
  const std::vector<bool> cells = DifferingCells(Base(), changed, diff);
  std::vector<std::pair<int, int>> marked;
  for (int x = 1; x <= 6; ++x)
    for (int y = 1; y <= 4; ++y)
      if (cells[(x - 1) * 4 + (y - 1)]) marked.emplace_back(x, y);
  EXPECT_EQ(marked, (std::vector<std::pair<int, int>>{{1, 1}, {1, 3}, {6, 1}}));
}
