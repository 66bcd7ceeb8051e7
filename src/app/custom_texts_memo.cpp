#include "app/custom_texts_memo.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <utility>

#include "app/custom_texts.h"

namespace {

// The memo is entered when the focus moves to it within the window; the
// window getting back the activation returns the focus without an entry.
bool EntersMemo(const QEvent& event) {
  return event.type() == QEvent::FocusIn &&
         static_cast<const QFocusEvent&>(event).reason() != Qt::ActiveWindowFocusReason;
}

}  // namespace

CustomTextsMemo::CustomTextsMemo(QPlainTextEdit& memo, QLabel& label,
                                 std::function<void(std::vector<std::string>)> edited)
    : Memo(memo), Label(label) {
  connect(&Memo, &QPlainTextEdit::textChanged, this,
          [this, edited = std::move(edited)] { edited(CustomTextLines(Memo)); });
  // Entering the memo and releasing a key arrive at the memo, clicks at its
  // viewport.
  Memo.installEventFilter(this);
  Memo.viewport()->installEventFilter(this);
}

CustomTextsMemo::~CustomTextsMemo() {
  Memo.removeEventFilter(this);
  Memo.viewport()->removeEventFilter(this);
  disconnect(&Memo, nullptr, this, nullptr);
}

std::vector<std::string> CustomTextsMemo::Show(const QString& text) {
  const QSignalBlocker blocker(Memo);
  Memo.setPlainText(text);
  return CustomTextLines(Memo);
}

void CustomTextsMemo::UpdateCustomTextsId() {
  Label.setText(QStringLiteral("ID: %1").arg(EditedCustomTextId(Memo)));
}

// The memo's events pass on unchanged; the label follows them.
bool CustomTextsMemo::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == &Memo && (EntersMemo(*event) || event->type() == QEvent::KeyRelease)) ||
      (watched == Memo.viewport() && event->type() == QEvent::MouseButtonRelease)) {
    UpdateCustomTextsId();
  }
  return QObject::eventFilter(watched, event);
}
