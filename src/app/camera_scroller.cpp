#include "app/camera_scroller.h"

#include <QTimer>
#include <utility>

#include "app/window_keys.h"

namespace {

// How long a released arrow key waits for the press of an auto-repeat.
constexpr int ArrowReleaseDelay = 20;

}  // namespace

CameraScroller::CameraScroller(QObject& window, ViewGeometry& view, std::function<void()> redraw)
    : View(view),
      Redraw(std::move(redraw)),
      TimerSipky(new QTimer(&window)),
      ArrowRelease(new QTimer(&window)) {
  TimerSipky->setObjectName(QStringLiteral("TimerSipky"));
  TimerSipky->setInterval(CameraArmedInterval);
  TimerSipky->setTimerType(Qt::PreciseTimer);
  ArrowRelease->setSingleShot(true);
  ArrowRelease->setInterval(ArrowReleaseDelay);
  ArrowRelease->setTimerType(Qt::PreciseTimer);
  QObject::connect(TimerSipky, &QTimer::timeout, [this] { Step(); });
  QObject::connect(ArrowRelease, &QTimer::timeout, [this] { KeyUp(ReleasedArrowKey); });
}

void CameraScroller::Start(ScrollDirection direction) {
  Direction = direction;
  if (!TimerSipky->isActive()) TimerSipky->start();
}

void CameraScroller::Stop() {
  TimerSipky->stop();
  TimerSipky->setInterval(CameraArmedInterval);
}

void CameraScroller::Step() {
  const int next = NextCameraInterval(TimerSipky->interval());
  if (next != TimerSipky->interval()) TimerSipky->setInterval(next);
  StepCamera(View, Direction);
  Redraw();
}

void CameraScroller::ArrowKeyPressed(int key) {
  const ScrollDirection direction = ArrowKeyDirection(key);
  if (direction == ScrollDirection::None) return;
  if (ArrowRelease->isActive()) {
    ArrowRelease->stop();
    // Only a press of the released key makes the release an auto-repeat.
    if (key != ReleasedArrowKey) KeyUp(ReleasedArrowKey);
  }
  Start(direction);
}

void CameraScroller::ArrowKeyReleased(int key) {
  if (ArrowKeyDirection(key) == ScrollDirection::None) return;
  ReleasedArrowKey = key;
  ArrowRelease->start();
}

void CameraScroller::KeyUp(int key) {
  if (ArrowKeyDirection(key) != ScrollDirection::None) Stop();
}
