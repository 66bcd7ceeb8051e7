#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>

// The drawing surface: a widget that owns its back buffer. A frame is drawn
// into Buffer() and shown at once by Flip(). Mouse presses, moves (also
// beyond the widget while a button is held), releases and wheel turns are
// passed on in surface pixels.
class TDrawSurface : public QWidget {
 public:
  explicit TDrawSurface(QWidget* parent = nullptr);

  // Ready when the widget has a non-empty size; the buffer then has that size.
  bool IsReady() const;
  QImage& Buffer();
  // Counts the buffers the surface has had: a new one (after a resize)
  // holds no frame yet.
  uint64_t BufferGeneration() const { return Generation; }
  // Shows the finished buffer now.
  void Flip();

  std::function<void(Qt::MouseButton, int x, int y, Qt::KeyboardModifiers)> OnMouseDown;
  std::function<void(int x, int y)> OnMouseMove;
  std::function<void(Qt::MouseButton, int x, int y)> OnMouseUp;
  // The wheel's angle (x sideways, y forwards) and the modifiers held.
  std::function<void(int x, int y, QPoint angle, Qt::KeyboardModifiers)> OnWheel;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  QImage BackBuffer;
  uint64_t Generation = 0;
};
