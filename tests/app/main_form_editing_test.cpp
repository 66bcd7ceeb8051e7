#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "editing_fixture.h"
#include "model/editor_state.h"

namespace {

const QColor Fuchsia(255, 0, 255);
const QColor Lime(0, 255, 0);

}  // namespace

TEST_F(EditingTest, HeldLeftButtonPaintsEveryCellThePointerCrosses) {
  Panel().UDSel->setValue(2);
  Press(Qt::LeftButton, CellPixel(2, 3));
  EXPECT_EQ(Tools().HeldButton(), MouseButton::Left);
  for (int column = 3; column <= 6; ++column) Move(CellPixel(column, 3));
  Move(CellPixel(6, 4));
  Release(Qt::LeftButton, CellPixel(6, 4));
  EXPECT_EQ(Tools().HeldButton(), MouseButton::None);
  for (int column = 2; column <= 6; ++column) EXPECT_EQ(TheMap().Cell(column, 3).BgTile, 2);
  EXPECT_EQ(TheMap().Cell(6, 4).BgTile, 2);
  EXPECT_EQ(TheMap().Cell(1, 3).BgTile, 0);
  EXPECT_FALSE(TheMap().Saved);
  EXPECT_EQ(Find<QLineEdit>("EBGTiles")->text(), QStringLiteral("1"));

  // Moving without a button places nothing.
  Move(CellPixel(8, 8));
  EXPECT_EQ(TheMap().Cell(8, 8).BgTile, 0);
}

TEST_F(EditingTest, HeldRightButtonErasesAndLeavesTheCountersAlone) {
  for (int column = 1; column <= 4; ++column) TheMap().Cell(column, 2).BgTile = 1;
  Form->UpdateTileCounters();
  Press(Qt::RightButton, CellPixel(1, 2));
  Move(CellPixel(2, 2));
  Move(CellPixel(3, 2));
  Release(Qt::RightButton, CellPixel(3, 2));
  EXPECT_EQ(TheMap().Cell(1, 2).BgTile, 0);
  EXPECT_EQ(TheMap().Cell(3, 2).BgTile, 0);
  EXPECT_EQ(TheMap().Cell(4, 2).BgTile, 1);
  EXPECT_EQ(Find<QLineEdit>("EBGTiles")->text(), QStringLiteral("1"));
}

TEST_F(EditingTest, TheLatestPressedButtonIsTheHeldOneUntilEitherIsReleased) {
  TheMap().Cell(5, 5).BgTile = 1;
  Press(Qt::LeftButton, CellPixel(3, 5));
  Press(Qt::RightButton, CellPixel(4, 5));
  EXPECT_EQ(Tools().HeldButton(), MouseButton::Right);
  Move(CellPixel(5, 5));
  EXPECT_EQ(TheMap().Cell(5, 5).BgTile, 0);
  Release(Qt::LeftButton, CellPixel(5, 5));
  EXPECT_EQ(Tools().HeldButton(), MouseButton::None);
  TheMap().Cell(6, 5).BgTile = 1;
  Move(CellPixel(6, 5));
  EXPECT_EQ(TheMap().Cell(6, 5).BgTile, 1);
  Release(Qt::RightButton, CellPixel(6, 5));
}

TEST_F(EditingTest, PressOutsideTheMapClearsSavedAndChangesNoCell) {
  ASSERT_TRUE(TheMap().Saved);
  ClickCell(Qt::LeftButton, 21, 1);
  EXPECT_FALSE(TheMap().Saved);
  EXPECT_TRUE(TheMap().Cell(21, 1).IsEmpty());
  EXPECT_EQ(Tools().HeldButton(), MouseButton::None);
}

TEST_F(EditingTest, PalettePickSetsSelectedWithoutTouchingSavedOrTheMap) {
  const int count = Session->Sets.DXBG.ImageCount();
  ASSERT_GE(count, 2);
  const int cellSize = View().CellSize;
  const int left = View().ViewWidth - std::min(count, 4) * cellSize - 2;
  Press(Qt::LeftButton, QPoint(left + cellSize + 3, 5));  // entry 2
  EXPECT_EQ(Panel().UDSel->value(), 2);
  EXPECT_EQ(Tools().State().SelectedIndex, 2);
  EXPECT_TRUE(TheMap().Saved);
  EXPECT_EQ(Tools().HeldButton(), MouseButton::None);
  Release(Qt::LeftButton, QPoint(left + cellSize + 3, 5));

  // The second row lies beyond the last entry: ignored, and still no edit.
  Click(Qt::LeftButton, QPoint(left + 3, cellSize + 3));
  EXPECT_EQ(Panel().UDSel->value(), 2);
  EXPECT_TRUE(TheMap().Saved);
}

