// The editor as a user first meets it: the generated sample tile sets and the
// demo level of the ready program folder.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTest>
#include <memory>

#include "app/main_form.h"
#include "editing/editor_session.h"
#include "recovery/autosave.h"
#include "fake_message_boxes.h"
#include "levelfile/level_reader.h"
#include "levelfile/validation.h"
#include "model/map.h"
#include "app/draw_surface.h"
#include "view/palette.h"
#include "view/tile_set.h"

namespace {

class SampleContentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QStringLiteral(ZUBO_PROGRAM_DIR)));
  }
  void TearDown() override { QDir::setCurrent(Previous); }

  QString Previous;
};

TEST_F(SampleContentTest, TheDemoLevelIsValidAndUsesEveryKindOfContent) {
  auto map = std::make_unique<Map>();
  ASSERT_TRUE(ReadLevelFile(ZUBO_PROGRAM_DIR "/levels/demo.lvl", *map));
  EXPECT_TRUE(map->PrimaryCharIsValid());
  EXPECT_GE(map->SpringCount, 1);
  ASSERT_GE(map->PlatformCount, 1);
  bool platformWithSwitch = false;
  for (int i = 0; i < map->PlatformCount; ++i)
    platformWithSwitch = platformWithSwitch || HasSwitch(map->Platforms[i].SwitchType);
  EXPECT_TRUE(platformWithSwitch);
  EXPECT_GE(map->CustomTextLineCount(), 1);
  bool layerUsed[LayerCount] = {};
  for (int x = 1; x <= map->Width; ++x)
    for (int y = 1; y <= map->Height; ++y)
      for (int layer = 0; layer < LayerCount; ++layer)
        layerUsed[layer] = layerUsed[layer] || map->Cell(x, y).LayerByte(layer) != 0;
  for (int layer = 0; layer < LayerCount; ++layer) EXPECT_TRUE(layerUsed[layer]) << layer;

  const ValidationResult result = ValidateMap(*map, true);
  EXPECT_TRUE(result.Passed);
  EXPECT_TRUE(result.Messages.empty());
}

TEST_F(SampleContentTest, TheWindowShowsTheDemoLevelAndThePaletteAtTheTopRight) {
  FakeMessageBoxes boxes;
  EditorSession session;
  Autosave autosave;
  TMainForm form(boxes, session, autosave);
  ASSERT_TRUE(form.StartUp());
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Zubo Editor"));
  EXPECT_GE(session.Sets.DXBG.ImageCount(), 60);

  auto demo = std::make_unique<Map>();
  ASSERT_TRUE(ReadLevelFile(ZUBO_PROGRAM_DIR "/levels/demo.lvl", *demo));
  session.Document.Replace(*demo);
  form.TimerTimer();
  EXPECT_TRUE(boxes.Messages.isEmpty());

  // Most of the level's area is covered by its tiles rather than the plain
  // background colour.
  const QImage frame = form.findChild<TDrawSurface*>()->Buffer().copy();
  const ViewGeometry& view = session.View;
  const Map& map = session.Document.GetMap();
  const int areaWidth = std::min(view.ViewWidth, map.Width * view.CellSize);
  const int areaHeight = std::min(view.ViewHeight, map.Height * view.CellSize);
  const QRgb background = qRgb(0, 31, 27);
  int covered = 0;
  for (int y = view.ViewHeight - areaHeight; y < view.ViewHeight; ++y)
    for (int x = 0; x < areaWidth; ++x) covered += (frame.pixel(x, y) | 0xFF000000) != background;
  EXPECT_GT(covered, areaWidth * areaHeight * 3 / 4);

  // The background palette hangs from the top edge at the right, in its red frame.
  const PaletteGeometry palette =
      PaletteGeometryFor(session.Sets.DXBG.ImageCount(), view.CellSize, view.ViewWidth);
  EXPECT_EQ(frame.pixel(palette.Left, 1) | 0xFF000000, qRgb(255, 0, 0));
  EXPECT_EQ(frame.pixel(view.ViewWidth - 1, palette.Height + 2) | 0xFF000000, qRgb(255, 0, 0));
}

}  // namespace
