#include "ui/lamp_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace kelpmark::ui {

LampWidget::LampWidget(QWidget* parent)
    : QWidget(parent),
      on_(new QSvgRenderer(QStringLiteral(":/art/lamp_on.svg"), this)),
      off_(new QSvgRenderer(QStringLiteral(":/art/lamp_off.svg"), this)) {
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_TranslucentBackground);
}

void LampWidget::setLit(bool lit) {
  if (lit_ == lit) return;
  lit_ = lit;
  update();
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
