#pragma once

#include "view/view_geometry.h"

// The wheel over the drawing surface: Ctrl + wheel zooms at the pointer, the
// wheel alone scrolls rows, Shift + wheel scrolls columns.

// One notch of a common wheel, in the units of a wheel event's angle.
constexpr int WheelNotch = 120;
// Cells scrolled per notch.
constexpr int WheelScrollCells = 3;

// Adds up a wheel's angle into whole notches, so that high-resolution wheels
// and touchpads, which report parts of a notch, scroll and zoom as far as a
// common wheel turned by the same angle. Turning back drops the part of a
// notch gathered in the other direction.
class WheelNotches {
 public:
  // The whole notches that this delta completes, with its sign.
  int Add(int delta);

 private:
  int Remainder = 0;
};

// What a turn of the wheel over the surface asks for: a zoom (the one in
// force when it asks for none) or a camera move, in cells.
struct WheelTurn {
  int Zoom = 0;
  int Columns = 0;
  int Rows = 0;  // up is positive
};

// The wheel over the surface, with what it has gathered of partial notches:
// with zoomWheel (Ctrl held) it zooms between minZoom and maxZoom; otherwise
// it scrolls rows, and columns when turned sideways or with sideways (Shift)
// held. Turned away from the user it shows higher rows or the columns to the
// left. The angle is a wheel event's: x sideways, y forwards.
class SurfaceWheel {
 public:
  WheelTurn Turn(int angleX, int angleY, bool zoomWheel, bool sideways, int zoom, int minZoom,
                 int maxZoom);

 private:
  WheelNotches ZoomNotches;
  WheelNotches RowNotches;
  WheelNotches ColumnNotches;
};

// The zoom after the given notches (positive zooms in): about 20 % per
// notch, rounded and at least 1, within minZoom..maxZoom.
int WheelZoom(int zoom, int notches, int minZoom, int maxZoom);

// Moves the camera so that the map cell under pixel (x, y) of the surface stays
// under it at newCellSize, then keeps it within the camera bounds.
void KeepCellUnderPointer(ViewGeometry& geometry, int newCellSize, int x, int y);

// Moves the camera by columns and rows (up is positive), within the bounds
// that the arrow keys respect: never below 0, and never further right or up
// once the last fully visible column or row has reached 255. A camera that a
// zoom has left beyond that bound does not move further out.
void ScrollCamera(ViewGeometry& geometry, int columns, int rows);

// The camera that makes cell (x, y) the middle cell of the view (column
// CameraX + view columns div 2 + 1, the row likewise), kept within the
// bounds the arrow keys keep.
void CentreOnCell(ViewGeometry& geometry, int x, int y);
