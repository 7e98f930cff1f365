#include "ui/window_look.h"

#include <QPalette>
#include <QWidget>

namespace kelpmark::ui {

QFont arialPx(int pixels, bool bold) {
  QFont f(QStringLiteral("Arial"));
  f.setStyleHint(QFont::SansSerif);
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

QFont statusFont() {
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setStyleHint(QFont::SansSerif);
  f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                 QStringLiteral("DejaVu Sans")});
  f.setPixelSize(13);
  return f;
}

namespace {

void setBackground(QWidget* w, const QColor& c) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, c);
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

}  // namespace

void setMainBackground(QWidget* w) { setBackground(w, kMainBackground); }
void setDialogBackground(QWidget* w) { setBackground(w, kDialogBackground); }

}  // namespace kelpmark::ui
