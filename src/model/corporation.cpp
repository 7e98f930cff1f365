// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/corporation.h"

#include <cmath>

#include "model/int128.h"

namespace kelpmark {

TCorporation::TCorporation() : Office(std::make_shared<TOffice>()) {}

void TCorporation::SetMoney(Currency amount, MoneyCategory category) {
  if (Money > amount) MonthExpense += amount - Money;
  if (Money < amount) MonthIncome += amount - Money;
  books.book(category, amount - Money);
  Money = amount;
}

void TCorporation::RegisterPause(double gameDate) {
  PauseDate = gameDate;
  PausePenalty = PausePenalty + 0.4;
}

int32_t TCorporation::AverageMood(const StaffList& list) {
  if (list.empty()) return 100;
  int64_t sum = 0;
  for (const auto& e : list) sum += e.object->Mood;
  return static_cast<int32_t>(sum / static_cast<int64_t>(list.size()));
}

int32_t TCorporation::AverageExperience(const StaffList& list) {
  if (list.empty()) return 0;
  int64_t sum = 0;
  for (const auto& e : list) sum += e.object->Experience;
  return roundToInt32(static_cast<double>(sum) / static_cast<double>(list.size()));
}

Currency TCorporation::TotalSalary(const StaffList& list) {
  Currency sum;
  for (const auto& e : list) sum += e.object->Salary;
  return sum;
}

Currency TCorporation::TotalPayroll() const {
  return TotalSalary(Accountants) + TotalSalary(Loaders) + TotalSalary(Managers) +
         TotalSalary(Salesmen);
}

int32_t TCorporation::AverageShopLevel() const {
  if (Shops.empty()) return 0;
  int64_t sum = 0;
  for (const auto& e : Shops) sum += e.object->Level;
  return static_cast<int32_t>(sum / static_cast<int64_t>(Shops.size()));
}

Currency TCorporation::CompanyValue() const {
  Currency v = Money;
  for (const auto& e : Shops) v += e.object->ResaleValue();
  for (const auto& e : Lots) v += e.object->ResaleValue();
  for (const auto& e : Stores) v += e.object->ResaleValue();
  // The stock counts at 90% of its cost price.
  const int128 stock = static_cast<int128>(FishStock) * StockCost.count() * 9;
  v += Currency::fromCount(divRoundHalfEven(stock, 10));
  // Each point of prestige adds 1% of the absolute value. The sum is rounded as a
  // whole: a share of 0.5 on an odd count goes to the even neighbour of the sum.
  const int128 hundredfold =
      static_cast<int128>(v.count()) * 100 + static_cast<int128>(v.abs().count()) * Prestige;
  return Currency::fromCount(divRoundHalfEven(hundredfold, 100));
}

Currency TCorporation::CategoryUpkeep(const BuildingList& list) {
  Currency sum;
  for (const auto& e : list) {
    const TBuilding& b = *e.object;
    sum += b.Upkeep;
    if (b.Condition < 500)
      sum += Currency::fromDoubleWholeUnits(b.Upkeep.units() * (1000 - b.Condition) / 1000);
  }
  return sum;
}

Currency TCorporation::OfficeUpkeep() const {
  const int64_t level = static_cast<int64_t>(Office->Level) - 1;
  return Office->Upkeep * (level * level);
}

int32_t TCorporation::AverageCondition(const BuildingList& list) {
  if (list.empty()) return 0;
  int64_t sum = 0;
  for (const auto& e : list) sum += e.object->Condition;
  return roundToInt32(static_cast<double>(sum) / static_cast<double>(list.size()));
}

std::string newEntryText(const Marked& entry, const BuildingList& list) {
  return Text(entry).arg(std::to_string(list.size() + 1)).russian();
}

}  // namespace kelpmark
