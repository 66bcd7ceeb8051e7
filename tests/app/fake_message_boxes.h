#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "app/message_boxes.h"

// Records every box the window shows and answers questions as told: with
// the queued answers first, then with ConfirmAnswer.
class FakeMessageBoxes : public MessageBoxes {
 public:
  void ShowMessage(const QString& text) override {
    Messages.append(text);
    Log.append(QStringLiteral("message: ") + text);
  }
  bool Confirm(const QString& text) override {
    Questions.append(text);
    Log.append(QStringLiteral("question: ") + text);
    return Answers.isEmpty() ? ConfirmAnswer : Answers.takeFirst();
  }
  QString ChooseOpenFile(const QString& folder, const QString& filter) override {
    OpenDialogs.append(folder + QLatin1Char('|') + filter);
    Log.append(QStringLiteral("open dialog: ") + folder);
    return ChosenFile;
  }

  QString ChooseSaveFile(const QString& start) override {
    SaveDialogs.append(start);
    Log.append(QStringLiteral("save dialog: ") + start);
    return ChosenSaveFile;
  }

  QStringList Messages;
  QStringList Questions;
  QStringList OpenDialogs;
  QStringList SaveDialogs;
  // Messages, questions and dialogs in the order they were shown.
  QStringList Log;
  bool ConfirmAnswer = true;
  QList<bool> Answers;
  QString ChosenFile;
  QString ChosenSaveFile;
};
