#include "app/size_spin_box.h"

#include <QLineEdit>
#include <cstdlib>

SizeSpinBox::SizeSpinBox(QWidget* parent) : QSpinBox(parent) {}

void SizeSpinBox::SetPosition(int value) {
  if (value != this->value()) Change(value);
}

// A step of several (page keys) is that many single steps.
void SizeSpinBox::stepBy(int steps) {
  const int step = steps > 0 ? 1 : -1;
  for (int i = 0; i < std::abs(steps); ++i) Change(value() + step);
  lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled SizeSpinBox::stepEnabled() const {
  if (isReadOnly()) return StepNone;
  return StepUpEnabled | StepDownEnabled;
}

void SizeSpinBox::Change(int proposed) {
  if (OnChanging) OnChanging(proposed);
  if (proposed >= minimum() && proposed <= maximum()) setValue(proposed);
}
