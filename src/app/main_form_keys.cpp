// Camera movement and the keyboard of the main window.

#include <QKeyEvent>
#include <QListWidget>
#include <QTimer>
#include <utility>

#include "app/arrow_button.h"
#include "app/control_panel.h"
#include "app/main_form.h"
#include "editing/editor_session.h"

namespace {

// How long a released arrow key waits for the press of an auto-repeat.
constexpr int ArrowReleaseDelay = 20;

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

// The digit 0..9 of a key of the main keyboard's digit row, whatever the
// modifiers and the layout make of it (Shift+3 arrives as '#' on a US
// layout), or -1 for any other key. The key is told by its place where the
// platform reports it; events without one (sent by a program) by its key.
int DigitRowKey(const QKeyEvent& event) {
  if (event.modifiers() & Qt::KeypadModifier) return -1;
#if defined(Q_OS_WIN)
  const quint32 virtualKey = event.nativeVirtualKey();
  if (virtualKey >= '0' && virtualKey <= '9') return static_cast<int>(virtualKey - '0');
  if (virtualKey != 0) return -1;
#elif !defined(Q_OS_MACOS)
  // The key codes of X11, Wayland and libinput: the row 1..9, 0 is 10..19.
  constexpr quint32 FirstDigitCode = 10;
  constexpr quint32 ZeroCode = 19;
  const quint32 code = event.nativeScanCode();
  if (code >= FirstDigitCode && code <= ZeroCode)
    return code == ZeroCode ? 0 : static_cast<int>(code - FirstDigitCode + 1);
  if (code != 0) return -1;
#endif
  if (event.key() >= Qt::Key_0 && event.key() <= Qt::Key_9) return event.key() - Qt::Key_0;
  return -1;
}

}  // namespace

void TMainForm::ConnectCamera() {
  TimerSipky = new QTimer(this);
  TimerSipky->setObjectName(QStringLiteral("TimerSipky"));
  TimerSipky->setInterval(CameraArmedInterval);
  TimerSipky->setTimerType(Qt::PreciseTimer);
  ArrowRelease = new QTimer(this);
  ArrowRelease->setSingleShot(true);
  ArrowRelease->setInterval(ArrowReleaseDelay);
  ArrowRelease->setTimerType(Qt::PreciseTimer);
  connect(TimerSipky, &QTimer::timeout, this, [this] { TimerSipkyTimer(); });
  connect(ArrowRelease, &QTimer::timeout, this, [this] { FormKeyUp(ReleasedArrowKey); });
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
  StepCamera(Session.View, Direction);
  RedrawView();
}

// Digit keys 1..8 of the main keyboard choose a mode whatever the modifiers;
// the keypad's digits do nothing.
void TMainForm::FormKeyDown(const QKeyEvent& event) {
  const int digit = DigitRowKey(event);
  if (digit >= 1 && digit <= EditModeCount) {
    SetModeRow(digit - 1);
    LBModeClick();
    return;
  }
  const ScrollDirection direction = ArrowKeyDirection(event.key());
  if (direction == ScrollDirection::None) return;
  if (ArrowRelease->isActive()) {
    ArrowRelease->stop();
    // Only a press of the released key makes the release an auto-repeat.
    if (event.key() != ReleasedArrowKey) FormKeyUp(ReleasedArrowKey);
  }
  StartScrolling(direction);
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
  FormKeyDown(*event);
}

// The auto-repeat of a held key sends releases in between; only the real
// release stops a movement, and a release counts as real once no press of
// the same key has followed it at once.
void TMainForm::keyReleaseEvent(QKeyEvent* event) {
  if (!hasFocus() || event->isAutoRepeat()) {
    event->ignore();
    return;
  }
  if (ArrowKeyDirection(event->key()) == ScrollDirection::None) return;
  ReleasedArrowKey = event->key();
  ArrowRelease->start();
}
