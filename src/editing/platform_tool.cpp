#include "editing/platform_tool.h"

#include "model/limits.h"
#include "model/map.h"
#include "model/platform.h"

namespace {

bool IsAt(uint8_t x, uint8_t y, int cellX, int cellY) {
  return x == cellX && y == cellY;
}

// The platform being placed, the last of the list.
Platform& Placed(MapEdit edit) {
  const PlatformList platforms = edit.Platforms();
  return platforms.Slots[platforms.Count - 1];
}

void LeftRelease(MapEdit edit, PlatformStage& stage, const PlatformRelease& release) {
  const Map& map = edit.Read();
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
      PlatformList platforms = edit.Platforms();
      platforms.Slots[platforms.Count] = platform;
      ++platforms.Count;
      stage = PlatformStage::StartPlaced;
      return;
    }
    case PlatformStage::StartPlaced: {
      const Platform& placed = map.Platforms[map.PlatformCount - 1];
      if (!onMap || IsAt(placed.StartX, placed.StartY, release.X, release.Y)) return;
      Platform& platform = Placed(edit);
      platform.EndX = x;
      platform.EndY = y;
      stage = PlatformStage::InDialog;
      return;
    }
    case PlatformStage::AwaitingSwitch: {
      const Platform& placed = map.Platforms[map.PlatformCount - 1];
      if (!onMap || IsAt(placed.EndX, placed.EndY, release.X, release.Y)) return;
      Platform& platform = Placed(edit);
      platform.SwitchX = x;
      platform.SwitchY = y;
      stage = PlatformStage::Idle;
      return;
    }
    case PlatformStage::InDialog:
      return;
  }
}

void DeletePlatformAt(MapEdit edit, int cellX, int cellY) {
  const Map& map = edit.Read();
  for (int i = 0; i < map.PlatformCount; ++i) {
    const Platform& platform = map.Platforms[i];
    if (!IsAt(platform.StartX, platform.StartY, cellX, cellY) &&
        !IsAt(platform.EndX, platform.EndY, cellX, cellY))
      continue;
    PlatformList platforms = edit.Platforms();
    if (i < platforms.Count - 1) platforms.Slots[i] = platforms.Slots[platforms.Count - 1];
    --platforms.Count;
    return;
  }
}

}  // namespace

EditResult PlatformToolRelease(MapEdit edit, PlatformStage& stage, const PlatformRelease& release) {
  EditResult result;
  result.ShowPlatforms = true;
  if (release.OnPalette) return result;
  // A list emptied under the tool has no platform being placed.
  if (edit.Read().PlatformCount == 0) stage = PlatformStage::Idle;

  if (release.Button == MouseButton::Left) {
    const PlatformStage before = stage;
    LeftRelease(edit, stage, release);
    result.OpenPlatformDialog = before != stage && stage == PlatformStage::InDialog;
  } else if (release.Button == MouseButton::Right) {
    if (stage != PlatformStage::Idle) {
      DiscardPlatformInPlacement(edit, stage);
    } else {
      DeletePlatformAt(edit, release.X, release.Y);
    }
  }
  return result;
}

void DiscardPlatformInPlacement(MapEdit edit, PlatformStage& stage) {
  if (stage != PlatformStage::Idle && edit.Read().PlatformCount > 0) --edit.Platforms().Count;
  stage = PlatformStage::Idle;
}

void PlatformPropertiesChosen(MapEdit edit, PlatformStage& stage, int switchType, int speed) {
  if (stage != PlatformStage::InDialog || edit.Read().PlatformCount == 0 || switchType < 0 ||
      switchType >= SwitchTypeCount)
    return;
  Platform& platform = Placed(edit);
  platform.Speed = static_cast<uint8_t>(speed);
  platform.SwitchType = static_cast<uint8_t>(switchType);
  stage = HasSwitch(switchType) ? PlatformStage::AwaitingSwitch : PlatformStage::Idle;
}
