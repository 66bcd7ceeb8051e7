#include "editing/platform_tool.h"

#include <gtest/gtest.h>

#include <memory>

#include "edited_map.h"
#include "model/map.h"

namespace {

class PlatformToolTest : public ::testing::Test {
 protected:
  PlatformToolTest() {
    map->Width = 20;
    map->Height = 10;
  }

  EditResult Release(MouseButton button, int x, int y, bool onPalette = false) {
    PlatformRelease release;
    release.Button = button;
    release.X = x;
    release.Y = y;
    release.OnPalette = onPalette;
    release.SelectedIndex = selectedIndex;
    return PlatformToolRelease(map.Edit(), stage, release);
  }
  EditResult Left(int x, int y) { return Release(MouseButton::Left, x, y); }
  EditResult Right(int x, int y) { return Release(MouseButton::Right, x, y); }

  // A complete platform from (sx, sy) to (ex, ey) without a switch.
  void AddPlatform(int sx, int sy, int ex, int ey) {
    Left(sx, sy);
    Left(ex, ey);
    PlatformPropertiesChosen(map.Edit(), stage, NoSwitch, 5);
  }

  const Platform& Last() const { return map->Platforms[map->PlatformCount - 1]; }

  EditedMap map;
  PlatformStage stage = PlatformStage::Idle;
  int selectedIndex = 2;
};

}  // namespace

TEST_F(PlatformToolTest, APlatformWithoutASwitchTakesTwoReleasesAndTheDialog) {
  EditResult result = Left(3, 4);
  EXPECT_EQ(stage, PlatformStage::StartPlaced);
  ASSERT_EQ(map->PlatformCount, 1);
  EXPECT_FALSE(result.OpenPlatformDialog);

  result = Left(8, 4);
  EXPECT_EQ(stage, PlatformStage::InDialog);
  EXPECT_TRUE(result.OpenPlatformDialog);

  PlatformPropertiesChosen(map.Edit(), stage, NoSwitch, 7);
  EXPECT_EQ(stage, PlatformStage::Idle);

  Platform expected;
  expected.StartX = 3;
  expected.StartY = 4;
  expected.EndX = 8;
  expected.EndY = 4;
  expected.Speed = 7;
  expected.Kind = 2;
  expected.SwitchType = NoSwitch;
  EXPECT_EQ(Last(), expected);
}

TEST_F(PlatformToolTest, ANewPlatformStartsFromZeroWhateverItsSlotHeld) {
  Platform old;
  old.EndX = old.EndY = old.SwitchX = old.SwitchY = old.Speed = 9;
  old.SwitchType = KeepForever;
  map->Platforms[0] = old;
  selectedIndex = 256 + 3;

  Left(5, 5);

  Platform expected;
  expected.StartX = 5;
  expected.StartY = 5;
  expected.Kind = 3;
  EXPECT_EQ(Last(), expected);
}

TEST_F(PlatformToolTest, ReleasesThatDoNotFitTheStageAreIgnored) {
  Left(21, 1);
  Left(1, 11);
  Left(0, 5);
  EXPECT_EQ(map->PlatformCount, 0);
  EXPECT_EQ(stage, PlatformStage::Idle);

  Left(3, 3);
  Left(3, 3);  // the start cell
  Left(21, 3);
  EXPECT_EQ(stage, PlatformStage::StartPlaced);

  Left(4, 3);
  const EditResult again = Left(6, 6);
  EXPECT_EQ(stage, PlatformStage::InDialog);
  EXPECT_FALSE(again.OpenPlatformDialog);
  EXPECT_EQ(Last().EndX, 4);
  EXPECT_EQ(map->PlatformCount, 1);
}

TEST_F(PlatformToolTest, SwitchTypesOneToFourAskForASwitchCell) {
  for (int type = NoSwitch; type < SwitchTypeCount; ++type) {
    stage = PlatformStage::Idle;
    Left(1, 1);
    Left(2, 1);
    PlatformPropertiesChosen(map.Edit(), stage, type, 4);
    EXPECT_EQ(Last().SwitchType, type);
    const bool asks = type >= TurnForever && type <= KeepOneMove;
    EXPECT_EQ(stage, asks ? PlatformStage::AwaitingSwitch : PlatformStage::Idle) << type;
  }
}

TEST_F(PlatformToolTest, TheSwitchMayNotBeOnTheEndCellButMayBeOnTheStart) {
  Left(3, 3);
  Left(6, 3);
  PlatformPropertiesChosen(map.Edit(), stage, KeepForever, 5);

  Left(6, 3);
  Left(6, 11);
  EXPECT_EQ(stage, PlatformStage::AwaitingSwitch);

  Left(3, 3);
  EXPECT_EQ(stage, PlatformStage::Idle);
  EXPECT_EQ(Last().SwitchX, 3);
  EXPECT_EQ(Last().SwitchY, 3);
}

