#include "editing/spring_tool.h"

#include <cassert>
#include <cstdint>

#include "view/view_geometry.h"
#include "model/map.h"

namespace {

// The crossing of grid lines a corner lies on: the left edge of column X is
// vertical line X - 1, the bottom edge of row Y horizontal line Y - 1.
CellPosition Crossing(const SpringPoint& point) {
  switch (point.Corner) {
    case TopLeft:
      return {point.X - 1, point.Y};
    case TopRight:
      return {point.X, point.Y};
    case BottomRight:
      return {point.X, point.Y - 1};
    default:
      assert(point.Corner == BottomLeft);
      return {point.X - 1, point.Y - 1};
  }
}

// True while the last spring of the list is being drawn. A list emptied under
// the tool has no spring in progress.
bool Drawing(const Map& map, const SpringToolState& state) {
  return state.SpringInProgress && map.SpringCount > 0;
}

void DeleteSpringAt(MapEdit edit, const SpringPoint& place) {
  const Map& map = edit.Read();
  for (int i = 0; i < map.SpringCount; ++i) {
    const Spring& spring = map.Springs[i];
    for (int k = 0; k < spring.PointCount; ++k) {
      if (!SameSpringPoint(spring.Points[k], place)) continue;
      SpringList springs = edit.Springs();
      if (i < springs.Count - 1) springs.Slots[i] = springs.Slots[springs.Count - 1];
      --springs.Count;
      return;
    }
  }
}

}  // namespace

SpringPoint PointToSpringPoint(const ViewGeometry& geometry, int px, int py) {
  const int cellSize = geometry.CellSize;
  const CellPosition cell = PointToCell(geometry, px, py);
  const int up = geometry.ViewHeight - py;
  const int64_t a = px % cellSize;
  const int64_t c = up % cellSize;
  const int64_t h = cellSize / 2;

  SpringPoint point;
  point.X = cell.X;
  point.Y = cell.Y;
  if ((a - h) * (a - h) + (c - h) * (c - h) < int64_t{cellSize} * cellSize / 6)
    point.Corner = Center;
  else if (a < h && c < h)
    point.Corner = BottomLeft;
  else if (a >= h && c < h)
    point.Corner = BottomRight;
  else if (a >= h && c >= h)
    point.Corner = TopRight;
  else
    point.Corner = TopLeft;
  return point;
}

bool SameSpringPoint(const SpringPoint& a, const SpringPoint& b) {
  if (a.Corner == b.Corner) return a.X == b.X && a.Y == b.Y;
  if (a.Corner == Center || b.Corner == Center) return false;
  return Crossing(a) == Crossing(b);
}

EditResult SpringLeftPress(MapEdit edit, SpringToolState& state, const ViewGeometry& geometry,
                           int kind, int px, int py) {
  const Map& map = edit.Read();
  const SpringPoint point = PointToSpringPoint(geometry, px, py);
  if (Drawing(map, state)) {
    const Spring& last = map.Springs[map.SpringCount - 1];
    if (!SameSpringPoint(point, state.LastSpringPoint) && last.PointCount < MaxFileSpringPoints) {
      SpringList springs = edit.Springs();
      Spring& spring = springs.Slots[springs.Count - 1];
      spring.Points[spring.PointCount] = point;
      ++spring.PointCount;
      state.LastSpringPoint = point;
    }
  } else if (map.SpringCount < MaxFileListCount) {
    SpringList springs = edit.Springs();
    Spring& spring = springs.Slots[springs.Count];
    ++springs.Count;
    spring.Kind = kind;
    spring.PointCount = 1;
    spring.Points[0] = point;
    state.LastSpringPoint = point;
    state.SpringInProgress = true;
  }
  return EditResult::Redraw();
}

EditResult SpringRightPress(MapEdit edit, SpringToolState& state, const ViewGeometry& geometry,
                            int px, int py) {
  const Map& map = edit.Read();
  const bool finishing = Drawing(map, state);
  state.SpringInProgress = false;
  if (finishing) {
    if (map.Springs[map.SpringCount - 1].PointCount < 2) --edit.Springs().Count;
    state.FinishingPressHeld = true;
  } else if (!state.FinishingPressHeld) {
    DeleteSpringAt(edit, PointToSpringPoint(geometry, px, py));
  }
  return EditResult::Redraw();
}

void SpringRelease(SpringToolState& state) {
  state.FinishingPressHeld = false;
}
