// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/books.h"

#include <algorithm>
#include <cstdio>

#include "model/calendar.h"

namespace kelpmark {

const char* moneyCategoryId(MoneyCategory c) {
  static const char* const ids[kMoneyCategoryCount] = {
      "sales",  "building_sales", "sales_tax",  "fish",    "terminal",
      "wages",  "upkeep",         "overdraft",  "profit_tax", "hiring",
      "construction", "repairs",  "campaigns",  "staff_measures"};
  return ids[static_cast<size_t>(c)];
}

MonthIndex monthIndexOf(double date) {
  const DecodedDate d = decodeDate(date);
  return d.year * 12 + (d.month - 1);
}

std::string monthText(MonthIndex month) {
  const int64_t year = month >= 0 ? month / 12 : -((-month + 11) / 12);
  const int64_t m = month - year * 12 + 1;
  char buf[48];
  std::snprintf(buf, sizeof buf, "%02lld.%04lld", static_cast<long long>(m),
                static_cast<long long>(year));
  return buf;
}

void Books::start(double date, Currency money) {
  started_ = true;
  first_ = monthIndexOf(date);
  opening_ = money;
  months_.assign(1, CategoryAmounts{});
  todayDay_ = decodeDate(date).day;
  today_ = {};
  ++version_;
}

void Books::decodeNow() {
  if (date_ == nullptr) {
    decodedMonth_ = first_;
    decodedDay_ = todayDay_;
    return;
  }
  // Every payment of a tick sees the same date: it is decoded once.
  if (decodedAny_ && *date_ == decodedDate_) return;
  const DecodedDate d = decodeDate(*date_);
  decodedAny_ = true;
  decodedDate_ = *date_;
  decodedMonth_ = d.year * 12 + (d.month - 1);
  decodedDay_ = d.day;
}

void Books::book(MoneyCategory c, Currency amount) {
  if (!keeping_ || amount == Currency()) return;
  decodeNow();
  MonthIndex month = decodedMonth_;
  if (c == MoneyCategory::ProfitTax) month -= 1;
  // A date before the books began (a test that turns the clock back) books into
  // their first month; one far beyond their reach into the last.
  const MonthIndex offset = std::clamp<MonthIndex>(month - first_, 0, kMaxMonths - 1);
  const auto index = static_cast<size_t>(offset);
  if (index >= months_.size()) months_.resize(index + 1, CategoryAmounts{});
  const auto k = static_cast<size_t>(c);
  months_[index][k] += amount;
  if (decodedDay_ != todayDay_) {
    todayDay_ = decodedDay_;
    today_ = {};
  }
  today_[k] += amount;
  ++version_;
}

std::vector<BooksMonth> Books::months(double now, Currency moneyNow) const {
  std::vector<BooksMonth> out;
  if (!started_) return out;
  const MonthIndex reach = std::clamp<MonthIndex>(monthIndexOf(now) - first_, 0, kMaxMonths - 1);
  const size_t count = std::max(months_.size(), static_cast<size_t>(reach) + 1);
  out.reserve(count);
  Currency opening = opening_;
  for (size_t i = 0; i < count; ++i) {
    BooksMonth m;
    m.month = first_ + static_cast<MonthIndex>(i);
    m.opening = opening;
    if (i < months_.size()) m.amounts = months_[i];
    m.closing = opening;
    for (Currency a : m.amounts) m.closing += a;
    opening = m.closing;
    out.push_back(m);
  }
  out.back().closing = moneyNow;
  return out;
}

CategoryAmounts Books::today(double now) const {
  if (decodeDate(now).day != todayDay_) return {};
  return today_;
}

void Books::restore(MonthIndex first, Currency opening, std::vector<CategoryAmounts> months,
                    int64_t todayDay, const CategoryAmounts& today) {
  started_ = true;
  first_ = first;
  opening_ = opening;
  months_ = std::move(months);
  if (months_.empty()) months_.assign(1, CategoryAmounts{});
  if (months_.size() > kMaxMonths) months_.resize(kMaxMonths);
  todayDay_ = todayDay;
  today_ = today;
  ++version_;
}

}  // namespace kelpmark
