#include "app/window_keys.h"

#include <QKeyEvent>

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
