#pragma once

#include <QPoint>

#include "model/editor_state.h"
#include "model/spring.h"
#include "view/block_overlay.h"
#include "view/view_geometry.h"

// How the last platform of the list is drawn while it is being placed: its
// end follows the pointer while the end is chosen, and a switch line runs
// from its end to the pointer while the switch is chosen. Otherwise it is
// drawn like every other platform.
enum class PlatformPlacing {
  None,
  ChoosingEnd,
  ChoosingSwitch,
};

// The work in progress of the editing tools that follows the pointer.
struct EditOverlay {
  QPoint PointerPosition;  // the last pointer position over the surface
  // The last spring of the list is being drawn; LastSpringPoint is its newest point.
  bool SpringInProgress = false;
  SpringPoint LastSpringPoint{};
  PlatformPlacing Placing = PlatformPlacing::None;
};

// Everything a frame is drawn from besides the map.
struct ViewInputs {
  ViewGeometry Geometry;
  ShowSwitches Show;
  Tool ActiveTool = Tool::ToolPlaceTile;
  int ActiveLayer = 0;
  int SelectedPosition = 1;  // the position of the "Selected" up-down, framed in the palette
  EditOverlay Overlay;       // the spring being drawn and the platform being placed
  BlockOverlay Block;        // the paste preview and selection outlines of the block tools
};
