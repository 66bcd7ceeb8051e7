#pragma once

#include <QPushButton>
#include <functional>

// A camera button of the panel. It reports a press and a release of any
// mouse button; the release is reported after the button's own click action
// has run, so that a click ends with the movement stopped.
class ArrowButton : public QPushButton {
 public:
  ArrowButton(const QString& caption, QWidget* parent);

  std::function<void()> OnMouseDown;
  std::function<void()> OnMouseUp;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};
