#pragma once

#include <QSpinBox>
#include <functional>

// The up-down of a map size with its edit. Every arrow step (a click on an
// arrow, each repetition while one is held, the up and down keys) and every
// change the program makes through SetPosition first calls OnChanging with
// the proposed value, also when that value lies outside the range (an arrow
// step at a limit); the position then becomes the value. A value typed into
// the edit becomes the position without OnChanging.
class SizeSpinBox : public QSpinBox {
 public:
  explicit SizeSpinBox(QWidget* parent = nullptr);

  std::function<void(int proposed)> OnChanging;

  // A program change: nothing happens when the position already is value.
  void SetPosition(int value);

  void stepBy(int steps) override;
  // Both arrows stay enabled at the limits: a step there still reaches OnChanging.
  StepEnabled stepEnabled() const override;

 private:
  void Change(int proposed);
};
