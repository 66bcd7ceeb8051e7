#pragma once

#include "editing/edit_result.h"
#include "editing/map_edit.h"
#include "model/spring.h"
#include "view/view_geometry.h"

class Map;

// The state of the spring tool. While SpringInProgress, the last spring of
// the map's list is the one being drawn and LastSpringPoint its newest point.
struct SpringToolState {
  bool SpringInProgress = false;
  SpringPoint LastSpringPoint{};
  // Set by the right press that finished a spring: while that button stays
  // held, its repeats delete nothing, so the spring just made is not lost.
  bool FinishingPressHeld = false;
};

// The spring point under pixel (px, py) of the drawing surface: the cell as
// PointToCell gives it, and the place in that cell. A disc around the cell's
// middle (squared distance below CellSize^2 / 6) is the centre; elsewhere the
// quadrant names the nearest corner.
SpringPoint PointToSpringPoint(const ViewGeometry& geometry, int px, int py);

// True when a and b are the same place: the same corner of the same cell, or
// corners of neighbouring cells that meet at one crossing of grid lines.
bool SameSpringPoint(const SpringPoint& a, const SpringPoint& b);

// A left press at (px, py): starts a spring of the given kind, or adds a point
// to the spring in progress unless it is the place of its last point. A press
// that would start more springs or add more points than a level file holds
// is ignored.
EditResult SpringLeftPress(MapEdit edit, SpringToolState& state, const ViewGeometry& geometry,
                           int kind, int px, int py);

// A right press at (px, py): finishes the spring in progress (a spring of one
// point is dropped), or, when none is in progress, deletes the first spring
// with a point at that place; the last spring takes its slot. Nothing is
// deleted until the press that finished a spring is released.
EditResult SpringRightPress(MapEdit edit, SpringToolState& state, const ViewGeometry& geometry,
                            int px, int py);

// A release of any mouse button: right presses may delete again.
void SpringRelease(SpringToolState& state);
