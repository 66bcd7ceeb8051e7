// zubo-level for levels under version control and for many levels at once,
// run as a script or git runs it, without any display.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "levelfile/level_reader.h"
#include "levelfile/level_writer.h"
#include "model/map.h"
#include "view/map_view.h"
#include "view/tile_set.h"

namespace {

const std::string ProgramDir = ZUBO_PROGRAM_DIR;
const std::string DemoLevel = ProgramDir + "/levels/demo.lvl";

struct Result {
  int Status = -1;
  std::string Out;
};

class ReviewTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const {
    return Dir.filePath(QString::fromStdString(name)).toStdString();
  }

  // Runs a shell command in the temporary folder with no display at all.
  Result Shell(const std::string& command) const {
    const std::string out = Path("out.txt");
    const std::string line = "cd '" + Dir.path().toStdString() +
                             "' && env -u DISPLAY -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY " +
                             command + " >'" + out + "' 2>&1";
    const int status = std::system(line.c_str());
    std::ifstream file(out);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
            std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>())};
  }

  Result Run(const std::string& arguments) const {
    return Shell(std::string("'") + ZUBO_LEVEL + "' " + arguments);
  }

  // The demo level with a change made to its map, written under name.
  std::string Changed(const std::string& name, void (*change)(Map&)) const {
    auto map = std::make_unique<Map>();
    EXPECT_TRUE(ReadLevelFile(DemoLevel, *map));
    change(*map);
    EXPECT_TRUE(WriteLevelFile(*map, Path(name)).Ok);
    return Path(name);
  }

  QTemporaryDir Dir;
};

void PaintCell(Map& map) {
  map.Cell(3, 2).BgTile = 30;
}

void DeleteFirstSpring(Map& map) {
  map.Springs[0] = map.Springs[map.SpringCount - 1];
  --map.SpringCount;
}

}  // namespace

TEST_F(ReviewTest, DiffExitCodesJsonAndGitDriverArguments) {
  const std::string painted = Changed("painted.lvl", PaintCell);
  const std::string springless = Changed("springless.lvl", DeleteFirstSpring);
  EXPECT_EQ(Run("diff '" + DemoLevel + "' '" + DemoLevel + "'").Status, 0);
  Result result = Run("diff '" + DemoLevel + "' '" + painted + "'");
  EXPECT_EQ(result.Status, 1);
  EXPECT_EQ(result.Out, "bg: 1 cell changed in 3,2\n");
  result = Run("diff '" + DemoLevel + "' '" + springless + "'");
  EXPECT_EQ(result.Out, "spring removed: kind 1: 13,5 corner 3; 16,5 corner 4; 20,5 corner 3\n");
  result = Run("diff --json '" + DemoLevel + "' '" + painted + "'");
  EXPECT_EQ(result.Status, 1);
  EXPECT_NE(result.Out.find("\"same\": false"), std::string::npos) << result.Out;
  EXPECT_EQ(Run("diff '" + DemoLevel + "' missing.lvl").Status, 2);
  EXPECT_EQ(Run("diff '" + DemoLevel + "'").Status, 64);
  // git: PATH OLD-FILE OLD-HEX OLD-MODE NEW-FILE NEW-HEX NEW-MODE, status 0.
  result = Run("diff levels/a.lvl '" + DemoLevel + "' 1111 100644 '" + painted + "' 2222 100644");
  EXPECT_EQ(result.Status, 0);
  EXPECT_EQ(result.Out,
            "zubo-level diff a/levels/a.lvl b/levels/a.lvl\nbg: 1 cell changed in 3,2\n");
  result = Run("diff a.lvl /dev/null . . '" + painted + "' 2222 100644");
  EXPECT_EQ(result.Status, 0);
  EXPECT_NE(result.Out.find("new level\nsize 0 x 0 -> 40 x 16\n"), std::string::npos) << result.Out;
}

