// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/welcome_window.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QSvgWidget>

#include "ui/qt_view_port.h"
#include "ui/window_look.h"

namespace kelpmark::ui {

WelcomeWindow::WelcomeWindow(QWidget* parent, Language language) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Welcome!"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(323, 160);
  setMainBackground(this);

  auto* bevel = new QFrame(this);
  bevel->setFrameShape(QFrame::Panel);
  bevel->setFrameShadow(QFrame::Sunken);
  bevel->setGeometry(9, 9, 304, 129);

  auto* svg = new QSvgWidget(language == Language::Russian
                                 ? QStringLiteral(":/art/title.svg")
                                 : QStringLiteral(":/art/title_%1.svg").arg(languageCode(language)),
                             this);
  svg->setGeometry(11, 11, 300, 125);
  svg->installEventFilter(this);
  svg->setToolTip(tr("Двойной щелчок закрывает окно"));
  picture_ = svg;

  auto* link = new QLabel(QString::fromUtf8(kMakerWebAddress), this);
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(13);
  f.setUnderline(true);
  link->setFont(f);
  link->setStyleSheet(QStringLiteral("color: #00FF00; background: transparent;"));
  link->setCursor(Qt::PointingHandCursor);
  link->adjustSize();
  // Centred below the picture; never cut off at the window's edge.
  const int x = qMax(4, (width() - link->width()) / 2);
  link->move(x, 141);
  link->installEventFilter(this);
  link_ = link;
}

bool WelcomeWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == picture_ && event->type() == QEvent::MouseButtonDblClick) {
    accept();
    return true;
  }
  if (watched == link_ && event->type() == QEvent::MouseButtonRelease) {
    emit webRequested();
    accept();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void WelcomeWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    emit helpRequested(100);
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace kelpmark::ui
