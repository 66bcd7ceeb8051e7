#include "view/pixel_drawing.h"

#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "view/sprite.h"

namespace {

// The minor coordinate of step i of a line with `steps` steps along its major
// axis: the start plus i * delta / steps, rounded half up.
int MinorAt(int start, int delta, int steps, int i) {
  const int64_t numerator = 2 * int64_t{i} * std::abs(delta) + steps;
  const int offset = static_cast<int>(numerator / (2 * int64_t{steps}));
  return delta < 0 ? start - offset : start + offset;
}

// The steps 0..steps-1 whose major coordinate start + i * direction lies in 0..size-1.
void ClipSteps(int start, int direction, int steps, int size, int& first, int& last) {
  if (direction > 0) {
    first = std::max(0, -start);
    last = std::min(steps - 1, size - 1 - start);
  } else {
    first = std::max(0, start - (size - 1));
    last = std::min(steps - 1, start);
  }
}

// Where opaque boxes can be filled by hand: the painter's pixels, unless the
// colour is partly transparent or the painter must do the drawing itself.
PixelTarget BoxTarget(QPainter& painter, QColor colour) {
  return colour.alpha() == 255 ? PixelTarget::Of(painter) : PixelTarget();
}

void Fill(QPainter& painter, const PixelTarget& target, int x1, int y1, int x2, int y2,
          QColor colour) {
  if (x2 <= x1 || y2 <= y1) return;
  if (target.IsNull()) {
    painter.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), colour);
  } else {
    FillPixels(target, x1, y1, x2, y2, colour.rgba());
  }
}

}  // namespace

void FillBox(QPainter& painter, int x1, int y1, int x2, int y2, QColor colour) {
  if (x2 <= x1 || y2 <= y1) return;
  Fill(painter, BoxTarget(painter, colour), x1, y1, x2, y2, colour);
}

void OutlineBox(QPainter& painter, int x1, int y1, int x2, int y2, QColor colour) {
  if (x2 <= x1 || y2 <= y1) return;
  FillBox(painter, x1, y1, x2, y1 + 1, colour);
  FillBox(painter, x1, y2 - 1, x2, y2, colour);
  FillBox(painter, x1, y1, x1 + 1, y2, colour);
  FillBox(painter, x2 - 1, y1, x2, y2, colour);
}

void DrawLine(QPainter& painter, QPoint from, QPoint to, QColor colour, int width, int height) {
  const int dx = to.x() - from.x();
  const int dy = to.y() - from.y();
  const bool alongX = std::abs(dx) >= std::abs(dy);
  const int steps = alongX ? std::abs(dx) : std::abs(dy);
  if (steps == 0) return;
  const int majorStart = alongX ? from.x() : from.y();
  const int minorStart = alongX ? from.y() : from.x();
  const int majorDirection = (alongX ? dx : dy) > 0 ? 1 : -1;
  const int minorDelta = alongX ? dy : dx;
  const PixelTarget target = BoxTarget(painter, colour);
  int first = 0;
  int last = 0;
  ClipSteps(majorStart, majorDirection, steps, alongX ? width : height, first, last);

  // Pixels of equal minor coordinate form one run along the major axis.
  int runStart = first;
  for (int i = first; i <= last; ++i) {
    const int minor = MinorAt(minorStart, minorDelta, steps, i);
    if (i < last && MinorAt(minorStart, minorDelta, steps, i + 1) == minor) continue;
    const int a = majorStart + runStart * majorDirection;
    const int b = majorStart + i * majorDirection;
    const int low = std::min(a, b);
    const int length = std::abs(b - a) + 1;
    if (alongX) {
      Fill(painter, target, low, minor, low + length, minor + 1, colour);
    } else {
      Fill(painter, target, minor, low, minor + 1, low + length, colour);
    }
    runStart = i + 1;
  }
}
