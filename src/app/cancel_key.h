#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Esc is the window's cancel key, also while a control holds the focus,
// except for the Esc that closes an open list or menu: a popup takes its own
// Esc, as on the desktop the program came from.
class CancelKey : public QObject {
 public:
  CancelKey(QWidget& window, std::function<void()> cancel);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> Cancel;
  // Set while the Esc that an open popup took is being delivered; some
  // platforms hand it on to the window's shortcuts once the popup has closed.
  bool PopupTookEscape = false;
};
