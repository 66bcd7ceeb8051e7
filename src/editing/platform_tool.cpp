#include "editing/platform_tool.h"

#include "model/limits.h"
#include "model/map.h"
#include "model/platform.h"

namespace {

bool IsAt(uint8_t x, uint8_t y, int cellX, int cellY) {
  return x == cellX && y == cellY;
}

void LeftRelease(Map& map, PlatformStage& stage, const PlatformRelease& release) {
  const bool onMap = map.InUse(release.X, release.Y);
  const auto x = static_cast<uint8_t>(release.X);
  const auto y = static_cast<uint8_t>(release.Y);
  switch (stage) {
    case PlatformStage::Idle: {
      if (!onMap || map.PlatformCount >= MaxFileListCount) return;
      Platform platform;  // the fields placement sets later start at 0
      platform.StartX = x;
      platform.StartY = y;
      platform.Kind = static_cast<uint8_t>(release.SelectedIndex);
      platform.SwitchType = NoSwitch;
      map.Platforms[map.PlatformCount] = platform;
      ++map.PlatformCount;
      stage = PlatformStage::StartPlaced;
      return;
    }
    case PlatformStage::StartPlaced: {
      Platform& platform = map.Platforms[map.PlatformCount - 1];
      if (!onMap || IsAt(platform.StartX, platform.StartY, release.X, release.Y)) return;
      platform.EndX = x;
      platform.EndY = y;
      stage = PlatformStage::InDialog;
      return;
    }
    case PlatformStage::AwaitingSwitch: {
      Platform& platform = map.Platforms[map.PlatformCount - 1];
      if (!onMap || IsAt(platform.EndX, platform.EndY, release.X, release.Y)) return;
      platform.SwitchX = x;
      platform.SwitchY = y;
      stage = PlatformStage::Idle;
      return;
    }
    case PlatformStage::InDialog:
      return;
  }
}

void DeletePlatformAt(Map& map, int cellX, int cellY) {
  for (int i = 0; i < map.PlatformCount; ++i) {
    const Platform& platform = map.Platforms[i];
    if (!IsAt(platform.StartX, platform.StartY, cellX, cellY) &&
        !IsAt(platform.EndX, platform.EndY, cellX, cellY))
      continue;
    if (i < map.PlatformCount - 1) map.Platforms[i] = map.Platforms[map.PlatformCount - 1];
    --map.PlatformCount;
    return;
  }
}

}  // namespace

EditResult PlatformToolRelease(Map& map, PlatformStage& stage, const PlatformRelease& release) {
  EditResult result;
  result.ShowPlatforms = true;
  if (release.OnPalette) return result;
  // A list emptied under the tool has no platform being placed.
  if (map.PlatformCount == 0) stage = PlatformStage::Idle;

  if (release.Button == MouseButton::Left) {
    const PlatformStage before = stage;
    LeftRelease(map, stage, release);
    result.OpenPlatformDialog = before != stage && stage == PlatformStage::InDialog;
  } else if (release.Button == MouseButton::Right) {
    if (stage != PlatformStage::Idle) {
      DiscardPlatformInPlacement(map, stage);
    } else {
      DeletePlatformAt(map, release.X, release.Y);
    }
  }
  return result;
}

void DiscardPlatformInPlacement(Map& map, PlatformStage& stage) {
  if (stage != PlatformStage::Idle && map.PlatformCount > 0) --map.PlatformCount;
  stage = PlatformStage::Idle;
}

void PlatformPropertiesChosen(Map& map, PlatformStage& stage, int switchType, int speed) {
  if (stage != PlatformStage::InDialog || map.PlatformCount == 0 || switchType < 0 ||
      switchType >= SwitchTypeCount)
    return;
  Platform& platform = map.Platforms[map.PlatformCount - 1];
  platform.Speed = static_cast<uint8_t>(speed);
  platform.SwitchType = static_cast<uint8_t>(switchType);
  stage = HasSwitch(switchType) ? PlatformStage::AwaitingSwitch : PlatformStage::Idle;
}
