#pragma once

#include <cstdint>

#include "editing/edit_result.h"
#include "editing/map_edit.h"
#include "editing/mouse_button.h"

// How far the placement of the last platform of the map's list has got.
enum class PlatformStage : uint8_t {
  Idle = 0,            // nothing is being placed; a left release starts a platform
  StartPlaced = 1,     // the start is set; a left release sets the end
  AwaitingSwitch = 2,  // the properties ask for a switch; a left release sets it
  InDialog = 255,      // the properties dialog is open
};

// A release of the platform tool.
struct PlatformRelease {
  MouseButton Button = MouseButton::None;
  int X = 0;  // the released cell, from PointToCell
  int Y = 0;
  bool OnPalette = false;  // the release lies on the platform palette
  int SelectedIndex = 1;   // the platform image a new platform gets
};

// Handles a release: places the start, end or switch cell of the platform
// being placed, discards it (right button while placing) or deletes the first
// platform that starts or ends at the released cell (right button otherwise).
// A left release that would start more platforms than a level file holds is
// ignored. When the end is set the result asks for the properties dialog;
// its values come back through PlatformPropertiesChosen.
EditResult PlatformToolRelease(MapEdit edit, PlatformStage& stage, const PlatformRelease& release);

// Leaving the tool, or starting it afresh, in the middle of a placement
// discards the platform being placed, as a right release does; the stage is
// Idle afterwards.
void DiscardPlatformInPlacement(MapEdit edit, PlatformStage& stage);

// Takes the dialog's switch type (0..5) and speed into the platform being
// placed and moves on: to AwaitingSwitch for types that have a switch, to
// Idle otherwise. Does nothing unless the dialog was opened for it.
void PlatformPropertiesChosen(MapEdit edit, PlatformStage& stage, int switchType, int speed);
