// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_window.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/window_look.h"

namespace kelpmark::ui {

HelpWindow::HelpWindow(QWidget* home, Language language)
    : QDialog(home),
      home_(home),
      browser_(new QTextBrowser(this)),
      folder_(language == Language::Russian ? QStringLiteral("/help/")
                                            : QStringLiteral("/help/%1/").arg(languageCode(language))) {
  setWindowTitle(tr("Справка"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  resize(560, 520);
  browser_->setOpenExternalLinks(true);
  browser_->setSearchPaths({QLatin1Char(':') + folder_});
  auto* contents = new QPushButton(tr("Содержание"), this);
  auto* back = new QPushButton(tr("Назад"), this);
  auto* close = new QPushButton(tr("Закрыть"), this);
  connect(contents, &QPushButton::clicked, this, [this] { showTopic(0); });
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  back->setEnabled(false);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents);
  buttons->addWidget(back);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser_);
  layout->addLayout(buttons);
}

void HelpWindow::applyPageColours() {
  // Headings, table headers and links have a colour for light pages and a partner
  // for dark ones; the text takes the theme's own colour.
  // The window's palette: its children (the browser) learn of a new theme after it.
  const QPalette& p = palette();
  const bool dark = p.color(QPalette::Base).lightness() < 128;
  browser_->document()->setDefaultStyleSheet(
      QStringLiteral("h1, h2 { color: %1; } th { background-color: %2; color: %3; } a { color: %4; }")
          .arg(dark ? QStringLiteral("#7fdca0") : QStringLiteral("#00603a"),
               dark ? QStringLiteral("#1f4a33") : QStringLiteral("#d4ecdc"),
               p.color(QPalette::Text).name(),
               dark ? QStringLiteral("#8cc8ff") : QStringLiteral("#0645ad")));
}

void HelpWindow::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::PaletteChange) return;
  applyPageColours();
  if (!browser_->source().isEmpty()) browser_->reload();
}

void HelpWindow::showTopic(int topic) {
  // A modal window blocks every window but its own children: help becomes one of
  // them while it is open, and belongs to the main window otherwise.
  // Message boxes live only as long as their question, so help never joins one.
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == this || qobject_cast<QMessageBox*>(modal) != nullptr) modal = nullptr;
  QWidget* owner = modal != nullptr ? modal : home_.data();
  QWidget* active = QApplication::activeWindow();
  const QPointer<QWidget> back = modal != nullptr ? modal : active != this ? active : returnTo_.data();
  returnTo_ = nullptr;
  if (owner != nullptr && parentWidget() != owner) setParent(owner, windowFlags());
  returnTo_ = back;
  applyPageColours();
  QString page = QStringLiteral("topic_%1.html").arg(topic);
  if (!QFile::exists(QLatin1Char(':') + folder_ + page)) page = QStringLiteral("index.html");
  if (QFile::exists(QLatin1Char(':') + folder_ + page)) {
    browser_->setSource(QUrl(QStringLiteral("qrc:") + folder_ + page));
  } else {
    browser_->setHtml(tr("<h2>Справка</h2><p>Страница справки не найдена.</p>"));
  }
  if (!isVisible()) {
    // Each opening starts afresh: "Назад" only once a page of it was left.
    browser_->clearHistory();
    placeBeside(back != nullptr ? back.data() : owner);
  }
  // The page takes the keys, so that it scrolls at once.
  browser_->setFocus();
  show();
  raise();
  activateWindow();
}

void HelpWindow::placeBeside(const QWidget* window) {
  // Never larger than the screen; beside the window help is about, when the
  // screen has room for both; otherwise where the toolkit puts a dialog, over the
  // middle of its parent (and inside the screen).
  fitToScreen(this, window != nullptr ? window->screen() : nullptr);
  if (window == nullptr || window->screen() == nullptr) return;
  const QRect area = window->screen()->availableGeometry();
  const QRect next = window->frameGeometry();
  const QSize size = frameGeometry().size().expandedTo(this->size());
  const int y = std::clamp(next.top(), area.top(), std::max(area.top(), area.bottom() - size.height()));
  const int gap = 8;
  if (next.right() + gap + size.width() <= area.right())
    move(next.right() + gap, y);
  else if (next.left() - gap - size.width() >= area.left())
    move(next.left() - gap - size.width(), y);
  else
    setAttribute(Qt::WA_Moved, false);
}

void HelpWindow::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  // The window help was opened from gets the keyboard back.
  if (returnTo_ && returnTo_->isVisible()) {
    returnTo_->raise();
    returnTo_->activateWindow();
  }
  returnTo_ = nullptr;
}

QString HelpWindow::currentPage() const { return browser_->source().fileName(); }

}  // namespace kelpmark::ui
