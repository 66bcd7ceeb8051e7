// Camera movement and the keyboard of the main window.

#include <QKeyEvent>
#include <QListWidget>
#include <QTimer>
#include <utility>

#include "app/arrow_button.h"
#include "app/control_panel.h"
#include "app/main_form.h"

namespace {

ScrollDirection ArrowKeyDirection(int key) {
  switch (key) {
    case Qt::Key_Left:
      return ScrollDirection::Left;
    case Qt::Key_Up:
      return ScrollDirection::Up;
    case Qt::Key_Right:
      return ScrollDirection::Right;
    case Qt::Key_Down:
      return ScrollDirection::Down;
    default:
      return ScrollDirection::None;
  }
}

}  // namespace

void TMainForm::ConnectCamera() {
  connect(TimerSipky, &QTimer::timeout, this, [this] { TimerSipkyTimer(); });
  const std::pair<ArrowButton*, ScrollDirection> buttons[] = {
      {Panel1->BUp, ScrollDirection::Up},
      {Panel1->BDown, ScrollDirection::Down},
      {Panel1->BLeft, ScrollDirection::Left},
      {Panel1->BRight, ScrollDirection::Right}};
  for (const auto& [button, direction] : buttons) {
    button->OnMouseDown = [this, direction = direction] { StartScrolling(direction); };
    button->OnMouseUp = [this] { StopScrolling(); };
  }
  // BDownClick: activated from the keyboard, the movement runs until the
  // next release of an arrow button or key.
  connect(Panel1->BDown, &QPushButton::clicked, this,
          [this] { StartScrolling(ScrollDirection::Down); });
}

// A running timer is not armed again: a repeated start only turns the movement.
void TMainForm::StartScrolling(ScrollDirection direction) {
  Direction = direction;
  if (!TimerSipky->isActive()) TimerSipky->start();
}

void TMainForm::StopScrolling() {
  TimerSipky->stop();
  TimerSipky->setInterval(CameraArmedInterval);
}

void TMainForm::TimerSipkyTimer() {
  const int next = NextCameraInterval(TimerSipky->interval());
  if (next != TimerSipky->interval()) TimerSipky->setInterval(next);
  StepCamera(View, Direction);
  RedrawView();
}

// Digit keys 1..8 of the main keyboard choose a mode whatever the modifiers;
// the keypad's digits do nothing.
void TMainForm::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  if (key >= Qt::Key_1 && key <= Qt::Key_8 && !(modifiers & Qt::KeypadModifier)) {
    Panel1->LBMode->clearSelection();
    Panel1->LBMode->setCurrentRow(key - Qt::Key_1);
    LBModeClick();
    return;
  }
  const ScrollDirection direction = ArrowKeyDirection(key);
  if (direction != ScrollDirection::None) StartScrolling(direction);
}

void TMainForm::FormKeyUp(int key) {
  if (ArrowKeyDirection(key) != ScrollDirection::None) StopScrolling();
}

// Keys reach the window's handlers only while the window itself holds the
// focus; keys a focused control passes on go no further.
void TMainForm::keyPressEvent(QKeyEvent* event) {
  if (!hasFocus()) {
    event->ignore();
    return;
  }
  FormKeyDown(event->key(), event->modifiers());
}

// The auto-repeat of a held key sends releases in between; only the real
// release stops a movement.
void TMainForm::keyReleaseEvent(QKeyEvent* event) {
  if (!hasFocus() || event->isAutoRepeat()) {
    event->ignore();
    return;
  }
  FormKeyUp(event->key());
}
