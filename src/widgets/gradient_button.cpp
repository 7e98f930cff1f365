// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/gradient_button.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QKeyEvent>
#include <QPainter>
#include <QPen>
#include <array>

namespace kelpmark::widgets {
namespace {

// Four colours along the height: top, 20 %, 45 % and bottom. The fast rise
// keeps the middle, where the caption sits, light.
struct Tones {
  std::array<QColor, 4> stops;
  QColor edge;
  QColor caption;
  QColor engraving;  // light copy of the caption at +1,+1; invalid for none
};

Tones enabledTones() {
  return {{QColor(0, 0, 0), QColor(0, 140, 0), QColor(0, 212, 0), QColor(0, 255, 0)},
          QColor(0, 48, 0),
          QColor(0, 0, 128),
          QColor()};
}

Tones oliveTones() {
  return {{QColor(24, 24, 0), QColor(104, 104, 16), QColor(150, 150, 48), QColor(178, 178, 84)},
          QColor(48, 48, 0),
          QColor(46, 46, 10),
          QColor(204, 204, 140)};
}

Tones redTones() {
  return {{QColor(32, 0, 0), QColor(136, 16, 16), QColor(188, 56, 56), QColor(222, 100, 100)},
          QColor(64, 0, 0),
          QColor(70, 0, 0),
          QColor(244, 168, 168)};
}

QColor lighten(const QColor& c, int amount) {
  return {c.red() + (255 - c.red()) * amount / 100, c.green() + (255 - c.green()) * amount / 100,
          c.blue() + (255 - c.blue()) * amount / 100};
}

}  // namespace

GradientButton::GradientButton(QWidget* parent) : QAbstractButton(parent) {
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(12);
  setFont(f);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover);
}

GradientButton::GradientButton(const QString& text, QWidget* parent) : GradientButton(parent) {
  setText(text);
}

void GradientButton::setDisabledStyle(DisabledStyle style) {
  if (style == disabledStyle_) return;
  disabledStyle_ = style;
  if (!isEnabled()) update();
}

QSize GradientButton::sizeHint() const {
  const QFontMetrics fm(font());
  return {std::max(75, fm.horizontalAdvance(text()) + 16), kDesignHeight};
}

QSize GradientButton::minimumSizeHint() const {
  const QFontMetrics fm(font());
  return {fm.horizontalAdvance(text()) + 8, kDesignHeight};
}

void GradientButton::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    click();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

void GradientButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect r = rect();
  const bool enabled = isEnabled();
  const bool down = enabled && (isDown() || isChecked());
  const bool hover = enabled && !down && underMouse();

  Tones tones = enabledTones();
  if (!enabled) tones = disabledStyle_ == DisabledStyle::Olive ? oliveTones() : redTones();
  if (hover) {
    for (QColor& c : tones.stops) c = lighten(c, 18);
  }

  // Body: the gradient inside a one-pixel edge; pressed, upside down.
  const QRect body = r.adjusted(1, 1, -1, -1);
  QLinearGradient gradient(0, body.top(), 0, body.bottom() + 1);
  const std::array<qreal, 4> at{0.0, 0.2, 0.45, 1.0};
  for (std::size_t i = 0; i < at.size(); ++i) gradient.setColorAt(down ? 1.0 - at[i] : at[i], tones.stops[i]);
  painter.fillRect(body, gradient);

  painter.setPen(tones.edge);
  painter.drawRect(r.adjusted(0, 0, -1, -1));

  painter.setFont(font());
  QRect textArea = r;
  if (down) textArea.translate(1, 1);
  if (tones.engraving.isValid()) {
    painter.setPen(tones.engraving);
    painter.drawText(textArea.translated(1, 1), Qt::AlignCenter, text());
  }
  painter.setPen(tones.caption);
  painter.drawText(textArea, Qt::AlignCenter, text());

  if (hasFocus() && enabled) {
    QPen pen(QColor(0, 0, 128));
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(3, 3, -4, -4));
  }
}

}  // namespace kelpmark::widgets
