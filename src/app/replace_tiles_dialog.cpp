#include "app/replace_tiles_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

#include "model/editor_state.h"

namespace {

QSpinBox* IndexBox(QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setRange(0, 255);
  return box;
}

}  // namespace

ReplaceTilesDialog::ReplaceTilesDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Replace tiles"));
  setObjectName(QStringLiteral("ReplaceTiles"));
  LayerBox = new QComboBox(this);
  for (const int mode : {ModeBackground, ModeMidground, ModeForeground})
    LayerBox->addItem(QString::fromLatin1(EditModeNames[mode]));
  ReplaceBox = IndexBox(this);
  WithBox = IndexBox(this);
  OkButton = new QPushButton(QStringLiteral("OK"), this);
  OkButton->setDefault(true);
  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QFormLayout(this);
  layout->addRow(QStringLiteral("Layer"), LayerBox);
  layout->addRow(QStringLiteral("Replace"), ReplaceBox);
  layout->addRow(QStringLiteral("With"), WithBox);
  layout->addRow(OkButton);
  setTabOrder(LayerBox, ReplaceBox);
  setTabOrder(ReplaceBox, WithBox);
  setTabOrder(WithBox, OkButton);
}

void ReplaceTilesDialog::Prepare(int layer, int replace) {
  LayerBox->setCurrentIndex(layer);
  ReplaceBox->setValue(replace);
  WithBox->setValue(replace);
}

void ReplaceTilesDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  LayerBox->setFocus();
}

int ReplaceTilesDialog::Layer() const {
  return LayerBox->currentIndex();
}

int ReplaceTilesDialog::Replace() const {
  return ReplaceBox->value();
}

int ReplaceTilesDialog::With() const {
  return WithBox->value();
}
