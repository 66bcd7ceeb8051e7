#pragma once

#include <QString>
#include <QStringList>

#include "app/message_boxes.h"

// Records every box the window shows and answers questions as told.
class FakeMessageBoxes : public MessageBoxes {
 public:
  void ShowMessage(const QString& text) override { Messages.append(text); }
  bool Confirm(const QString& text) override {
    Questions.append(text);
    return ConfirmAnswer;
  }
  QString ChooseOpenFile(const QString& folder, const QString& filter) override {
    OpenDialogs.append(folder + QLatin1Char('|') + filter);
    return ChosenFile;
  }

  QStringList Messages;
  QStringList Questions;
  QStringList OpenDialogs;
  bool ConfirmAnswer = true;
  QString ChosenFile;
};
