#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;

// The custom texts memo and its label. The label shows the identifier of the
// line holding the caret whenever the memo is entered, clicked or a key is
// released in it (MCustomTextsEnter, MCustomTextsClick, MCustomTextsKeyUp);
// every edit the user makes is handed on as the lines the memo then holds
// (MCustomTextsChange).
class CustomTextsMemo : public QObject {
 public:
  CustomTextsMemo(QPlainTextEdit& memo, QLabel& label,
                  std::function<void(std::vector<std::string>)> edited);
  // Nothing the memo sends while it is destroyed reaches the handler.
  ~CustomTextsMemo() override;

  // Puts the text into the memo without counting as an edit, and returns
  // the lines it then holds.
  std::vector<std::string> Show(const QString& text);
  void UpdateCustomTextsId();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPlainTextEdit& Memo;
  QLabel& Label;
};
