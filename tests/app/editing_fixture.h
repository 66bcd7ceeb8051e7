#pragma once

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTimer>
#include <QWheelEvent>
#include <functional>

#include "app/control_panel.h"
#include "app/edit_platform.h"
#include "main_form_fixture.h"
#include "model/map.h"
#include "app/draw_surface.h"
#include "view/tile_set.h"

// The main window with helpers that address map cells on the drawing surface.
class EditingTest : public MainFormTest {
 protected:
  const ViewGeometry& View() const { return Session->View; }

  // Which way the camera timer moves the view: one tick from a camera away
  // from the bounds, after which the view and the timer are as they were.
  ScrollDirection Scrolling() {
    const ViewGeometry before = Session->View;
    const int interval = CameraTimer()->interval();
    Session->View.CameraX = Session->View.CameraY = 10;
    Form->TimerSipkyTimer();
    const int dx = Session->View.CameraX - 10;
    const int dy = Session->View.CameraY - 10;
    Session->View = before;
    CameraTimer()->setInterval(interval);
    Form->RedrawView();
    return dx > 0 ? ScrollDirection::Right : dx < 0 ? ScrollDirection::Left
           : dy > 0 ? ScrollDirection::Up : dy < 0 ? ScrollDirection::Down : ScrollDirection::None;
  }

  // A pixel in the middle of map cell (column, row).
  QPoint CellPixel(int column, int row) const {
    const PixelPosition middle = CellMiddle(View(), column, row);
    return QPoint(middle.X, middle.Y);
  }

  void Press(Qt::MouseButton button, QPoint pixel) {
    QTest::mousePress(Surface(), button, {}, pixel);
  }
  void Move(QPoint pixel) { QTest::mouseMove(Surface(), pixel); }
  void Release(Qt::MouseButton button, QPoint pixel) {
    QTest::mouseRelease(Surface(), button, {}, pixel);
  }
  void Click(Qt::MouseButton button, QPoint pixel) {
    QTest::mouseClick(Surface(), button, {}, pixel);
  }
  void ClickCell(Qt::MouseButton button, int column, int row) {
    Click(button, CellPixel(column, row));
  }

  // A digit or other key to whatever holds the focus.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : Form.get();
    QTest::keyClick(target, key, modifiers);
  }

  // Chooses a mode as a click on the mode list does.
  void ChooseMode(int mode) {
    QListWidget* modes = Panel().LBMode;
    QTest::mouseClick(modes->viewport(), Qt::LeftButton, {},
                      modes->visualItemRect(modes->item(mode)).center());
  }

  // A move with the left button held, which QTest::mouseMove does not send.
  static void DragTo(QWidget* widget, QPoint pixel) {
    QMouseEvent move(QEvent::MouseMove, pixel, widget->mapToGlobal(pixel), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
  }

  // One notch of the wheel over the widget, upwards for a positive delta.
  static void TurnWheel(QWidget* widget, int delta) {
    const QPointF at(3, 3);
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
  }

  // A press on the map that only takes the focus: far above the 20 x 20 map,
  // left of the palette.
  void FocusWindowByPress() { Click(Qt::LeftButton, QPoint(4, 4)); }

  // Runs act on the platform dialog once it is open modally; a dialog that
  // act leaves open is closed after a few seconds so that no test hangs.
  void WhenDialogShown(const std::function<void(TEditPlatform&)>& act) {
    TEditPlatform* dialog = EditPlatform();
    auto* poll = new QTimer(Form.get());
    auto polls = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, Form.get(), [poll, dialog, act, polls] {
      if (dialog->isVisible() && QApplication::activeModalWidget() == dialog) {
        poll->stop();
        poll->deleteLater();
        act(*dialog);
        if (dialog->isVisible())
          QTimer::singleShot(3000, dialog, [dialog] { dialog->done(QDialog::Rejected); });
      } else if (++*polls > 600) {
        poll->stop();
        poll->deleteLater();
      }
    });
    poll->start(5);
  }
};
