#pragma once

#include <QPoint>
#include <optional>

#include "model/editor_state.h"
#include "model/spring.h"
#include "view/block_overlay.h"
#include "view/view_geometry.h"

class Map;

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

// The selection tool's part of a frame: the outline of the selected area,
// a block following the pointer (a move or a paste going on) with the map
// cell its cell (1, 1) would land on, and, while a drag chooses the area,
// its size beside it.
struct AreaOverlay {
  std::optional<CellArea> Outline;
  const Map* Floating = nullptr;
  CellPosition FloatingAt;
  bool ShowSize = false;
};

// A rectangle of the game's own pixels, counted from the map's bottom-left
// corner, where one map cell is TileSize pixels.
struct GameRect {
  int Left = 0;
  int Bottom = 0;
  int Width = 0;
  int Height = 0;
  int TileSize = 16;
};

bool operator==(const GameRect& a, const GameRect& b);

// The phone's screen on the map: the rectangle that follows the pointer, and
// the fainter one of what the player sees first.
struct ScreenOverlay {
  std::optional<GameRect> Following;
  std::optional<GameRect> First;
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
  AreaOverlay Area;          // the selection tool's outline and floating block
  // The cell a chosen problem is at, marked until the next edit or click.
  std::optional<CellPosition> MarkedCell;
  // The cell under the pointer, outlined while the pointer is over the map.
  std::optional<CellPosition> PointerCell;
  ScreenOverlay Screen;
};
