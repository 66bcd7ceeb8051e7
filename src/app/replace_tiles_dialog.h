#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;
class QSpinBox;

// "Replace tiles": a tile layer, the index to replace and the one to put in
// its place, and OK; Return is OK, Esc cancels.
class ReplaceTilesDialog : public QDialog {
 public:
  explicit ReplaceTilesDialog(QWidget* parent);

  // Starts at the layer (0..2) and the index the editor has chosen.
  void Prepare(int layer, int replace);
  int Layer() const;
  int Replace() const;
  int With() const;

  QComboBox* LayerBox = nullptr;
  QSpinBox* ReplaceBox = nullptr;
  QSpinBox* WithBox = nullptr;
  QPushButton* OkButton = nullptr;

 protected:
  // Each time it opens, the layer holds the focus.
  void showEvent(QShowEvent* event) override;
};
