#include "app/draw_surface.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>

#include "view/view_colours.h"

namespace {

QPoint PixelOf(const QMouseEvent* event) {
  return event->position().toPoint();
}

}  // namespace

TDrawSurface::TDrawSurface(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setMouseTracking(true);
}

bool TDrawSurface::IsReady() const {
  return !BackBuffer.isNull() && BackBuffer.width() > 0 && BackBuffer.height() > 0;
}

QImage& TDrawSurface::Buffer() {
  return BackBuffer;
}

void TDrawSurface::Flip() {
  repaint();
}

void TDrawSurface::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (IsReady()) {
    painter.drawImage(event->rect(), BackBuffer, event->rect());
  } else {
    painter.fillRect(event->rect(), ViewColours::Background);
  }
}

void TDrawSurface::resizeEvent(QResizeEvent* event) {
  const QSize size = event->size();
  ++Generation;
  if (size.isEmpty()) {
    BackBuffer = QImage();
  } else {
    BackBuffer = QImage(size, QImage::Format_ARGB32_Premultiplied);
    // Until the window draws into it, the buffer shows the view's empty area.
    BackBuffer.fill(ViewColours::Background);
  }
  QWidget::resizeEvent(event);
}

void TDrawSurface::mousePressEvent(QMouseEvent* event) {
  const QPoint pixel = PixelOf(event);
  if (OnMouseDown) OnMouseDown(event->button(), pixel.x(), pixel.y(), event->modifiers());
}

void TDrawSurface::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pixel = PixelOf(event);
  if (OnMouseMove) OnMouseMove(pixel.x(), pixel.y());
}

void TDrawSurface::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pixel = PixelOf(event);
  if (OnMouseUp) OnMouseUp(event->button(), pixel.x(), pixel.y());
}

void TDrawSurface::wheelEvent(QWheelEvent* event) {
  event->accept();
  const QPoint pixel = event->position().toPoint();
  if (OnWheel) OnWheel(pixel.x(), pixel.y(), event->angleDelta(), event->modifiers());
}
