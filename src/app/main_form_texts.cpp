// The custom texts panel: the memo whose lines are the map's custom texts,
// and the label with the identifier of the line being edited.

#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "app/control_panel.h"
#include "app/custom_texts.h"
#include "app/main_form.h"
#include "editing/editor_session.h"

void TMainForm::ConnectCustomTexts() {
  QPlainTextEdit* memo = Panel1->MCustomTexts;
  connect(memo, &QPlainTextEdit::textChanged, this, [this] { MCustomTextsChange(); });
  // Entering the memo and releasing a key arrive at the memo, clicks at its
  // viewport.
  memo->installEventFilter(this);
  memo->viewport()->installEventFilter(this);
}

// An edit of the texts is an edit of the map.
void TMainForm::MCustomTextsChange() {
  Session.Document.SetCustomTexts(CustomTextLines(*Panel1->MCustomTexts));
  Session.Document.MarkChanged();
}

void TMainForm::UpdateCustomTextsId() {
  Panel1->LCustomTextsLinerNumber->setText(
      QStringLiteral("ID: %1").arg(EditedCustomTextId(*Panel1->MCustomTexts)));
}

void TMainForm::SetCustomTextsMemo(const std::vector<std::string>& lines) {
  SetCustomTextsMemoText(CustomTextsMemoText(lines));
}

void TMainForm::SetCustomTextsMemoText(const QString& text) {
  QPlainTextEdit* memo = Panel1->MCustomTexts;
  {
    const QSignalBlocker blocker(memo);
    memo->setPlainText(text);
  }
  Session.Document.SetCustomTexts(CustomTextLines(*memo));
}

namespace {

// The memo is entered when the focus moves to it within the window; the
// window getting back the activation returns the focus without an entry.
bool EntersMemo(const QEvent& event) {
  return event.type() == QEvent::FocusIn &&
         static_cast<const QFocusEvent&>(event).reason() != Qt::ActiveWindowFocusReason;
}

}  // namespace

// The memo's events pass on unchanged; the label follows them.
bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  QPlainTextEdit* memo = Panel1->MCustomTexts;
  if ((watched == memo && (EntersMemo(*event) || event->type() == QEvent::KeyRelease)) ||
      (watched == memo->viewport() && event->type() == QEvent::MouseButtonRelease)) {
    UpdateCustomTextsId();
  }
  return QWidget::eventFilter(watched, event);
}
