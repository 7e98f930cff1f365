#include "ui/help_window.h"

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

void HelpWindow::showTopic(int topic) {
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
