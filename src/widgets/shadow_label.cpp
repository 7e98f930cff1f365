// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/shadow_label.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "widgets/accessible_widgets.h"

namespace kelpmark::widgets {

ShadowLabel::ShadowLabel(QWidget* parent) : QWidget(parent) {
  installAccessibleWidgets();
  setAutoFillBackground(false);  // drawn straight onto whatever lies behind
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(12);
  setFont(f);
}

void ShadowLabel::setText(const QString& text) {
  if (text == display_) return;
  display_ = text;
  fit();
  updateGeometry();
  update();
  notifyAccessibleValueChanged(this, display_);
}

void ShadowLabel::setShrinkToFit(bool on) {
  if (on == shrinkToFit_) return;
  shrinkToFit_ = on;
  fit();
  update();
}

void ShadowLabel::fit() {
  fitStretch_ = 100;
  if (!shrinkToFit_ || wordWrap_ || display_.isEmpty()) return;
  // One pixel of the width belongs to the shadow.
  const int room = width() - 1;
  QFont f = naturalFont();
  while (fitStretch_ > 50 && QFontMetrics(f).horizontalAdvance(display_) > room) {
    fitStretch_ -= 2;
    f.setStretch(fitStretch_);
  }
}

void ShadowLabel::resizeEvent(QResizeEvent* event) {
  fit();
  QWidget::resizeEvent(event);
}

void ShadowLabel::setTextColor(const QColor& color) {
  if (color == textColor_) return;
  textColor_ = color;
  update();
}

void ShadowLabel::setAlignment(Qt::Alignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  update();
}

void ShadowLabel::setWordWrap(bool on) {
  if (on == wordWrap_) return;
  wordWrap_ = on;
  updateGeometry();
  update();
}

void ShadowLabel::setBold(bool on) {
  if (on == bold_) return;
  bold_ = on;
  fit();
  updateGeometry();
  update();
}

void ShadowLabel::setClickable(bool on) {
  if (on == clickable_) return;
  clickable_ = on;
  if (on)
    setCursor(Qt::PointingHandCursor);
  else
    unsetCursor();
  hovered_ = on && underMouse();
  pressed_ = false;
  update();
}

QFont ShadowLabel::naturalFont() const {
  QFont f = font();
  if (bold_) f.setBold(true);
  return f;
}

QFont ShadowLabel::drawFont() const {
  QFont f = naturalFont();
  if (fitStretch_ != 100) f.setStretch(fitStretch_);
  return f;
}

void ShadowLabel::setShadowVisible(bool on) {
  if (on == shadow_) return;
  shadow_ = on;
  update();
}

int ShadowLabel::textFlags() const {
  Qt::Alignment h = alignment_ & Qt::AlignHorizontal_Mask;
  if (h == 0) h = Qt::AlignLeft;
  const Qt::Alignment v = (alignment_ & Qt::AlignVCenter) ? Qt::AlignVCenter : Qt::AlignTop;
  int flags = static_cast<int>(h | v);
  if (wordWrap_) flags |= Qt::TextWordWrap;
  return flags;
}

QSize ShadowLabel::sizeHint() const {
  const QFontMetrics fm(naturalFont());
  // One extra pixel each way for the shadow.
  return {fm.horizontalAdvance(display_) + 1, fm.height() + 1};
}

QSize ShadowLabel::minimumSizeHint() const {
  if (wordWrap_) return {0, QFontMetrics(drawFont()).height() + 1};
  return sizeHint();
}

int ShadowLabel::heightForWidth(int width) const {
  const QFontMetrics fm(drawFont());
  const QRect r = fm.boundingRect(QRect(0, 0, std::max(1, width - 1), 100000), textFlags(), display_);
  return r.height() + 1;
}

void ShadowLabel::paintEvent(QPaintEvent*) {
  if (display_.isEmpty()) return;
  QPainter painter(this);
  painter.setFont(drawFont());
  // The text area leaves room for the shadow at the right and bottom; a
  // pressed clickable label moves its text down and right by one pixel.
  QRect area = rect().adjusted(0, 0, -1, -1);
  if (pressed_) area.translate(1, 1);
  const int flags = textFlags();
  if (shadow_) {
    painter.setPen(Qt::black);
    painter.drawText(area.translated(1, 1), flags, display_);
  }
  QColor color = textColor_;
  if (clickable_ && hovered_) {
    // A third of the way towards white: lime becomes a lighter green.
    color = QColor(color.red() + (255 - color.red()) / 3, color.green() + (255 - color.green()) / 3,
                   color.blue() + (255 - color.blue()) / 3);
  }
  painter.setPen(color);
  painter.drawText(area, flags, display_);
}

void ShadowLabel::mousePressEvent(QMouseEvent* event) {
  if (clickable_ && event->button() == Qt::LeftButton) {
    pressed_ = true;
    update();
    event->accept();
    return;
  }
  QWidget::mousePressEvent(event);
}

void ShadowLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (clickable_ && event->button() == Qt::LeftButton && pressed_) {
    pressed_ = false;
    update();
    event->accept();
    if (rect().contains(event->position().toPoint())) emit clicked();
    return;
  }
  QWidget::mouseReleaseEvent(event);
}

void ShadowLabel::enterEvent(QEnterEvent* event) {
  if (clickable_) {
    hovered_ = true;
    update();
  }
  QWidget::enterEvent(event);
}

void ShadowLabel::leaveEvent(QEvent* event) {
  if (hovered_) {
    hovered_ = false;
    update();
  }
  QWidget::leaveEvent(event);
}

void ShadowLabel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) {
    fit();
    updateGeometry();
    update();
  }
  QWidget::changeEvent(event);
}

}  // namespace kelpmark::widgets