TEST_F(EditingTest, PlacingObjectsAndCharsSwitchesShowObjectsOn) {
  auto* showObjects = Find<QCheckBox>("CBShowObjects");
  showObjects->setChecked(false);
  ClickCell(Qt::LeftButton, 2, 2);
  EXPECT_FALSE(showObjects->isChecked());
  ChooseMode(ModeObjects);
  ClickCell(Qt::LeftButton, 3, 2);
  EXPECT_EQ(TheMap().Cell(3, 2).ObjectKind, 1);
  EXPECT_TRUE(showObjects->isChecked());
  showObjects->setChecked(false);
  ChooseMode(ModeChars);
  ClickCell(Qt::RightButton, 3, 2);
  EXPECT_TRUE(showObjects->isChecked());
  EXPECT_EQ(TheMap().Cell(3, 2).ObjectKind, 1);
}

TEST_F(EditingTest, ErasingThePrimaryZuboDropsThePrimaryChar) {
  ChooseMode(ModeChars);
  ClickCell(Qt::LeftButton, 4, 4);  // Zubo, char kind 1
  ASSERT_EQ(TheMap().Cell(4, 4).CharKind, ZuboCharKind);
  EXPECT_EQ(TheMap().PrimaryCharX, -1);  // placing does not choose it

  Find<QPushButton>("BSelectPrimaryChar")->click();  // on the hidden special panel
  EXPECT_EQ(Tools().State().ActiveTool, Tool::ToolSelectPrimaryChar);
  EXPECT_EQ(Tools().State().ActiveLayer, LayerChar);
  ClickCell(Qt::LeftButton, 4, 4);
  EXPECT_EQ(TheMap().PrimaryCharX, 4);
  EXPECT_EQ(TheMap().PrimaryCharY, 4);

  // The object layer leaves it; erasing the char drops it.
  ChooseMode(ModeObjects);
  ClickCell(Qt::RightButton, 4, 4);
  EXPECT_EQ(TheMap().PrimaryCharX, 4);
  ChooseMode(ModeChars);
  ClickCell(Qt::RightButton, 4, 4);
  EXPECT_EQ(TheMap().Cell(4, 4).CharKind, 0);
  EXPECT_EQ(TheMap().PrimaryCharX, -1);
}

TEST_F(EditingTest, MiddleButtonFloodFillsTileLayersOnly) {
  Panel().UDSel->setValue(2);
  TheMap().Cell(5, 1).BgTile = 1;
  for (int row = 1; row <= 20; ++row) TheMap().Cell(5, row).BgTile = 1;  // a wall
  ClickCell(Qt::MiddleButton, 1, 1);
  EXPECT_EQ(TheMap().Cell(4, 20).BgTile, 2);
  EXPECT_EQ(TheMap().Cell(5, 10).BgTile, 1);
  EXPECT_EQ(TheMap().Cell(6, 1).BgTile, 0);
  EXPECT_EQ(TheMap().Cell(21, 1).BgTile, 0);
  EXPECT_EQ(Tools().HeldButton(), MouseButton::None);

  ChooseMode(ModeTexts);
  ClickCell(Qt::MiddleButton, 8, 8);
  EXPECT_EQ(TheMap().Cell(8, 8).TextId, 0);
}

TEST_F(EditingTest, TextsModePlacesMarkersOnTheTextLayer) {
  ChooseMode(ModeTexts);
  EXPECT_EQ(Tools().State().ActiveTool, Tool::ToolTexts);
  EXPECT_EQ(Tools().State().ActiveLayer, LayerText);
  Panel().UDSel->setValue(12);
  ClickCell(Qt::LeftButton, 2, 2);
  EXPECT_EQ(TheMap().Cell(2, 2).TextId, 12);
  EXPECT_EQ(TheMap().Cell(2, 2).BgTile, 0);
}

TEST_F(EditingTest, ChoosingAModeResetsSelectedToOne) {
  Panel().UDSel->setValue(3);
  ChooseMode(ModeMidground);
  EXPECT_EQ(Tools().State().ActiveTool, Tool::ToolPlaceTile);
  EXPECT_EQ(Tools().State().ActiveLayer, LayerMg);
  EXPECT_EQ(Panel().UDSel->value(), 1);
  EXPECT_EQ(Tools().State().SelectedIndex, 1);
}

