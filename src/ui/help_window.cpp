#include "ui/help_window.h"

#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace kelpmark::ui {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
  setWindowTitle(QStringLiteral("Справка"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  resize(560, 520);
  browser_->setOpenExternalLinks(true);
  browser_->setSearchPaths({QStringLiteral(":/help")});
  auto* contents = new QPushButton(QStringLiteral("Содержание"), this);
  auto* back = new QPushButton(QStringLiteral("Назад"), this);
  auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
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
  applyPageColours();
  QString page = QStringLiteral("topic_%1.html").arg(topic);
  if (!QFile::exists(QStringLiteral(":/help/") + page)) page = QStringLiteral("index.html");
  if (QFile::exists(QStringLiteral(":/help/") + page)) {
    browser_->setSource(QUrl(QStringLiteral("qrc:/help/") + page));
  } else {
    browser_->setHtml(QStringLiteral("<h2>Справка</h2><p>Страница справки не найдена.</p>"));
  }
  show();
  raise();
  activateWindow();
}

QString HelpWindow::currentPage() const { return browser_->source().fileName(); }

}  // namespace kelpmark::ui
