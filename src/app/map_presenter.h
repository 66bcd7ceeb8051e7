#pragma once

#include <vector>

#include "view/frame_record.h"
#include "view/map_view.h"

class Map;
class TDrawSurface;
struct TileSets;

// Shows the map on the drawing surface: full frames (one that would be the
// frame already shown is not drawn again) and single cells.
class MapPresenter {
 public:
  MapPresenter(TDrawSurface& surface, const TileSets& sets);

  // The full redraw, shown at once. False, with nothing shown, when the map
  // refers to an entry its tile set does not have. A surface that is not
  // ready yet shows nothing.
  bool Redraw(const Map& map, const ViewInputs& inputs);
  // The periodic redraw: the full one, unless it would give the frame shown.
  bool RedrawIfChanged(const Map& map, const ViewInputs& inputs);
  // Draws the cells again at once, one screen update for all.
  void RefreshCells(const Map& map, const ViewInputs& inputs,
                    const std::vector<CellPosition>& cells);

 private:
  TDrawSurface& Surface;
  MapView View;
  FrameRecord LastFrame;
};
