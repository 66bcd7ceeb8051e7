// zubo-level render against the editor's own redraw of the same level.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>
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

class RenderTest : public ::testing::Test {
 protected:
  RenderTest() {
    EXPECT_TRUE(Dir.isValid());
    EXPECT_TRUE(LoadTileSets(QString::fromStdString(ProgramDir), Sets).Ok);
  }

  std::string Path(const std::string& name) const {
    return Dir.filePath(name.c_str()).toStdString();
  }

  // Runs zubo-level in `workingDir` and returns its exit status.
  static int Run(const std::string& arguments, const std::string& workingDir = ProgramDir) {
    const std::string command =
        "cd '" + workingDir + "' && '" + ZUBO_LEVEL + "' " + arguments + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  // What the editor's view draws of the level in `file`, with no palette.
  QImage Redraw(const std::string& file, int zoom, int width, int height, int cameraX = 0,
                int cameraY = 0) const {
    auto map = std::make_unique<Map>();
    EXPECT_TRUE(ReadLevelFile(file, *map));
    ViewInputs inputs;
    inputs.Geometry.Zoom = zoom;
    inputs.Geometry.CellSize = CellSizeFor(zoom, Sets.BaseTileSize);
    inputs.Geometry.ViewWidth = width < 0 ? map->Width * inputs.Geometry.CellSize : width;
    inputs.Geometry.ViewHeight = height < 0 ? map->Height * inputs.Geometry.CellSize : height;
    inputs.Geometry.CameraX = cameraX;
    inputs.Geometry.CameraY = cameraY;
    inputs.ActiveTool = Tool::ToolSelectPrimaryChar;
    QImage buffer(inputs.Geometry.ViewWidth, inputs.Geometry.ViewHeight,
                  QImage::Format_ARGB32_Premultiplied);
    MapView view(Sets);
    EXPECT_TRUE(view.RedrawView(buffer, *map, inputs));
    return buffer.convertToFormat(QImage::Format_RGB32);
  }

  static QImage Load(const std::string& file) {
    return QImage(QString::fromStdString(file)).convertToFormat(QImage::Format_RGB32);
  }

  // A full 255 x 255 level: every cell with all three tile layers, objects,
  // chars and text markers spread over it, springs and platforms.
  std::string WriteFullLevel() const {
    auto map = std::make_unique<Map>();
    map->Width = MaxMapSize;
    map->Height = MaxMapSize;
    for (int x = 1; x <= MaxMapSize; ++x) {
      for (int y = 1; y <= MaxMapSize; ++y) {
        MapCell& cell = map->Cell(x, y);
        cell.BgTile = static_cast<uint8_t>(1 + (x * 3 + y * 5) % 46);
        cell.MgTile = static_cast<uint8_t>(1 + (x + y * 7) % Sets.DXMG.ImageCount());
        cell.FgTile = static_cast<uint8_t>(1 + (x * 5 + y) % Sets.DXFG.ImageCount());
        if (x % 17 == 1 && y % 15 == 1) {
          cell.ObjectKind = static_cast<uint8_t>(1 + (x + y) % Sets.DXOBJ.ImageCount());
          cell.TextId = static_cast<uint8_t>(1 + x % 200);
        }
        if (x % 17 == 4 && y % 15 == 5) cell.CharKind = static_cast<uint8_t>(1 + (x / 17) % 6);
      }
    }
    map->PrimaryCharX = 4;
    map->PrimaryCharY = 5;
    map->SpringCount = 1;
    map->Springs[0] = Spring{2, 3, {}};
    map->Springs[0].Points[0] = SpringPoint{1, 1, TopLeft};
    map->Springs[0].Points[1] = SpringPoint{40, 9, Center};
    map->Springs[0].Points[2] = SpringPoint{200, 150, BottomRight};
    map->PlatformCount = 1;
    map->Platforms[0] = Platform{6, 3, 30, 20, 9, 9, 4, 2, TurnOneMove};
    const std::string file = Path("full.lvl");
    EXPECT_TRUE(WriteLevelFile(*map, file).Ok);
    return file;
  }

  QTemporaryDir Dir;
  TileSets Sets;
};

}  // namespace

