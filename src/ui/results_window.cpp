// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/results_window.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "engine/game.h"
#include "model/calendar.h"
#include "ui/window_look.h"

namespace kelpmark::ui {

namespace {

constexpr int kHelpTopic = 70;

bool sameResult(const GameResult& a, const GameResult& b) {
  return a.played == b.played && a.outcome == b.outcome && a.ended == b.ended &&
         a.value == b.value && a.money == b.money && a.marketShare == b.marketShare;
}

// The real date a game was played ("2024-05-17 21:40" in the file) in the
// game's date format, with the time.
QString playedText(const std::string& played, const FormatSettings& format) {
  const QDateTime t = QDateTime::fromString(QString::fromStdString(played), QStringLiteral("yyyy-MM-dd HH:mm"));
  if (!t.isValid()) return QString::fromStdString(played);
  DecodedDate d;
  d.year = t.date().year();
  d.month = t.date().month();
  d.dayOfMonth = t.date().day();
  d.hour = t.time().hour();
  d.minute = t.time().minute();
  return QString::fromStdString(formatDate(d, format.shortDateFormat) + " " + formatTime(d, "H:mm"));
}

}  // namespace

QString ResultsWindow::outcomeName(GameOutcome outcome) {
  switch (outcome) {
    case GameOutcome::Won: return tr("Победа");
    case GameOutcome::ValueHalved: return tr("Стоимость упала вдвое");
    case GameOutcome::PrestigeLost: return tr("Потеряна репутация");
    case GameOutcome::YearOver: return tr("Год закончился");
  }
  return {};
}

ResultsWindow::ResultsWindow(const Game& game, QWidget* parent)
    : QDialog(parent), game_(game), table_(new QTableWidget(this)), empty_(new QLabel(this)) {
  setWindowTitle(tr("Рекорды"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setDialogBackground(this);

  table_->setColumnCount(7);
  table_->setHorizontalHeaderLabels({tr("Место"), tr("Итог"), tr("Конец игры"),
                                     tr("Стоимость компании"), tr("Деньги"), tr("Доля рынка"),
                                     tr("Сыграна")});
  table_->setAccessibleName(tr("Законченные игры, лучшие первыми"));
  table_->verticalHeader()->setVisible(false);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setWordWrap(false);
  table_->setFont(arialPx(12));
  table_->horizontalHeader()->setFont(arialPx(12, true));
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setStyleSheet(navyTableStyle());

  empty_->setText(tr("Ни одна игра ещё не закончена. Здесь появится каждая игра, "
                     "выигранная или проигранная, с её итогом."));
  empty_->setWordWrap(true);
  empty_->setAlignment(Qt::AlignCenter);
  empty_->setFont(arialPx(14, true));
  empty_->setStyleSheet(QStringLiteral("QLabel { color: #00FF00; }"));

  QHBoxLayout* buttons = okHelpRow(this, [this] { accept(); }, [this] { emit helpRequested(kHelpTopic); });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addWidget(table_, 1);
  layout->addWidget(empty_, 1);
  layout->addLayout(buttons);
  resize(760, 380);
}

void ResultsWindow::setResults(const std::vector<GameResult>& results, const GameResult* highlighted) {
  const std::vector<GameResult> ranked = rankResults(results);
  table_->clearContents();
  table_->setRowCount(static_cast<int>(ranked.size()));
  highlightedRow_ = -1;
  const auto money = [this](Currency c) {
    const QString sign = c < Currency() ? QStringLiteral("\u2212") : QString();
    return sign + QLatin1Char('$') + QString::fromStdString(game_.money(c.abs()));
  };
  for (int row = 0; row < table_->rowCount(); ++row) {
    const GameResult& r = ranked[static_cast<size_t>(row)];
    const DecodedDate ended = decodeDate(r.ended);
    const QStringList cells = {QString::number(row + 1),
                               outcomeName(r.outcome),
                               QString::fromStdString(formatDate(ended, game_.format.shortDateFormat)),
                               money(r.value),
                               money(r.money),
                               QStringLiteral("%1%").arg(r.marketShare),
                               playedText(r.played, game_.format)};
    for (int column = 0; column < cells.size(); ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      if (column != 1 && column != 6) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(row, column, item);
    }
    if (highlighted != nullptr && highlightedRow_ < 0 && sameResult(r, *highlighted)) highlightedRow_ = row;
  }
  if (highlightedRow_ >= 0) {
    for (int column = 0; column < table_->columnCount(); ++column) {
      QFont bold = arialPx(12, true);
      table_->item(highlightedRow_, column)->setFont(bold);
    }
    table_->selectRow(highlightedRow_);
    table_->scrollToItem(table_->item(highlightedRow_, 0));
  } else if (table_->rowCount() > 0) {
    // The keyboard starts at the best game, which is not marked as new.
    table_->selectionModel()->setCurrentIndex(table_->model()->index(0, 0), QItemSelectionModel::NoUpdate);
  }
  table_->setVisible(!ranked.empty());
  empty_->setVisible(ranked.empty());
  (ranked.empty() ? static_cast<QWidget*>(this) : table_)->setFocus();
}

void ResultsWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    emit helpRequested(kHelpTopic);
    return;
  }
  // "Ok" is the window's default button.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace kelpmark::ui