TEST_F(EditingTest, SpringIsDrawnWithALineToThePointerAndFinishedWithARightPress) {
  ChooseMode(ModeSprings);
  Panel().UDSel->setValue(3);  // lime
  const int cellSize = View().CellSize;
  // Two pixels right of and three up from the bottom-left corner of cell (3, 3).
  const QPoint corner(2 * cellSize, View().ViewHeight - 2 * cellSize);
  Click(Qt::LeftButton, corner + QPoint(2, -3));
  ASSERT_EQ(TheMap().SpringCount, 1);
  EXPECT_TRUE(Tools().SpringState().SpringInProgress);
  EXPECT_EQ(TheMap().Springs[0].Points[0].Corner, BottomLeft);
  EXPECT_EQ(TheMap().Springs[0].Kind, 3);

  // The line follows the pointer from the spring's last point.
  Move(corner + QPoint(60, 0));
  const QImage& frame = Surface()->Buffer();
  EXPECT_EQ(frame.pixelColor(corner + QPoint(30, 0)), Lime);

  // The same corner seen from the neighbouring cell adds nothing.
  Click(Qt::LeftButton, corner + QPoint(-2, -3));
  EXPECT_EQ(TheMap().Springs[0].PointCount, 1);
  Click(Qt::LeftButton, CellPixel(6, 3));
  EXPECT_EQ(TheMap().Springs[0].PointCount, 2);
  Click(Qt::RightButton, CellPixel(12, 12));
  EXPECT_FALSE(Tools().SpringState().SpringInProgress);
  EXPECT_EQ(TheMap().SpringCount, 1);

  // Not drawing: a right press on one of its points deletes it.
  Click(Qt::RightButton, CellPixel(6, 3));
  EXPECT_EQ(TheMap().SpringCount, 0);
}

TEST_F(EditingTest, ChoosingSpringsAgainEndsTheSpringInProgress) {
  ChooseMode(ModeSprings);
  ClickCell(Qt::LeftButton, 2, 2);
  ASSERT_TRUE(Tools().SpringState().SpringInProgress);
  ChooseMode(ModeSprings);
  EXPECT_FALSE(Tools().SpringState().SpringInProgress);
  EXPECT_EQ(TheMap().SpringCount, 1);  // kept with its single point
}

TEST_F(EditingTest, PlatformIsPlacedThroughThePropertiesDialog) {
  ChooseMode(ModePlatforms);
  EXPECT_EQ(Tools().State().ActiveTool, Tool::ToolPlatforms);
  Find<QCheckBox>("CBShowPlatforms")->setChecked(false);

  // Presses place nothing; releases do.
  Press(Qt::LeftButton, CellPixel(3, 3));
  EXPECT_EQ(TheMap().PlatformCount, 0);
  Release(Qt::LeftButton, CellPixel(3, 3));
  ASSERT_EQ(TheMap().PlatformCount, 1);
  EXPECT_EQ(Tools().PlacementStage(), PlatformStage::StartPlaced);
  EXPECT_TRUE(Find<QCheckBox>("CBShowPlatforms")->isChecked());

  // The end follows the pointer: a fuchsia line from the start image's centre.
  const int cellSize = View().CellSize;
  const QPoint startCentre(2 * cellSize + cellSize / 2,
                           View().ViewHeight - 3 * cellSize + cellSize / 2);
  Move(startCentre + QPoint(120, 0));
  EXPECT_EQ(Surface()->Buffer().pixelColor(startCentre + QPoint(80, 0)), Fuchsia);

  ClickCell(Qt::LeftButton, 3, 3);  // the start cell again: ignored
  EXPECT_EQ(Tools().PlacementStage(), PlatformStage::StartPlaced);

  bool dialogSeen = false;
  WhenDialogShown([&](TEditPlatform& dialog) {
    dialogSeen = true;
    EXPECT_EQ(dialog.LBType->currentRow(), 0);
    EXPECT_EQ(dialog.UpDown1->value(), 5);
    QTest::mouseClick(dialog.LBType->viewport(), Qt::LeftButton, {},
                      dialog.LBType->visualItemRect(dialog.LBType->item(3)).center());
    dialog.UpDown1->setFocus();
    dialog.UpDown1->selectAll();
    QTest::keyClicks(dialog.UpDown1, QStringLiteral("8"));
    QTest::mouseClick(dialog.BOK, Qt::LeftButton);
  });
  ClickCell(Qt::LeftButton, 7, 3);
  ASSERT_TRUE(dialogSeen);
  EXPECT_EQ(Tools().PlacementStage(), PlatformStage::AwaitingSwitch);

  // Now a line runs from the end image's centre to the pointer.
  const QPoint endCentre = startCentre + QPoint(4 * cellSize, 0);
  Move(endCentre - QPoint(0, 100));
  EXPECT_EQ(Surface()->Buffer().pixelColor(endCentre - QPoint(0, 50)), Fuchsia);

  ClickCell(Qt::LeftButton, 7, 3);  // the end cell cannot be the switch
  EXPECT_EQ(Tools().PlacementStage(), PlatformStage::AwaitingSwitch);
  ClickCell(Qt::LeftButton, 3, 3);  // the start cell can
  EXPECT_EQ(Tools().PlacementStage(), PlatformStage::Idle);

  const Platform& platform = TheMap().Platforms[0];
  EXPECT_EQ(platform.StartX, 3);
  EXPECT_EQ(platform.EndX, 7);
  EXPECT_EQ(platform.EndY, 3);
  EXPECT_EQ(platform.SwitchX, 3);
  EXPECT_EQ(platform.SwitchY, 3);
  EXPECT_EQ(platform.SwitchType, KeepForever);
  EXPECT_EQ(platform.Speed, 8);
  EXPECT_EQ(platform.Kind, 1);

  // The next platform's dialog shows the values chosen last.
  ClickCell(Qt::LeftButton, 10, 10);
  WhenDialogShown([&](TEditPlatform& dialog) {
    EXPECT_EQ(dialog.LBType->currentRow(), 3);
    EXPECT_EQ(dialog.UpDown1->value(), 8);
    QTest::mouseClick(dialog.LBType->viewport(), Qt::LeftButton, {},
                      dialog.LBType->visualItemRect(dialog.LBType->item(0)).center());
    QTest::mouseClick(dialog.BOK, Qt::LeftButton);
  });
  ClickCell(Qt::LeftButton, 10, 12);
  EXPECT_EQ(Tools().PlacementStage(), PlatformStage::Idle);
  ASSERT_EQ(TheMap().PlatformCount, 2);
  EXPECT_EQ(TheMap().Platforms[1].SwitchType, NoSwitch);

  // A right release in Idle on an end cell deletes that platform.
  ClickCell(Qt::RightButton, 7, 3);
  ASSERT_EQ(TheMap().PlatformCount, 1);
  EXPECT_EQ(TheMap().Platforms[0].StartX, 10);
}