TEST_F(PlatformToolTest, TheSpeedKeepsItsLowEightBits) {
  Left(1, 1);
  Left(2, 2);
  PlatformPropertiesChosen(map.Edit(), stage, NoSwitch, 256 + 12);
  EXPECT_EQ(Last().Speed, 12);
}

TEST_F(PlatformToolTest, PropertiesCountOnlyWhileTheDialogIsOpen) {
  Left(1, 1);
  PlatformPropertiesChosen(map.Edit(), stage, KeepOneMove, 8);
  EXPECT_EQ(stage, PlatformStage::StartPlaced);
  EXPECT_EQ(Last().Speed, 0);

  Left(2, 2);
  PlatformPropertiesChosen(map.Edit(), stage, SwitchTypeCount, 8);
  PlatformPropertiesChosen(map.Edit(), stage, -1, 8);
  EXPECT_EQ(stage, PlatformStage::InDialog);
  EXPECT_EQ(Last().Speed, 0);
}

TEST_F(PlatformToolTest, RightReleaseWhilePlacingDiscardsThePlatform) {
  AddPlatform(1, 1, 2, 1);
  for (int step = 1; step <= 3; ++step) {
    Left(5, 5);
    if (step >= 2) Left(6, 6);
    if (step == 3) PlatformPropertiesChosen(map.Edit(), stage, TurnOneMove, 3);
    ASSERT_EQ(map->PlatformCount, 2);

    Right(15, 15);

    EXPECT_EQ(stage, PlatformStage::Idle);
    EXPECT_EQ(map->PlatformCount, 1) << step;
  }
}

TEST_F(PlatformToolTest, RightReleaseInIdleDeletesTheFirstPlatformAtTheCell) {
  AddPlatform(1, 1, 2, 1);
  AddPlatform(1, 2, 5, 5);  // ends at (5, 5)
  AddPlatform(1, 3, 2, 3);
  AddPlatform(5, 5, 9, 9);  // starts at (5, 5)
  AddPlatform(1, 4, 2, 4);

  Right(5, 5);

  ASSERT_EQ(map->PlatformCount, 4);
  EXPECT_EQ(map->Platforms[1].StartY, 4);
  EXPECT_EQ(map->Platforms[3].StartX, 5);

  Right(9, 9);
  ASSERT_EQ(map->PlatformCount, 3);
  EXPECT_EQ(map->Platforms[2].StartY, 3);
}

TEST_F(PlatformToolTest, RightReleaseOnASwitchCellDeletesNothing) {
  Left(1, 1);
  Left(2, 1);
  PlatformPropertiesChosen(map.Edit(), stage, TurnForever, 5);
  Left(7, 7);

  Right(7, 7);
  Right(10, 10);

  EXPECT_EQ(map->PlatformCount, 1);
}

TEST_F(PlatformToolTest, ReleasesOnThePaletteOnlyShowPlatforms) {
  const EditResult result = Release(MouseButton::Left, 3, 3, true);
  EXPECT_TRUE(result.ShowPlatforms);
  EXPECT_EQ(map->PlatformCount, 0);
  EXPECT_EQ(stage, PlatformStage::Idle);

  AddPlatform(1, 1, 2, 1);
  Release(MouseButton::Right, 1, 1, true);
  EXPECT_EQ(map->PlatformCount, 1);
}

TEST_F(PlatformToolTest, EveryReleaseShowsPlatformsAndNoneRedraws) {
  for (MouseButton button : {MouseButton::Left, MouseButton::Right, MouseButton::Middle}) {
    const EditResult result = Release(button, 4, 4);
    EXPECT_TRUE(result.ShowPlatforms);
    EXPECT_FALSE(result.RedrawView);
    EXPECT_FALSE(result.RefreshCell);
  }
}

TEST_F(PlatformToolTest, MiddleReleaseChangesNothing) {
  Left(1, 1);
  Release(MouseButton::Middle, 2, 2);
  EXPECT_EQ(stage, PlatformStage::StartPlaced);
  EXPECT_EQ(map->PlatformCount, 1);
}

TEST_F(PlatformToolTest, NoPlatformBeyondWhatALevelFileHolds) {
  map->PlatformCount = MaxFileListCount - 1;
  Left(1, 1);
  Left(2, 2);
  PlatformPropertiesChosen(map.Edit(), stage, NoSwitch, 5);
  ASSERT_EQ(map->PlatformCount, MaxFileListCount);

  Left(3, 3);

  EXPECT_EQ(map->PlatformCount, MaxFileListCount);
  EXPECT_EQ(stage, PlatformStage::Idle);
}

TEST_F(PlatformToolTest, AnEmptiedListHasNoPlatformBeingPlaced) {
  Left(1, 1);
  map->PlatformCount = 0;

  Right(1, 1);
  EXPECT_EQ(map->PlatformCount, 0);

  stage = PlatformStage::AwaitingSwitch;
  Left(4, 4);
  EXPECT_EQ(map->PlatformCount, 1);
  EXPECT_EQ(stage, PlatformStage::StartPlaced);
}
