// The wheel over the drawing surface: zoom at the pointer and scrolling.

#include <QSpinBox>

#include "app/control_panel.h"
#include "app/main_form.h"
#include "view/draw_surface.h"
#include "view/tile_set.h"

void TMainForm::DXDrawMouseWheel(int x, int y, QPoint angle, Qt::KeyboardModifiers modifiers) {
  if (modifiers & Qt::ControlModifier) {
    const int notches = ZoomWheel.Add(angle.y() != 0 ? angle.y() : angle.x());
    QSpinBox* zoom = Panel1->UDZoom;
    const int next = WheelZoom(zoom->value(), notches, zoom->minimum(), zoom->maximum());
    if (next == zoom->value()) return;
    // The camera moves first, so that the zoom's own redraw shows the result.
    KeepCellUnderPointer(View, CellSizeFor(next, Tiles->BaseTileSize), x, y);
    zoom->setValue(next);
    return;
  }
  // Shift turns the wheel sideways; a sideways wheel or touchpad scrolls
  // columns, turned away from the user it shows the columns to the left.
  int forwards = angle.y();
  int sideways = angle.x();
  if (modifiers & Qt::ShiftModifier) {
    sideways = forwards != 0 ? forwards : sideways;
    forwards = 0;
  }
  const int rows = RowWheel.Add(forwards);
  const int columns = ColumnWheel.Add(sideways);
  if (rows == 0 && columns == 0) return;
  ScrollCamera(View, -columns * WheelScrollCells, rows * WheelScrollCells);
  RedrawView();
}
