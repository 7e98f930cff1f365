// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_look.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
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

void centreOnScreen(QWidget* w) {
  const QScreen* screen = w->screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  // Before its first showing a window knows no frame; its size stands for it.
  const QRect frame = w->frameGeometry();
  const QSize size = frame.size().expandedTo(w->size());
  const QRect area = screen->availableGeometry();
  w->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

}  // namespace kelpmark::ui