// A folder of levels, one damaged: every other level is still done, each
// line names its file, and the status is the worst.
TEST_F(ReviewTest, ManyLevelsAreValidatedAndRenderedAtOnce) {
  const std::string good = Changed("good.lvl", PaintCell);
  const std::string noEnd = Changed("noend.lvl", [](Map& map) {
    for (int x = 1; x <= map.Width; ++x)
      for (int y = 1; y <= map.Height; ++y)
        if (map.Cell(x, y).MgTile == 14) map.Cell(x, y).MgTile = 0;
  });
  std::ofstream(Path("damaged.lvl")) << "not a level";
  Result result = Run("validate good.lvl noend.lvl");
  EXPECT_EQ(result.Status, 1);
  EXPECT_EQ(result.Out, "noend.lvl: The map is missing an \"end\" tile!\n");
  result = Run("validate good.lvl damaged.lvl noend.lvl");
  EXPECT_EQ(result.Status, 2);
  EXPECT_NE(result.Out.find("damaged.lvl: Error while loading the map."), std::string::npos);
  EXPECT_NE(result.Out.find("noend.lvl: The map is missing"), std::string::npos);
  // Every problem, as the editor's list shows them; one file keeps its old lines.
  result = Run("validate --all-problems noend.lvl");
  EXPECT_EQ(result.Status, 1);
  EXPECT_EQ(result.Out.rfind("The map is missing an \"end\" tile!\n", 0), 0u) << result.Out;

  result = Run("render good.lvl damaged.lvl noend.lvl --out images --zoom 2 --tiles '" +
               ProgramDir + "'");
  EXPECT_EQ(result.Status, 2);
  for (const char* image : {"images/good.png", "images/noend.png"})
    EXPECT_EQ(QImage(QString::fromStdString(Path(image))).size(), QSize(40 * 3, 16 * 3)) << image;
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("images/damaged.png"))));
  // Two levels of one name would share an image: nothing is drawn.
  EXPECT_EQ(
      Run("render good.lvl '" + DemoLevel + "' ./good.lvl --out other --tiles '" + ProgramDir + "'")
          .Status,
      64);
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(Path("other"))));
}

// The marks fall on exactly the cells that differ; every other pixel is
// the new level as render draws it.
TEST_F(ReviewTest, RenderDiffMarksExactlyTheChangedCells) {
  const std::string changed = Changed("changed.lvl", [](Map& map) {
    map.Cell(3, 2).BgTile = 30;
    map.Cell(10, 9).MgTile = 2;
  });
  const std::string tiles = " --tiles '" + ProgramDir + "'";
  ASSERT_EQ(Run("render changed.lvl plain.png" + tiles).Status, 0);
  ASSERT_EQ(Run("render --diff '" + DemoLevel + "' changed.lvl diff.png" + tiles).Status, 0);
  const QImage plain = QImage(QString::fromStdString(Path("plain.png")));
  const QImage diff = QImage(QString::fromStdString(Path("diff.png")));
  ASSERT_EQ(plain.size(), diff.size());
  const int cell = plain.width() / 40;
  for (int x = 1; x <= 40; ++x) {
    for (int y = 1; y <= 16; ++y) {
      const QRect area((x - 1) * cell, (16 - y) * cell, cell, cell);
      const bool marked = plain.copy(area) != diff.copy(area);
      EXPECT_EQ(marked, (x == 3 && y == 2) || (x == 10 && y == 9)) << x << "," << y;
    }
  }
  // Levels of different sizes are drawn on the larger, either way round.
  Changed("wide.lvl", [](Map& map) { map.Width = 45; });
  ASSERT_EQ(Run("render --diff changed.lvl wide.lvl wider.png" + tiles).Status, 0);
  ASSERT_EQ(Run("render --diff wide.lvl changed.lvl narrower.png" + tiles).Status, 0);
  const QSize larger(45 * cell, plain.height());
  EXPECT_EQ(QImage(QString::fromStdString(Path("wider.png"))).size(), larger);
  EXPECT_EQ(QImage(QString::fromStdString(Path("narrower.png"))).size(), larger);
}

// A level committed, changed with zubo-level build, and git diff through the
// text form shows the changed row of the changed layer.
TEST_F(ReviewTest, GitDiffShowsTheChangedRowsThroughTheTextForm) {
  if (std::system("git --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "git is not installed";
  const std::string tool = std::string("'") + ZUBO_LEVEL + "'";
  const std::string git = "git -c user.name=t -c user.email=t@t -c commit.gpgsign=false ";
  ASSERT_EQ(
      Shell("git init -q . && cp '" + DemoLevel + "' level.lvl && " +
            "echo '*.lvl diff=zubo' > .gitattributes && " + git + "config diff.zubo.textconv \"" +
            tool + " dump --text\" && git add . && " + git + "commit -qm level")
          .Status,
      0);
  std::string json = Run("dump level.lvl").Out;
  // The first foreground value (column 1, row 1) becomes 40.
  const size_t fg = json.find("\"fg\": [");
  ASSERT_NE(fg, std::string::npos);
  const size_t value = json.find_first_of("0123456789", fg);
  json.replace(value, json.find_first_of(",]", value) - value, "40");
  std::ofstream(Path("level.json")) << json;
  ASSERT_EQ(Shell(tool + " build level.json level.lvl").Status, 0);
  const Result diff = Shell("git diff --no-color -U0");
  EXPECT_EQ(diff.Status, 0);
  EXPECT_NE(diff.Out.find("\n-fg   1:"), std::string::npos) << diff.Out;
  EXPECT_NE(diff.Out.find("\n+fg   1:  40"), std::string::npos) << diff.Out;
  EXPECT_EQ(diff.Out.find("\n+bg"), std::string::npos) << diff.Out;
}
