#pragma once

#include <functional>

#include "app/camera.h"

class QObject;
class QTimer;
struct ViewGeometry;

// The camera's movement while an arrow key or an arrow button is held: the
// first step at once, the next after a pause, then fast (TimerSipky), and
// the view drawn after each. Its timers belong to the window.
class CameraScroller {
 public:
  CameraScroller(QObject& window, ViewGeometry& view, std::function<void()> redraw);

  // A running movement is not armed again: a repeated start only turns it.
  void Start(ScrollDirection direction);
  void Stop();
  // One step of the movement (TimerSipkyTimer).
  void Step();

  // Arrow keys at the window. The auto-repeat of a held key sends releases
  // in between, on some X servers as release and press pairs not marked as
  // repeats: a release stops the movement only when no press of the same
  // key follows at once.
  void ArrowKeyPressed(int key);
  void ArrowKeyReleased(int key);
  // FormKeyUp: a key released for good.
  void KeyUp(int key);

 private:
  ViewGeometry& View;
  std::function<void()> Redraw;
  ScrollDirection Direction = ScrollDirection::None;
  QTimer* TimerSipky;
  QTimer* ArrowRelease;
  int ReleasedArrowKey = 0;
};