TEST_F(EditingTest, RightReleaseDiscardsThePlatformBeingPlaced) {
  ChooseMode(ModePlatforms);
  ClickCell(Qt::LeftButton, 3, 3);
  ASSERT_EQ(TheMap().PlatformCount, 1);
  ClickCell(Qt::RightButton, 15, 15);
  EXPECT_EQ(TheMap().PlatformCount, 0);
  EXPECT_EQ(Tools().PlacementStage(), PlatformStage::Idle);
}

TEST_F(EditingTest, ReleaseOnThePlatformPalettePicksAndPlacesNothing) {
  ChooseMode(ModePlatforms);
  const QPoint entry1(View().ViewWidth - 2, 4);
  Click(Qt::LeftButton, entry1);
  EXPECT_EQ(TheMap().PlatformCount, 0);
  EXPECT_EQ(Tools().PlacementStage(), PlatformStage::Idle);
}

TEST_F(EditingTest, MovingTheModeListSelectionWithTheKeyboardChoosesTheMode) {
  ChooseMode(ModeForeground);
  ASSERT_TRUE(Panel().LBMode->hasFocus());
  QTest::keyClick(Panel().LBMode, Qt::Key_Down);
  EXPECT_EQ(Tools().State().ActiveLayer, LayerObject);
  QTest::keyClick(Panel().LBMode, Qt::Key_Down);
  QTest::keyClick(Panel().LBMode, Qt::Key_Down);
  EXPECT_EQ(Tools().State().ActiveTool, Tool::ToolSprings);
}

TEST_F(EditingTest, EmptyingTheMapEndsThePlacingOfSpringsAndPlatforms) {
  ChooseMode(ModePlatforms);
  ClickCell(Qt::LeftButton, 3, 3);
  ASSERT_EQ(Tools().PlacementStage(), PlatformStage::StartPlaced);
  Form->NewMap();
  EXPECT_EQ(Tools().PlacementStage(), PlatformStage::Idle);
  EXPECT_EQ(TheMap().PlatformCount, 0);

  ChooseMode(ModeSprings);
  ClickCell(Qt::LeftButton, 3, 3);
  ASSERT_TRUE(Tools().SpringState().SpringInProgress);
  Form->NewMap();
  EXPECT_FALSE(Tools().SpringState().SpringInProgress);
}

