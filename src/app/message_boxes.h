#pragma once

#include <QString>

class QWidget;

// Every message box, question and file dialog of the main window goes
// through this interface, so that tests can answer them.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;

  // A plain box captioned with the application title, with an OK button.
  virtual void ShowMessage(const QString& text) = 0;
  // A question captioned "Confirm" with OK and Cancel; true for OK.
  virtual bool Confirm(const QString& text) = 0;
  // The file-open dialog starting in folder; an empty string when cancelled.
  // The file need not exist.
  virtual QString ChooseOpenFile(const QString& folder, const QString& filter) = 0;
  // The save dialog starting at the path (a folder, or a file in one); the
  // chosen path, with ".lvl" added to a name without a suffix, or an empty
  // string when cancelled. It asks nothing about replacing a file.
  virtual QString ChooseSaveFile(const QString& start) = 0;
};

// The real boxes: QMessageBox and QFileDialog, modal, over the active window.
class QtMessageBoxes : public MessageBoxes {
 public:
  void ShowMessage(const QString& text) override;
  bool Confirm(const QString& text) override;
  QString ChooseOpenFile(const QString& folder, const QString& filter) override;
  QString ChooseSaveFile(const QString& start) override;
};

// The program's texts separate lines with a lone carriage return; a box
// shows them as line breaks.
QString BoxText(const QString& text);
