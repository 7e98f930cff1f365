// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The purchase quantity: a spin edit whose value only the game sets. Typed keys are
// swallowed; the spin buttons and the arrow keys ask the game for a step.
#include <QAbstractSpinBox>

namespace kelpmark::ui {

class QuantitySpinBox : public QAbstractSpinBox {
  Q_OBJECT
 public:
  explicit QuantitySpinBox(QWidget* parent = nullptr);
  void setState(int value, int minimum, int maximum);
  int value() const { return value_; }
  void stepBy(int steps) override;

 signals:
  // +1 for a click on the up button, -1 for the down button (once per step).
  void stepRequested(int direction);

 protected:
  StepEnabled stepEnabled() const override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int value_ = 0, minimum_ = 0, maximum_ = 10000;
};

}  // namespace kelpmark::ui
