// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lamp_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

#include "widgets/accessible_widgets.h"

namespace kelpmark::ui {

namespace {

QString lampState(bool lit) { return lit ? LampWidget::tr("горит") : LampWidget::tr("не горит"); }

void registerLamp() {
  static const bool registered = [] {
    widgets::registerAccessibleDisplay(
        LampWidget::staticMetaObject,
        {QAccessible::Indicator,
         QT_TRANSLATE_NOOP("kelpmark::widgets::AccessibleDisplay", "Лампа скорости"),
         [](const QWidget& w) { return lampState(static_cast<const LampWidget&>(w).isLit()); },
         [](const QWidget& w) { return static_cast<const LampWidget&>(w).isLit(); }});
    return true;
  }();
  (void)registered;
}

}  // namespace

LampWidget::LampWidget(QWidget* parent)
    : QWidget(parent),
      on_(new QSvgRenderer(QStringLiteral(":/art/lamp_on.svg"), this)),
      off_(new QSvgRenderer(QStringLiteral(":/art/lamp_off.svg"), this)) {
  registerLamp();
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_TranslucentBackground);
}

void LampWidget::setLit(bool lit) {
  if (lit_ == lit) return;
  lit_ = lit;
  update();
  widgets::notifyAccessibleValueChanged(this, lampState(lit_));
}

void LampWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  (lit_ ? on_ : off_)->render(&p, QRectF(rect()));
}

void LampWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
}

}  // namespace kelpmark::ui
