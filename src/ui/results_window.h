// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window «Рекорды»: the finished games, best first (wins by the earliest
// date, then losses by company value), the newest one highlighted when it has
// just ended. Empty, it says that no game has been finished yet.
#include <QDialog>
#include <vector>

#include "model/results.h"

class QLabel;
class QTableWidget;

namespace kelpmark {
class Game;
}

namespace kelpmark::ui {

class ResultsWindow : public QDialog {
  Q_OBJECT
 public:
  explicit ResultsWindow(const Game& game, QWidget* parent = nullptr);

  // Fills the list with the results, ranked here; `highlighted` (if any) is the
  // entry to show selected.
  void setResults(const std::vector<GameResult>& results, const GameResult* highlighted);
  QTableWidget* table() const { return table_; }
  // The row of the highlighted entry, -1 for none.
  int highlightedRow() const { return highlightedRow_; }

  static QString outcomeName(GameOutcome outcome);

 signals:
  void helpRequested(int topic);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  const Game& game_;
  QTableWidget* table_;
  QLabel* empty_;
  int highlightedRow_ = -1;
};

}  // namespace kelpmark::ui
