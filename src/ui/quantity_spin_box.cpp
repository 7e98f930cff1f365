// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/quantity_spin_box.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace kelpmark::ui {

QuantitySpinBox::QuantitySpinBox(QWidget* parent) : QAbstractSpinBox(parent) {
  setButtonSymbols(QAbstractSpinBox::UpDownArrows);
  setAccelerated(false);
  lineEdit()->setReadOnly(true);
  lineEdit()->setText(QStringLiteral("0"));
  setContextMenuPolicy(Qt::NoContextMenu);
}

void QuantitySpinBox::setState(int value, int minimum, int maximum) {
  value_ = value;
  minimum_ = minimum;
  maximum_ = maximum;
  const QString text = QString::number(value);
  if (lineEdit()->text() != text) lineEdit()->setText(text);
  update();
}

void QuantitySpinBox::stepBy(int steps) {
  const int direction = steps > 0 ? 1 : -1;
  for (int i = 0; i < (steps > 0 ? steps : -steps); ++i) emit stepRequested(direction);
}

QAbstractSpinBox::StepEnabled QuantitySpinBox::stepEnabled() const {
  if (!isEnabled()) return StepNone;
  return StepUpEnabled | StepDownEnabled;
}

void QuantitySpinBox::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      QAbstractSpinBox::keyPressEvent(event);
      return;
    default:
      // The quantity cannot be typed, only stepped.
      event->accept();
  }
}

}  // namespace kelpmark::ui
