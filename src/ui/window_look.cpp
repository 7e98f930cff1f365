// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_look.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPalette>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "widgets/gradient_button.h"

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

namespace {

const QScreen* screenOf(const QWidget* w) {
  const QScreen* screen = w->screen();
  return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

// The frame a window manager puts around a window; before a window's first
// showing it is not known, and a usual title bar and border stand for it.
QMargins frameOf(const QWidget* w) {
  const QWindow* window = w->windowHandle();
  QMargins frame = window != nullptr ? window->frameMargins() : QMargins();
  if (frame.isNull() && !w->isVisible()) {
    const int title = QFontMetrics(QApplication::font()).height() + 12;
    frame = QMargins(4, title, 4, 4);
  }
  return frame;
}

}  // namespace

void centreOnScreen(QWidget* w) {
  const QScreen* screen = screenOf(w);
  if (screen == nullptr) return;
  // Before its first showing a window knows no frame; its size stands for it.
  const QRect frame = w->frameGeometry();
  const QSize size = frame.size().expandedTo(w->size());
  const QRect area = screen->availableGeometry();
  w->move(area.x() + std::max(0, (area.width() - size.width()) / 2),
          area.y() + std::max(0, (area.height() - size.height()) / 2));
}

void fitToScreen(QWidget* w, const QScreen* screen) {
  if (screen == nullptr) screen = screenOf(w);
  if (screen == nullptr) return;
  const QMargins frame = frameOf(w);
  const QSize room = screen->availableGeometry().size().shrunkBy(frame);
  const QSize size = w->size().boundedTo(room).expandedTo(w->minimumSizeHint());
  if (size != w->size()) w->resize(size);
}

QString navyTableStyle() {
  return QStringLiteral(
      "QTableView { background: navy; color: #00FF00; gridline-color: #2E4E8E;"
      " selection-background-color: #00FF00; selection-color: navy; border: 2px inset #404080; }"
      "QHeaderView { background: rgb(0,117,58); }"
      "QHeaderView::section { background: rgb(0,117,58); color: #00FF00; padding: 1px 6px;"
      " border: 1px solid #005020; }"
      "QTableCornerButton::section { background: rgb(0,117,58); border: 1px solid #005020; }");
}

QHBoxLayout* okHelpRow(QWidget* window, const std::function<void()>& ok, const std::function<void()>& help) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  bool first = true;
  for (const auto& [caption, pressed] : {std::pair{"Ok", ok}, std::pair{"Help", help}}) {
    auto* button = new widgets::GradientButton(QString::fromLatin1(caption), window);
    button->setFixedSize(97, widgets::GradientButton::kDesignHeight);
    QObject::connect(button, &widgets::GradientButton::clicked, window, pressed);
    if (!first) row->addSpacing(20);
    row->addWidget(button);
    first = false;
  }
  row->addStretch();
  return row;
}

}  // namespace kelpmark::ui
