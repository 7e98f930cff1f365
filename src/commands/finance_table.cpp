// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/finance_table.h"

#include <algorithm>

#include "engine/game.h"

namespace kelpmark {

const FinanceRow* FinanceTable::row(FinanceRowKind kind) const {
  for (const FinanceRow& r : rows)
    if (r.kind == kind) return &r;
  return nullptr;
}

FinanceTable financeTable(const Game& game) {
  FinanceTable t;
  if (!game.hasCompany()) return t;
  const TCorporation& c = game.corp();
  const std::vector<BooksMonth> months = c.books.months(game.values.clock.GameDate, c.Money);
  const size_t columns = months.size() + 1;
  for (const BooksMonth& m : months) t.months.push_back(m.month);

  FinanceRow incomeTotal{FinanceRowKind::IncomeTotal, {}, std::vector<Currency>(columns)};
  FinanceRow expenseTotal{FinanceRowKind::ExpenseTotal, {}, std::vector<Currency>(columns)};
  std::vector<FinanceRow> incomes;
  std::vector<FinanceRow> expenses;
  for (size_t k = 0; k < kMoneyCategoryCount; ++k) {
    const auto category = static_cast<MoneyCategory>(k);
    FinanceRow r{FinanceRowKind::Category, category, std::vector<Currency>(columns)};
    bool seen = false;
    for (size_t i = 0; i < months.size(); ++i) {
      const Currency a = months[i].amounts[k];
      seen = seen || a != Currency();
      r.values[i] = a;
      r.values.back() += a;
    }
    if (!seen) continue;
    FinanceRow& total = isIncome(category) ? incomeTotal : expenseTotal;
    for (size_t i = 0; i < columns; ++i) total.values[i] += r.values[i];
    (isIncome(category) ? incomes : expenses).push_back(std::move(r));
  }

  FinanceRow result{FinanceRowKind::Result, {}, std::vector<Currency>(columns)};
  FinanceRow closing{FinanceRowKind::ClosingMoney, {}, std::vector<Currency>(columns)};
  for (size_t i = 0; i < columns; ++i)
    result.values[i] = incomeTotal.values[i] + expenseTotal.values[i];
  for (size_t i = 0; i < months.size(); ++i) closing.values[i] = months[i].closing;
  closing.values.back() = c.Money;

  t.rows.push_back({FinanceRowKind::Incomes, {}, {}});
  for (FinanceRow& r : incomes) t.rows.push_back(std::move(r));
  t.rows.push_back(std::move(incomeTotal));
  t.rows.push_back({FinanceRowKind::Expenses, {}, {}});
  for (FinanceRow& r : expenses) t.rows.push_back(std::move(r));
  t.rows.push_back(std::move(expenseTotal));
  t.rows.push_back(std::move(result));
  t.rows.push_back(std::move(closing));
  return t;
}

std::vector<std::pair<MoneyCategory, Currency>> largestFlows(const CategoryAmounts& amounts,
                                                             size_t count) {
  std::vector<std::pair<MoneyCategory, Currency>> flows;
  for (size_t k = 0; k < kMoneyCategoryCount; ++k)
    if (amounts[k] != Currency()) flows.emplace_back(static_cast<MoneyCategory>(k), amounts[k]);
  std::stable_sort(flows.begin(), flows.end(),
                   [](const auto& a, const auto& b) { return a.second.abs() > b.second.abs(); });
  if (flows.size() > count) flows.resize(count);
  return flows;
}

}  // namespace kelpmark
