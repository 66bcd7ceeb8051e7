// Camera movement and the keyboard of the main window.

#include <QKeyEvent>
#include <QPushButton>
#include <utility>

#include "app/arrow_button.h"
#include "app/camera_scroller.h"
#include "app/control_panel.h"
#include "app/main_form.h"
#include "app/window_keys.h"
#include "editing/editor_session.h"

void TMainForm::ConnectCamera() {
  Scroller = std::make_unique<CameraScroller>(*this, Session.View, [this] { RedrawView(); });
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

void TMainForm::StartScrolling(ScrollDirection direction) {
  Scroller->Start(direction);
}

void TMainForm::StopScrolling() {
  Scroller->Stop();
}

void TMainForm::TimerSipkyTimer() {
  Scroller->Step();
}

// Digit keys 1..8 of the main keyboard choose a mode whatever the modifiers;
// the keypad's digits do nothing. Arrow keys move the camera while held.
void TMainForm::FormKeyDown(const QKeyEvent& event) {
  const int digit = DigitRowKey(event);
  if (digit >= 1 && digit <= EditModeCount) {
    Panel1->ShowMode(digit - 1);
    LBModeClick();
    return;
  }
  Scroller->ArrowKeyPressed(event.key());
}

void TMainForm::FormKeyUp(int key) {
  Scroller->KeyUp(key);
}

// Keys reach the window's handlers only while the window itself holds the
// focus; keys a focused control passes on go no further.
void TMainForm::keyPressEvent(QKeyEvent* event) {
  if (!hasFocus()) {
    event->ignore();
    return;
  }
  FormKeyDown(*event);
}

// A release reaches FormKeyUp once no press of the same key follows it at
// once (auto-repeat).
void TMainForm::keyReleaseEvent(QKeyEvent* event) {
  if (!hasFocus() || event->isAutoRepeat()) {
    event->ignore();
    return;
  }
  Scroller->ArrowKeyReleased(event->key());
}
