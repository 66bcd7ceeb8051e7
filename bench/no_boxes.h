#pragma once

#include <QString>

#include "app/message_boxes.h"

// No box may appear while a benchmark runs the window; one that does is
// remembered, and fails the case.
class NoBoxes : public MessageBoxes {
 public:
  void ShowMessage(const QString& text) override { Shown = text; }
  bool Confirm(const QString& text) override {
    Shown = text;
    return false;
  }
  QString ChooseOpenFile(const QString&, const QString&) override { return {}; }
  QString ChooseSaveFile(const QString&) override { return {}; }

  QString Shown;
};
