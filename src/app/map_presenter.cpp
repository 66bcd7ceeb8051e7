#include "app/map_presenter.h"

#include "app/draw_surface.h"

MapPresenter::MapPresenter(TDrawSurface& surface, const TileSets& sets)
    : Surface(surface), View(sets) {}

bool MapPresenter::Redraw(const Map& map, const ViewInputs& inputs) {
  if (!Surface.IsReady()) return true;
  if (!View.RedrawView(Surface.Buffer(), map, inputs)) {
    LastFrame.Forget();
    return false;
  }
  Surface.Flip();
  LastFrame.Remember(map, inputs, Surface.BufferGeneration());
  return true;
}

bool MapPresenter::RedrawIfChanged(const Map& map, const ViewInputs& inputs) {
  if (Surface.IsReady() && LastFrame.Shows(map, inputs, Surface.BufferGeneration())) return true;
  return Redraw(map, inputs);
}

void MapPresenter::RefreshCells(const Map& map, const ViewInputs& inputs,
                                const std::vector<CellPosition>& cells) {
  if (cells.empty() || !Surface.IsReady()) return;
  for (const CellPosition& cell : cells)
    View.RefreshCell(Surface.Buffer(), map, inputs, cell.X, cell.Y);
  Surface.Flip();
  // The cells are drawn over whatever lay on them (a spring, a label, the
  // palette): the next tick draws the whole frame again.
  LastFrame.Forget();
}
