#include "app/arrow_button.h"

#include <QMouseEvent>

ArrowButton::ArrowButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void ArrowButton::mousePressEvent(QMouseEvent* event) {
  if (OnMouseDown) OnMouseDown();
  QPushButton::mousePressEvent(event);
  // Presses of the other buttons stop here rather than reaching the panel.
  event->accept();
}

void ArrowButton::mouseReleaseEvent(QMouseEvent* event) {
  QPushButton::mouseReleaseEvent(event);
  event->accept();
  if (OnMouseUp) OnMouseUp();
}
