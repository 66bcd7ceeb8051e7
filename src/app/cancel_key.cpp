#include "app/cancel_key.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QTimer>
#include <QWidget>
#include <utility>

CancelKey::CancelKey(QWidget& window, std::function<void()> cancel)
    : QObject(&window), Cancel(std::move(cancel)) {
  auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
  connect(shortcut, &QShortcut::activated, this, [this] {
    if (!PopupTookEscape && !QApplication::activePopupWidget()) Cancel();
  });
  qApp->installEventFilter(this);
}

bool CancelKey::eventFilter(QObject* watched, QEvent* event) {
  const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
  if (key && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !PopupTookEscape &&
      QApplication::activePopupWidget()) {
    PopupTookEscape = true;
    QTimer::singleShot(0, this, [this] { PopupTookEscape = false; });
  }
  return QObject::eventFilter(watched, event);
}