TEST_F(RenderTest, DemoLevelIsTheWholeMapAsTheViewDrawsIt) {
  const std::string out = Path("demo.png");
  ASSERT_EQ(Run("render '" + DemoLevel + "' '" + out + "'"), 0);
  const QImage rendered = Load(out);
  const QImage expected = Redraw(DemoLevel, 10, -1, -1);
  EXPECT_EQ(rendered.size(), expected.size());
  EXPECT_EQ(rendered, expected);
}

TEST_F(RenderTest, FullLevelAtZoomTenAndTwo) {
  const std::string level = WriteFullLevel();
  const std::string atTen = Path("ten.png");
  ASSERT_EQ(Run("render '" + level + "' '" + atTen + "' --size 1920x967 --camera 100,120"), 0);
  EXPECT_EQ(Load(atTen), Redraw(level, 10, 1920, 967, 100, 120));

  const std::string atTwo = Path("two.bmp");
  ASSERT_EQ(Run("render --zoom 2 '" + level + "' '" + atTwo + "'"), 0);
  const QImage two = Load(atTwo);
  EXPECT_EQ(two.size(), QSize(255 * 3, 255 * 3));
  EXPECT_EQ(two, Redraw(level, 2, -1, -1));
}

TEST_F(RenderTest, TileSetsComeFromTheWorkingDirectoryTilesOrTheGameFolder) {
  const std::string out = Path("tiles.png");
  const std::string dir = Dir.path().toStdString();
  EXPECT_EQ(Run("render '" + DemoLevel + "' '" + out + "'", dir), 2);
  EXPECT_EQ(
      Run("render '" + DemoLevel + "' '" + out + "' --tiles '" + ProgramDir + "' --zoom 15", dir),
      0);
  EXPECT_EQ(Load(out), Redraw(DemoLevel, 15, -1, -1));
  // --game: the game's tile sets, and a level name found in the game first.
  ASSERT_TRUE(QFile::remove(QString::fromStdString(out)));
  EXPECT_EQ(Run("render levels/demo.lvl '" + out + "' --game '" + ProgramDir + "' --zoom 15", dir),
            0);
  EXPECT_EQ(Load(out), Redraw(DemoLevel, 15, -1, -1));
  EXPECT_EQ(Run("render levels/demo.lvl '" + out + "' --game '" + dir + "'", dir), 2);
}

TEST_F(RenderTest, FileErrorsExitWithTwo) {
  EXPECT_EQ(Run("render '" + Path("missing.lvl") + "' '" + Path("out.png") + "'"), 2);
  EXPECT_EQ(Run("render '" + DemoLevel + "' '" + Path("no/such/folder/out.png") + "'"), 2);
  // A level that uses a tile the sets do not have cannot be drawn.
  auto map = std::make_unique<Map>();
  map->Cell(1, 1).BgTile = 255;
  const std::string corrupt = Path("corrupt.lvl");
  ASSERT_TRUE(WriteLevelFile(*map, corrupt).Ok);
  EXPECT_EQ(Run("render '" + corrupt + "' '" + Path("out.png") + "'"), 2);
}

// Either compression gives a plain 8-bit RGB PNG with the view's pixels;
// "small" gives the smaller file.
TEST_F(RenderTest, PngsAreStandardRgbWithEitherCompression) {
  const std::string level = WriteFullLevel();
  const QImage expected = Redraw(level, 10, 1920, 967, 100, 120);
  qint64 sizes[2] = {};
  for (const int small : {0, 1}) {
    const std::string out = Path(small ? "small.png" : "fast.png");
    ASSERT_EQ(Run("render '" + level + "' '" + out + "' --size 1920x967 --camera 100,120" +
                  (small ? " --compression small" : " --compression fast")),
              0);
    EXPECT_EQ(Load(out), expected);
    QFile file(QString::fromStdString(out));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(26);
    EXPECT_EQ(header.mid(12, 4), "IHDR");
    EXPECT_EQ(header[24], 8);  // bits a sample
    EXPECT_EQ(header[25], 2);  // RGB, no alpha
    sizes[small] = file.size();
  }
  EXPECT_LT(sizes[1], sizes[0]);
  EXPECT_EQ(Run("render '" + level + "' '" + Path("x.png") + "' --compression tiny"), 64);
}

