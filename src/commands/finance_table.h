// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the finance window shows, worked out from the running game's books: the
// months of the game as columns (the current month last) and their total beside
// them; as rows the incomes and the expenses by category (those the game has
// seen), each group with its total, then the month's result and the money at the
// month's end. And the day's or the month's largest flows, for a tooltip.
#include <utility>
#include <vector>

#include "model/books.h"

namespace kelpmark {

class Game;

enum class FinanceRowKind {
  Incomes,        // the heading of the incomes
  Category,       // one category's amounts
  IncomeTotal,
  Expenses,       // the heading of the expenses
  ExpenseTotal,
  Result,         // incomes and expenses together
  ClosingMoney,   // the money at the month's end (now, for the current month)
};

struct FinanceRow {
  FinanceRowKind kind = FinanceRowKind::Category;
  MoneyCategory category = MoneyCategory::Sales;  // a Category row's
  // One value a month, then the total (headings have none). The total of the
  // closing money is the money now.
  std::vector<Currency> values;
};

struct FinanceTable {
  std::vector<MonthIndex> months;
  std::vector<FinanceRow> rows;

  const FinanceRow* row(FinanceRowKind kind) const;
};

// The table of the running game (empty without a game).
FinanceTable financeTable(const Game& game);

// The largest flows of one set of amounts, the largest first by size (a tie in
// the books' order), at most `count` of them, none that is 0.
std::vector<std::pair<MoneyCategory, Currency>> largestFlows(const CategoryAmounts& amounts,
                                                             size_t count);

}  // namespace kelpmark
