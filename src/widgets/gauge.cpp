// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/gauge.h"

#include <QPainter>
#include <algorithm>

#include "widgets/accessible_widgets.h"

namespace kelpmark::widgets {

Gauge::Gauge(QWidget* parent) : QWidget(parent) {
  installAccessibleWidgets();
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void Gauge::setRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = std::max(minimum, maximum);
  value_ = std::clamp(value_, minimum_, maximum_);
  update();
}

void Gauge::setMinimum(int minimum) { setRange(minimum, std::max(minimum, maximum_)); }

void Gauge::setMaximum(int maximum) { setRange(std::min(minimum_, maximum), maximum); }

void Gauge::setValue(int value) {
  const int clamped = std::clamp(value, minimum_, maximum_);
  if (clamped == value_) return;
  value_ = clamped;
  update();
  notifyAccessibleValueChanged(this, value_);
}

void Gauge::setFillColor(const QColor& color) {
  fill_ = color;
  update();
}

void Gauge::setBackgroundColor(const QColor& color) {
  background_ = color;
  update();
}

QRect Gauge::troughRect() const { return rect().adjusted(1, 1, -1, -1); }

QRect Gauge::barRect() const {
  const QRect trough = troughRect();
  const long long span = static_cast<long long>(maximum_) - minimum_;
  if (span <= 0 || trough.width() <= 0) return {trough.topLeft(), QSize(0, trough.height())};
  // Rounded to the nearest pixel, so that a full gauge fills the trough exactly.
  const long long filled =
      ((static_cast<long long>(value_) - minimum_) * trough.width() * 2 + span) / (2 * span);
  return {trough.topLeft(), QSize(static_cast<int>(filled), trough.height())};
}

QSize Gauge::sizeHint() const { return {200, 17}; }

QSize Gauge::minimumSizeHint() const { return {20, 6}; }

void Gauge::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect r = rect();
  painter.fillRect(troughRect(), background_);
  const QRect bar = barRect();
  if (bar.width() > 0) painter.fillRect(bar, fill_);

  // Sunken bevel: dark on the top and left, light on the bottom and right.
  const QColor dark = background_.darker(220);
  const QColor light = background_.lighter(185);
  painter.setPen(dark);
  painter.drawLine(r.left(), r.top(), r.right() - 1, r.top());
  painter.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
  painter.setPen(light);
  painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
  painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
}

}  // namespace kelpmark::widgets
