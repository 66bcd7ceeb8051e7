#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

// The platform properties dialog: the switch type and the movement speed of
// the platform being placed. It is created once and keeps its values from
// one platform to the next.
class TEditPlatform : public QDialog {
 public:
  explicit TEditPlatform(QWidget* parent = nullptr);

  // The dialog closes only through OK: Esc and a close request of the
  // window system leave it open, so a platform never waits for a dialog
  // that is gone.
  void reject() override;

  // The selected row of the list, a SwitchType value.
  int ChosenSwitchType() const;
  int ChosenSpeed() const;

  QListWidget* LBType = nullptr;
  QLabel* Label1 = nullptr;
  QSpinBox* UpDown1 = nullptr;  // with its edit ESpeed
  QPushButton* BOK = nullptr;
};
