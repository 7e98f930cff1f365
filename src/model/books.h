// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The books: for every month of a game, the money at the month's start and the
// total of each category of payment, and the flows of the game day. Nothing in
// the rules reads them; the company fills them at every change of its money.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/currency.h"

namespace kelpmark {

// What a change of Money is for, in the order the books list them: the incomes,
// then the expenses.
enum class MoneyCategory {
  Sales,          // the hourly revenue
  BuildingSales,  // the resale of a building
  SalesTax,       // the sales tax less the accountants' saving, as one amount
  Fish,           // purchases of fish
  Terminal,       // the sponsorship of a terminal
  Wages,
  Upkeep,     // buildings' and the office's upkeep with the repair surcharges
  Overdraft,  // the charge on a debt
  ProfitTax,
  Hiring,
  Construction,  // new buildings, office and building upgrades
  Repairs,
  Campaigns,
  StaffMeasures,  // premiums and every other measure for the staff that costs money
};
constexpr size_t kMoneyCategoryCount = 14;

// The category's name in the runner's books and the books file ("sales",
// "building_sales", ...).
const char* moneyCategoryId(MoneyCategory c);
// Whether the category is one of the incomes.
constexpr bool isIncome(MoneyCategory c) {
  return c == MoneyCategory::Sales || c == MoneyCategory::BuildingSales;
}

using CategoryAmounts = std::array<Currency, kMoneyCategoryCount>;

// A calendar month counted from year 0: year * 12 + month - 1.
using MonthIndex = int64_t;
MonthIndex monthIndexOf(double date);
// "MM.YYYY".
std::string monthText(MonthIndex month);

// One month of the books as a report shows it.
struct BooksMonth {
  MonthIndex month = 0;
  Currency opening;
  Currency closing;
  CategoryAmounts amounts{};
};

class Books {
 public:
  // The most months the books hold; amounts of a later month go to the last one.
  static constexpr size_t kMaxMonths = 1200;

  // New books: the first month is the month of `date` and opens with `money`.
  void start(double date, Currency money);
  bool started() const { return started_; }
  // The clock whose date decides the month of each amount (none: the first month).
  void followDate(const double* gameDate) { date_ = gameDate; }
  // Books nothing while off (to measure what keeping them costs).
  void setKeeping(bool on) { keeping_ = on; }

  // Books a change of money in its category: into the month of the game date,
  // except the profit tax, which a month end charges for the month that closes
  // (the month before, but never before the first month of the books).
  void book(MoneyCategory c, Currency amount);

  MonthIndex firstMonth() const { return first_; }
  Currency firstOpening() const { return opening_; }
  // Every month from the first to the month of `now` (or to the last one that
  // holds amounts, if later), each closing with its opening plus its amounts, but
  // the last with `moneyNow`.
  std::vector<BooksMonth> months(double now, Currency moneyNow) const;
  // The month totals as booked, the first month first.
  const std::vector<CategoryAmounts>& bookedMonths() const { return months_; }
  // The flows of the game day of `now` (none when nothing was paid that day).
  CategoryAmounts today(double now) const;
  int64_t todayDay() const { return todayDay_; }
  const CategoryAmounts& todayAmounts() const { return today_; }
  // Grows with every amount booked, so that a screen knows when to redraw.
  uint64_t version() const { return version_; }

  // Books as a file kept them: the first month and its opening, the month totals
  // and the day's flows.
  void restore(MonthIndex first, Currency opening, std::vector<CategoryAmounts> months,
               int64_t todayDay, const CategoryAmounts& today);

 private:
  // The month and the day of the followed date (decoded once per date).
  void decodeNow();

  bool started_ = false;
  bool keeping_ = true;
  const double* date_ = nullptr;
  MonthIndex first_ = 0;
  Currency opening_;
  std::vector<CategoryAmounts> months_;
  int64_t todayDay_ = 0;
  CategoryAmounts today_{};
  uint64_t version_ = 0;
  double decodedDate_ = 0;
  bool decodedAny_ = false;
  MonthIndex decodedMonth_ = 0;
  int64_t decodedDay_ = 0;
};

}  // namespace kelpmark
