#include "app/edit_platform.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/platform.h"

namespace {

constexpr char DialogCaption[] = "Platform properties";

QFont DialogFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  return font;
}

}  // namespace

TEditPlatform::TEditPlatform(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("EditPlatform"));
  setWindowTitle(QString::fromLatin1(DialogCaption));
  setModal(true);
  setFont(DialogFont());

  LBType = new QListWidget(this);
  LBType->setObjectName(QStringLiteral("LBType"));
  LBType->setSelectionMode(QAbstractItemView::SingleSelection);
  for (const char* text : SwitchTypeTexts) LBType->addItem(QString::fromLatin1(text));
  LBType->setCurrentRow(NoSwitch);
  LBType->setMinimumWidth(LBType->sizeHintForColumn(0) + 2 * LBType->frameWidth() + 8);
  LBType->setMinimumHeight(SwitchTypeCount * LBType->sizeHintForRow(0) + 2 * LBType->frameWidth() +
                           4);

  Label1 = new QLabel(QStringLiteral("Movement Speed"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  UpDown1 = new QSpinBox(this);
  UpDown1->setObjectName(QStringLiteral("UpDown1"));
  UpDown1->setRange(MinPlatformSpeed, MaxPlatformSpeed);
  UpDown1->setValue(DefaultPlatformSpeed);
  if (auto* edit = UpDown1->findChild<QLineEdit*>()) edit->setObjectName(QStringLiteral("ESpeed"));
  BOK = new QPushButton(QStringLiteral("OK"), this);
  BOK->setObjectName(QStringLiteral("BOK"));
  BOK->setDefault(true);
  connect(BOK, &QPushButton::clicked, this, &QDialog::accept);

  auto* speedRow = new QHBoxLayout;
  speedRow->addWidget(Label1);
  speedRow->addWidget(UpDown1);
  speedRow->addStretch();
  speedRow->addWidget(BOK);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LBType);
  layout->addLayout(speedRow);
}

void TEditPlatform::reject() {}

int TEditPlatform::ChosenSwitchType() const {
  return LBType->currentRow();
}

int TEditPlatform::ChosenSpeed() const {
  return UpDown1->value();
}
