// SPDX-License-Identifier: GPL-3.0-or-later
// Measures for single employees and whole departments.
#include "model/corporation.h"
#include "model/int128.h"
#include "model/random.h"

namespace kelpmark {

bool TCorporation::FiringUpsetsStaff(const StaffList& list, const TWorkerBee* worker) {
  return list.indexOf(worker) >= 0 && AverageMood(list) < 30;
}

int32_t TCorporation::FireEmployee(StaffList& list, const TWorkerBee* worker) {
  const int index = list.indexOf(worker);
  if (index < 0) return 0;
  const int32_t average = AverageMood(list);
  const int n = list.count();
  list.removeAt(static_cast<size_t>(index));
  // Small and discontented departments take a firing worse.
  return 1 + (average < 30) + (n < 5) + (n < 10) + (n < 50);
}

Currency TCorporation::AverageSalary(const StaffList& list) {
  if (list.empty()) return Currency();
  return Currency::fromCount(divRoundHalfEven(TotalSalary(list).count(), list.count()));
}

int32_t TCorporation::RoundedAverageMood(const StaffList& list) {
  if (list.empty()) return 0;
  int64_t sum = 0;
  for (const auto& e : list) sum += e.object->Mood;
  return roundToInt32(static_cast<double>(sum) / static_cast<double>(list.size()));
}

void TCorporation::RaiseSalary(TWorkerBee& w, Random& random) {
  w.Salary = Currency::fromDoubleWholeUnits(1.1 * w.Salary.units());
  w.SetMood(static_cast<int64_t>(w.Mood) + 2);
  if (w.Mood < 40) w.SetMood(static_cast<int64_t>(w.Mood) + random.integer(2));
}

void TCorporation::CutSalary(TWorkerBee& w, Random& random) {
  w.Salary = Currency::fromDoubleWholeUnits(0.9 * w.Salary.units());
  w.SetMood(static_cast<int64_t>(w.Mood) - 1);
  if (w.Mood < 40) w.SetMood(static_cast<int64_t>(w.Mood) - random.integer(2));
}

void TCorporation::Praise(TWorkerBee& w, Random& random) {
  const int64_t m = w.Mood;
  // A discontented employee may take praise badly.
  const int32_t k = static_cast<int32_t>((100 - m) / 10);
  w.SetMood(m + 2 - random.integer(k));
  if (w.Mood > 50) w.SetMood(static_cast<int64_t>(w.Mood) + random.integer(2));
  if (w.Mood < 40) w.SetMood(static_cast<int64_t>(w.Mood) - random.integer(2));
}

void TCorporation::RaiseSalaries(const StaffList& list, Random& random) {
  for (const auto& e : list) {
    TWorkerBee& w = *e.object;
    w.Salary = Currency::fromDoubleWholeUnits(1.1 * w.Salary.units());
    if (w.Mood < 99) w.SetMood(static_cast<int64_t>(w.Mood) + 1 + random.integer(3));
  }
}

void TCorporation::PayPremium(TWorkerBee& w, Random& random) {
  pay(w.Salary, MoneyCategory::StaffMeasures);
  w.SetMood(static_cast<int64_t>(w.Mood) + 11 - random.integer(4));
  if (w.Mood > 90) w.GainExperience();
}

void TCorporation::PayPremiums(const StaffList& list, Random& random) {
  for (const auto& e : list) {
    TWorkerBee& w = *e.object;
    pay(w.Salary, MoneyCategory::StaffMeasures);
    if (w.Mood > 91) w.GainExperience();
    w.SetMood(static_cast<int64_t>(w.Mood) + 11 - random.integer(4));
  }
}

}  // namespace kelpmark
