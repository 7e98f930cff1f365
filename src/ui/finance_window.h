// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The finance window «Финансы»: where the money went, month by month. A table
// with the months of the game as columns (the current month last, the total
// beside it) and the incomes, the expenses, the month's result and the money at
// the month's end as rows; below it a chart of the incomes, the expenses and the
// money per month. It follows the game while it is open.
#include <QDialog>
#include <cstdint>
#include <vector>

#include "commands/finance_table.h"
#include "widgets/xy_plot.h"

class QTableView;

namespace kelpmark {
class Program;
}

namespace kelpmark::ui {

class FinanceModel;

class FinanceWindow : public QDialog {
  Q_OBJECT
 public:
  explicit FinanceWindow(Program& program, QWidget* parent = nullptr);
  ~FinanceWindow() override;

  // Shows the window beside the game (it follows the game while open).
  void showFollowing();
  // Shows it over a modal window (the reports) until it is closed.
  void showOver(QWidget* modal);
  // Brings the figures up to the game's, when they have changed.
  void syncFromGame();
  QTableView* table() const { return table_; }
  widgets::XYPlot* chart() const { return chart_; }

 signals:
  void helpRequested(int topic);

 protected:
  void done(int result) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void scrollToNewest();
  void fitColumns();

  Program& program_;
  FinanceModel* model_;
  QTableView* table_;
  widgets::XYPlot* chart_;
  widgets::XYPlot::Points incomeLine_, expenseLine_, moneyLine_;
  // Per column, the widest figure it was last fitted to (in pixels).
  std::vector<int> fittedWidths_;
  // What the figures were last taken from.
  const void* company_ = nullptr;
  uint64_t booksVersion_ = 0;
  Currency money_;
  MonthIndex month_ = 0;
  bool synced_ = false;
  // Shown over a modal window (which gets the keyboard back by itself).
  bool overModal_ = false;
};

}  // namespace kelpmark::ui