TEST_F(EditingTest, TheModeListShowsTheModeInForceWhateverTheMouseDoes) {
  QListWidget* modes = Panel().LBMode;
  const auto entry = [modes](int row) { return modes->visualItemRect(modes->item(row)).center(); };
  const QPoint outside(modes->viewport()->width() + 30, entry(ModeChars).y());
  struct {
    int from;
    int to;  // -1: released outside the list
    Tool tool;
    int layer;
  } const drags[] = {
      {ModeObjects, ModeChars, Tool::ToolPlaceTile, LayerChar},
      {ModeBackground, ModeSprings, Tool::ToolSprings, LayerBg},
      {ModeTexts, ModeMidground, Tool::ToolPlaceTile, LayerMg},
      {ModePlatforms, -1, Tool::ToolPlatforms, LayerMg},
  };
  for (const auto& drag : drags) {
    QTest::mousePress(modes->viewport(), Qt::LeftButton, {}, entry(drag.from));
    const QPoint end = drag.to >= 0 ? entry(drag.to) : outside;
    DragTo(modes->viewport(), end);
    QTest::mouseRelease(modes->viewport(), Qt::LeftButton, {}, end);
    const int shown = drag.to >= 0 ? drag.to : drag.from;
    EXPECT_EQ(modes->selectedItems(), QList<QListWidgetItem*>{modes->item(shown)}) << drag.from;
    EXPECT_EQ(Tools().State().ActiveTool, drag.tool) << drag.from;
    EXPECT_EQ(Tools().State().ActiveLayer, drag.layer) << drag.from;
  }
  // A Ctrl+click cannot take the highlight from the mode in force.
  QTest::mouseClick(modes->viewport(), Qt::LeftButton, Qt::ControlModifier, entry(ModePlatforms));
  EXPECT_EQ(modes->selectedItems(), QList<QListWidgetItem*>{modes->item(ModePlatforms)});
}

TEST_F(EditingTest, PlatformDialogClosesOnlyThroughOK) {
  ChooseMode(ModePlatforms);
  ClickCell(Qt::LeftButton, 3, 3);
  bool stayedOpen = false;
  WhenDialogShown([&](TEditPlatform& dialog) {
    QTest::keyClick(&dialog, Qt::Key_Escape);
    dialog.close();
    stayedOpen = dialog.isVisible();
    QTest::mouseClick(dialog.BOK, Qt::LeftButton);
  });
  ClickCell(Qt::LeftButton, 5, 3);
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(Tools().PlacementStage(), PlatformStage::Idle);
  EXPECT_EQ(TheMap().Platforms[0].Speed, 5);
}

TEST_F(EditingTest, HeldRightButtonDeletesNothingAfterFinishingASpring) {
  ChooseMode(ModeSprings);
  ClickCell(Qt::LeftButton, 3, 3);
  ClickCell(Qt::LeftButton, 6, 3);
  // The finishing press lands on the spring's last point and is held.
  Press(Qt::RightButton, CellPixel(6, 3));
  Move(CellPixel(6, 3) + QPoint(1, 0));
  Move(CellPixel(3, 3));
  EXPECT_EQ(TheMap().SpringCount, 1);
  Release(Qt::RightButton, CellPixel(3, 3));
  // A new right press deletes again.
  ClickCell(Qt::RightButton, 6, 3);
  EXPECT_EQ(TheMap().SpringCount, 0);
}

TEST_F(EditingTest, LeavingPlatformsMidPlacementDiscardsThePlatform) {
  for (int leavingFor : {ModeBackground, ModeSprings, ModePlatforms}) {
    for (bool withProperties : {false, true}) {
      ChooseMode(ModePlatforms);
      ClickCell(Qt::LeftButton, 3, 3);
      if (withProperties) {
        WhenDialogShown([](TEditPlatform& dialog) {
          dialog.LBType->setCurrentRow(KeepForever);
          QTest::mouseClick(dialog.BOK, Qt::LeftButton);
        });
        ClickCell(Qt::LeftButton, 5, 3);
        ASSERT_EQ(Tools().PlacementStage(), PlatformStage::AwaitingSwitch);
      }
      ASSERT_EQ(TheMap().PlatformCount, 1);
      ChooseMode(leavingFor);
      EXPECT_EQ(TheMap().PlatformCount, 0) << leavingFor;
      EXPECT_EQ(Tools().PlacementStage(), PlatformStage::Idle) << leavingFor;
    }
  }
}
