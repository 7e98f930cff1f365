// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/daily_ops.h"

#include <cmath>

#include "engine/game.h"
#include "model/int128.h"
#include "model/text_format.h"

namespace kelpmark {

namespace {

const std::string kSpaces20(20, ' ');

// Wear of one building list; returns nothing. Sells off what falls below 0.
template <class Surcharge, class SellOff>
void wearList(BuildingList& list, TCorporation& c, int32_t wear, Surcharge surcharge,
              SellOff sellOff) {
  size_t i = 0;
  while (i < list.size()) {
    TBuilding& b = list[i];
    c.pay(b.Upkeep, MoneyCategory::Upkeep);
    b.Condition = saturate32(static_cast<int64_t>(b.Condition) - wear);
    if (b.Condition < 500) c.pay(surcharge(b), MoneyCategory::Upkeep);
    if (b.Condition < 0) {
      // The building that moves into its place is worn next.
      sellOff(b);
      continue;
    }
    ++i;
  }
}

}  // namespace

void PayUpkeep(Game& game) {
  TCorporation& c = game.corp();
  // A shop below half condition pays a repair surcharge in whole units.
  wearList(
      c.Shops, c, 4,
      [](const TBuilding& b) {
        return Currency::fromDoubleWholeUnits(b.Upkeep.units() * (1000 - b.Condition) / 1000);
      },
      [&c](const TBuilding& b) { c.SellSalePoint(c.Shops, &b); });
  // A store's surcharge is kept to 1/10000.
  wearList(
      c.Stores, c, 3,
      [](const TBuilding& b) {
        const int128 num =
            static_cast<int128>(b.Upkeep.count()) * (1000 - static_cast<int64_t>(b.Condition));
        return Currency::fromCount(divRoundHalfEven(num, 1000));
      },
      [&c](const TBuilding& b) { c.SellStore(&b); });
  // Stalls pay no surcharge.
  wearList(
      c.Lots, c, 7, [](const TBuilding&) { return Currency(); },
      [&c](const TBuilding& b) { c.SellSalePoint(c.Lots, &b); });
  c.pay(c.OfficeUpkeep(), MoneyCategory::Upkeep);
  c.BuildingCount = saturate32(static_cast<int64_t>(c.Shops.count()) + c.Stores.count() +
                               c.Lots.count());
}

void PayWages(Game& game) {
  TCorporation& c = game.corp();
  c.StaffCount = 0;
  int32_t drift = 0;
  if (c.Prestige < 0)
    drift = -1;
  else if (c.Prestige > 10)
    drift = game.random.integer(2);
  struct Department {
    const StaffList* list;
    const EmployeeKind* kind;  // whose starting salary is the yardstick of pay
  };
  const Department departments[] = {{&c.Salesmen, &kSalesmanKind},
                                    {&c.Loaders, &kLoaderKind},
                                    {&c.Managers, &kManagerKind},
                                    {&c.Accountants, &kAccountantKind}};
  for (const Department& d : departments) {
    const double base = static_cast<double>(d.kind->salary * Currency::kScale);
    for (const auto& e : *d.list) {
      TWorkerBee& w = *e.object;
      c.pay(w.Salary, MoneyCategory::Wages);
      w.GainExperience();
      const bool paidEnough = (w.Salary.countAsDouble() - base) / base >=
                              static_cast<double>(static_cast<int64_t>(w.Experience) - 50) / 100.0 + 0.05;
      int64_t mood = static_cast<int64_t>(w.Mood) - 1 + drift;
      if (!paidEnough) mood -= 2;
      if (mood > 100) mood = 100;
      w.SetMood(mood);
      c.StaffCount = saturate32(static_cast<int64_t>(c.StaffCount) + 1);
    }
  }
}

Text CheckStrikes(Game& game) {
  TCorporation& c = game.corp();
  // The striking departments, joined with ", ".
  std::string pattern;
  std::vector<Text> words;
  c.AccountantsWork = c.LoadersWork = c.ManagersWork = c.SalesmenWork = true;
  struct Department {
    const StaffList* list;
    Marked word;
    int loaders, salesmen, accountants, managers;
    bool* flag;
  };
  const Department departments[] = {
      {&c.Loaders, KM_TR("Strikes", "грузчики"), -2, -2, -1, -1, &c.LoadersWork},
      {&c.Salesmen, KM_TR("Strikes", "продавцы"), -2, -2, -1, -1, &c.SalesmenWork},
      {&c.Accountants, KM_TR("Strikes", "бухгалтера"), -1, -1, -1, -1, &c.AccountantsWork},
      {&c.Managers, KM_TR("Strikes", "менеджеры"), -1, -1, -1, -1, &c.ManagersWork},
  };
  for (const Department& d : departments) {
    if (d.list->empty() || TCorporation::AverageMood(*d.list) >= 30) continue;
    if (!words.empty()) pattern += ", ";
    words.emplace_back(d.word);
    pattern += "%" + std::to_string(words.size());
    TCorporation::ShiftMood(c.Loaders, d.loaders);
    TCorporation::ShiftMood(c.Salesmen, d.salesmen);
    TCorporation::ShiftMood(c.Accountants, d.accountants);
    TCorporation::ShiftMood(c.Managers, d.managers);
    *d.flag = false;
    c.StrikePenalty += 1.5;
  }
  if (words.empty()) return {};
  Text list = Text::plain(pattern);
  for (Text& w : words) list.arg(std::move(w));
  c.StrikePenalty += 2.5;
  return Text(KM_TR("Strikes", "Внимание: %1 объявили забастовку!")).arg(std::move(list));
}

void ChargeOverdraft(Game& game, Currency amount) {
  TCorporation& c = game.corp();
  c.OverdraftDate = game.values.clock.GameDate;
  int64_t penalty = static_cast<int64_t>(c.OverdraftPenalty) + 1;
  if (amount > Currency::fromUnits(1000)) ++penalty;
  if (amount > Currency::fromUnits(10000)) ++penalty;
  if (amount > Currency::fromUnits(100000)) ++penalty;
  c.OverdraftPenalty = saturate32(penalty);
  c.pay(Currency::fromDoubleWholeUnits(amount.units() * 0.1 + 1), MoneyCategory::Overdraft);
}

void UpdatePrestige(Game& game) {
  TCorporation& c = game.corp();
  const double now = game.values.clock.GameDate;
  if (c.OverdraftPenalty > 0 && now - 14 > c.OverdraftDate) {
    c.OverdraftDate = now - 7;
    c.OverdraftPenalty -= 1;
  }
  int64_t mgr = 0;
  for (const auto& e : c.Managers) {
    const int32_t x = e.object->Experience;
    mgr += x / 2 + (x >= 90 ? 100 : 0);
  }
  const double raw = std::sqrt(c.StaffCount / 2.0) + static_cast<double>(mgr) / 200 +
                     c.Office->Level - c.OverdraftPenalty - c.PausePenalty - c.StrikePenalty +
                     c.ResultPoints;
  int64_t prestige = roundToInt32(raw);
  if (c.PrestigeBonusUntil > now) prestige += 3;
  for (const auto& e : c.Shops)
    if (e.object->Level > 2) ++prestige;
  c.Prestige = saturate32(prestige);
  const int32_t share = roundToInt32(c.Shops.count() / 5.0 + c.Prestige / 2.0 + 1);
  c.MarketShare = share < 1 ? 1 : (share > 100 ? 100 : share);
}

void DailyReport(Game& game) {
  TCorporation& c = game.corp();
  c.LastDayRevenue = c.TodayRevenue;
  c.TodayRevenue = Currency();
  c.SaleTicks = 0;
  if (c.StrikePenalty > 0) c.StrikePenalty -= 0.1;
  std::string t;
  if (c.MonthIncome > -c.MonthExpense) t = "Your company have good Profit!";
  if (c.LastMonthValue > Currency() &&
      c.CompanyValue().countAsDouble() / c.LastMonthValue.countAsDouble() * 100 - 100 < -40)
    t = "WARNING! YOUR FUNDS IS DANGEROUS LOW!";
  if (c.Prestige < 0) {
    if (!t.empty())
      t += kSpaces20;
    else
      t = "YOUR REPUTATION IS DANGEROUS LOW!";
  }
  if (c.LastDayRevenue == Currency()) {
    t = kSpaces20 + "KELPMARK" + kSpaces20 + "Up market to FULL control!" + kSpaces20 +
        "100% market share + 100% market use to WIN!";
  } else {
    t = kSpaces20 + "Day close: $" + game.money(c.LastDayRevenue) + kSpaces20 + t;
  }
  if (!t.empty() && t.find("   ") != std::string::npos) game.ticker.set(t);
  game.values.market.TickerFree = true;
}

}  // namespace kelpmark