// A render that cannot be written whole (a full disk) keeps the image that
// was there and leaves no partial file.
TEST_F(RenderTest, AFailedWriteKeepsThePreviousImage) {
  const std::string out = Path("demo.png");
  ASSERT_EQ(Run("render '" + DemoLevel + "' '" + out + "' --zoom 2"), 0);
  const QImage before = Load(out);
  // Files may not grow beyond 4 KB; the write fails instead of ending the process.
  const std::string command = "cd '" + ProgramDir + "' && trap '' XFSZ && ulimit -f 8 && '" +
                              ZUBO_LEVEL + "' render '" + DemoLevel + "' '" + out +
                              "' --zoom 20 >/dev/null 2>&1";
  const int status = std::system(command.c_str());
  EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 2);
  EXPECT_EQ(Load(out), before);
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{"demo.png"});
}

TEST_F(RenderTest, BadUsageExitsWithSixtyFour) {
  const std::string files = "'" + DemoLevel + "' '" + Path("out.png") + "'";
  EXPECT_EQ(Run("render '" + DemoLevel + "'"), 64);
  EXPECT_EQ(Run("render '" + DemoLevel + "' '" + Path("out.jpg") + "'"), 64);
  EXPECT_EQ(Run("render " + files + " --zoom 1"), 64);
  EXPECT_EQ(Run("render " + files + " --zoom 101"), 64);
  EXPECT_EQ(Run("render " + files + " --zoom ten"), 64);
  EXPECT_EQ(Run("render " + files + " --size 100"), 64);
  EXPECT_EQ(Run("render " + files + " --size 0x10"), 64);
  EXPECT_EQ(Run("render " + files + " --camera -1,0"), 64);
  EXPECT_EQ(Run("render " + files + " --camera 3"), 64);
  EXPECT_EQ(Run("render " + files + " --tiles"), 64);
  EXPECT_EQ(Run("render " + files + " --colour red"), 64);
  // The whole of a 255 x 255 map at zoom 100 would be far too large an image.
  const std::string huge = Path("huge.png");
  EXPECT_EQ(Run("render '" + WriteFullLevel() + "' '" + huge + "' --zoom 100"), 64);
  EXPECT_NE(access(huge.c_str(), F_OK), 0);
}

// --fit: the whole map within N x N pixels, its aspect ratio kept, whether
// the zoom must grow (a 1 x 1 map), fit (the demo) or not suffice (a tall
// map and the full map, drawn smaller).
TEST_F(RenderTest, FitDrawsTheWholeMapWithinTheSizeKeepingItsShape) {
  const auto level = [&](int width, int height) {
    Map map;
    map.Width = width;
    map.Height = height;
    const std::string file = Path(std::to_string(width) + "x" + std::to_string(height) + ".lvl");
    EXPECT_TRUE(WriteLevelFile(map, file).Ok);
    return file;
  };
  struct Case {
    std::string Level;
    int Fit;
    QSize Expected;
  };
  const Case cases[] = {{DemoLevel, 128, QSize(120, 48)},
                        {level(1, 1), 256, QSize(160, 160)},
                        {level(5, 200), 100, QSize(2, 100)},
                        {level(200, 5), 64, QSize(64, 1)},
                        {WriteFullLevel(), 128, QSize(128, 128)}};
  for (const Case& c : cases) {
    const std::string out = Path("thumbnail");  // a thumbnailer's name, without an extension
    ASSERT_EQ(Run("render --fit " + std::to_string(c.Fit) + " '" + c.Level + "' '" + out + "'"), 0)
        << c.Level;
    const QImage image(QString::fromStdString(out), "PNG");
    EXPECT_EQ(image.size(), c.Expected) << c.Level;
  }
  EXPECT_EQ(Run("render --fit 64 --zoom 5 '" + DemoLevel + "' '" + Path("a.png") + "'"), 64);
  EXPECT_EQ(Run("render --fit 0 '" + DemoLevel + "' '" + Path("a.png") + "'"), 64);
}
