// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fitting_combo_box.h"

#include <QFontMetrics>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace kelpmark::ui {

QRect FittingComboBox::textField() const {
  QStyleOptionComboBox option;
  initStyleOption(&option);
  return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
}

QFont FittingComboBox::drawFont(const QString& text) const {
  QFont f = font();
  const int room = textField().width();
  // In steps of 2%, down to half the width at most.
  for (int stretch = 98; stretch >= 50 && QFontMetrics(f).horizontalAdvance(text) > room; stretch -= 2)
    f.setStretch(stretch);
  return f;
}

void FittingComboBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  painter.setPen(palette().color(QPalette::Text));
  QStyleOptionComboBox option;
  initStyleOption(&option);
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  painter.setFont(drawFont(option.currentText));
  painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace kelpmark::ui
