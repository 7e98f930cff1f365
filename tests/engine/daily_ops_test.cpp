// SPDX-License-Identifier: GPL-3.0-or-later
// Upkeep and wear, the payday, the morning strike check, the overdraft charge,
// prestige and market share, and the day's report on the ticker.
#include <gtest/gtest.h>

#include <string>

#include "engine/daily_ops.h"
#include "engine/game_fixture.h"
#include "model/company_builder.h"
#include "model/random_sequence.h"

using kelpmark::Currency;
using kmtest::addBuilding;
using kmtest::addWorker;
using kmtest::GameWithCompany;

namespace {

Currency units(int64_t u) { return Currency::fromUnits(u); }
Currency count(int64_t c) { return Currency::fromCount(c); }

// What one day's upkeep costs the company.
Currency upkeepCost(GameWithCompany& g) {
  const Currency before = g.c().Money;
  kelpmark::PayUpkeep(g.game);
  return before - g.c().Money;
}

}  // namespace

TEST(Upkeep, ShopsPayARepairSurchargeInWholeUnitsBelowHalfCondition) {
  struct Case {
    int64_t upkeep;
    int condition;  // before the day's wear of 4
    int64_t cost;
  };
  for (const Case k : {Case{10, 404, 16},   // 10 + 10 * 600 / 1000
                       Case{70, 504, 70},   // 500 is not below half
                       Case{70, 500, 105},  // 496: 70 * 504 / 1000 = 35.28
                       Case{5, 304, 9},     // 300: 3.5 rounds to 4
                       Case{5, 104, 9}}) {  // 100: 4.5 rounds to 4
    GameWithCompany g;
    auto& shop = addBuilding<kelpmark::TShop>(g.c().Shops, k.condition);
    shop.Upkeep = units(k.upkeep);
    EXPECT_EQ(upkeepCost(g), units(k.cost)) << k.upkeep << " at " << k.condition;
    EXPECT_EQ(shop.Condition, k.condition - 4);
    EXPECT_EQ(g.c().MonthExpense, -units(k.cost));
  }
}

TEST(Upkeep, StoresKeepTheirSurchargeToTheTenThousandthAndLotsPayNone) {
  GameWithCompany g;
  auto& store = addBuilding<kelpmark::TSmallStore>(g.c().Stores, 404);  // 401 after wear
  EXPECT_EQ(upkeepCost(g), count(959400));  // 60 + 60 * 599 / 1000 = 95.94
  EXPECT_EQ(store.Condition, 401);

  GameWithCompany ties;
  auto& a = addBuilding<kelpmark::TSmallStore>(ties.c().Stores, 303);
  auto& b = addBuilding<kelpmark::TSmallStore>(ties.c().Stores, 103);
  a.Upkeep = count(5);
  b.Upkeep = count(5);
  // 5 * 700 / 1000 = 3.5 counts rounds to 4; 5 * 900 / 1000 = 4.5 rounds to 4.
  EXPECT_EQ(upkeepCost(ties), count(5 + 4 + 5 + 4));

  GameWithCompany lots;
  auto& lot = addBuilding<kelpmark::TLot>(lots.c().Lots, 10);
  EXPECT_EQ(upkeepCost(lots), units(15));
  EXPECT_EQ(lot.Condition, 3);

  GameWithCompany office;
  EXPECT_EQ(upkeepCost(office), Currency());
  office.c().Office->Level = 3;
  EXPECT_EQ(upkeepCost(office), units(200));  // (3 - 1)^2 * 50
}

TEST(Upkeep, WornOutBuildingsAreSoldAndTheNextOneIsStillWorn) {
  GameWithCompany g;
  auto& first = addBuilding<kelpmark::TShop>(g.c().Shops, 3);
  auto& second = addBuilding<kelpmark::TShop>(g.c().Shops, 1000);
  addBuilding<kelpmark::TLot>(g.c().Lots);
  // First shop: 70 + surcharge 70 * 1001 / 1000 = 70.07 -> 70, sold at -1 for
  // 0.8 * 7500 * -1 / 1000 = -6. Second shop: 70. Lot: 15.
  EXPECT_EQ(upkeepCost(g), units(70 + 70 + 6 + 70 + 15));
  ASSERT_EQ(g.c().Shops.size(), 1u);
  EXPECT_EQ(&g.c().Shops[0], &second);
  EXPECT_EQ(second.Condition, 996);
  EXPECT_EQ(g.c().BuildingCount, 2);
  (void)first;
}

// Upkeep days: a new shop pays the surcharge from its 126th day (496) and is sold
// on its 251st (-4); a lot is sold on its 143rd (-1), a store on its 334th (-2).
TEST(Upkeep, LifetimesOfNewBuildings) {
  GameWithCompany g;
  auto& shop = addBuilding<kelpmark::TShop>(g.c().Shops);
  addBuilding<kelpmark::TLot>(g.c().Lots);
  addBuilding<kelpmark::TSmallStore>(g.c().Stores);
  g.c().Money = units(1000000);
  for (int day = 1; day <= 334; ++day) {
    const Currency paid = upkeepCost(g);
    if (day == 125) {
      EXPECT_EQ(shop.Condition, 500);
      EXPECT_EQ(paid, units(70 + 15 + 60));
    }
    if (day == 126) {
      EXPECT_EQ(paid, units(70 + 35 + 15 + 60));  // 70 * 504 / 1000 = 35.28
    }
    EXPECT_EQ(g.c().Lots.size(), day < 143 ? 1u : 0u) << "day " << day;
    EXPECT_EQ(g.c().Shops.size(), day < 251 ? 1u : 0u) << "day " << day;
    EXPECT_EQ(g.c().Stores.size(), day < 334 ? 1u : 0u) << "day " << day;
  }
}

TEST(Payday, PaidEnoughWhenTheRaiseCoversExperience) {
  GameWithCompany g;
  // Experience 51 after the gain needs (S - 75) / 75 >= 0.06.
  auto& enough = addWorker<kelpmark::TSaler>(g.c().Salesmen, 50, 70);
  enough.Salary = units(80);
  auto& short_ = addWorker<kelpmark::TSaler>(g.c().Salesmen, 50, 70);
  short_.Salary = units(79);
  // Experience 50 after the gain needs exactly 5% over the base of the department.
  auto& loader = addWorker<kelpmark::TStuff>(g.c().Loaders, 49, 60);
  loader.Salary = Currency::fromDouble(52.5);
  auto& manager = addWorker<kelpmark::TManager>(g.c().Managers, 49, 60);
  manager.Salary = units(210);
  auto& accountant = addWorker<kelpmark::TAccounter>(g.c().Accountants, 49, 60);
  accountant.Salary = Currency::fromDouble(157.5);
  auto& almost = addWorker<kelpmark::TAccounter>(g.c().Accountants, 49, 60);
  almost.Salary = count(1574999);
  auto& starter = addWorker<kelpmark::TStuff>(g.c().Loaders, 50, 1);  // the base salary
  g.c().StaffCount = 99;
  g.game.random.setSeed(5);

  kelpmark::PayWages(g.game);
  EXPECT_EQ(g.game.random.seed(), 5u);  // prestige 0: no drift draw
  EXPECT_EQ(enough.Experience, 51);
  EXPECT_EQ(enough.Mood, 69);
  EXPECT_EQ(short_.Mood, 67);
  EXPECT_EQ(loader.Mood, 59);
  EXPECT_EQ(manager.Mood, 59);
  EXPECT_EQ(accountant.Mood, 59);
  EXPECT_EQ(almost.Mood, 57);
  EXPECT_EQ(starter.Mood, 0);  // 1 - 3, kept at 0
  EXPECT_EQ(g.c().StaffCount, 7);
  EXPECT_EQ(g.c().Money, units(10000) - units(80 + 79 + 210 + 50) -
                             Currency::fromDouble(52.5 + 157.5) - count(1574999));
}

TEST(Payday, MoodDriftIsDrawnOnceAndOnlyAbovePrestigeTen) {
  for (int prestige : {-1, 0, 10, 11, 40}) {
    GameWithCompany g;
    g.c().Prestige = prestige;
    auto& a = addWorker<kelpmark::TSaler>(g.c().Salesmen, 50, 50);
    a.Salary = units(200);  // paid enough
    auto& b = addWorker<kelpmark::TStuff>(g.c().Loaders, 100, 100);
    b.Salary = units(200);
    g.game.random.setSeed(1234);
    kmtest::DrawSequence r(1234);
    const int drift = prestige < 0 ? -1 : prestige <= 10 ? 0 : r.integer(2);
    kelpmark::PayWages(g.game);
    EXPECT_EQ(g.game.random.seed(), r.seed()) << prestige;
    EXPECT_EQ(a.Mood, 50 - 1 + drift) << prestige;
    EXPECT_EQ(b.Mood, drift > 0 ? 100 : 99 + drift) << prestige;
    EXPECT_EQ(b.Experience, 100);
  }
}

TEST(Strikes, AnEarlierStrikeCanPushTheNextDepartmentUnder) {
  GameWithCompany g;
  auto& loader = addWorker<kelpmark::TStuff>(g.c().Loaders, 50, 29);
  auto& salesman = addWorker<kelpmark::TSaler>(g.c().Salesmen, 50, 31);
  auto& accountant = addWorker<kelpmark::TAccounter>(g.c().Accountants, 50, 60);
  auto& manager = addWorker<kelpmark::TManager>(g.c().Managers, 50, 60);
  g.c().StrikePenalty = 0.5;
  EXPECT_EQ(kelpmark::CheckStrikes(g.game).russian(), "Внимание: грузчики, продавцы объявили забастовку!");
  EXPECT_FALSE(g.c().LoadersWork);
  EXPECT_FALSE(g.c().SalesmenWork);
  EXPECT_TRUE(g.c().AccountantsWork);
  EXPECT_TRUE(g.c().ManagersWork);
  EXPECT_EQ(loader.Mood, 25);  // -2 for each of the two strikes
  EXPECT_EQ(salesman.Mood, 27);
  EXPECT_EQ(accountant.Mood, 58);
  EXPECT_EQ(manager.Mood, 58);
  EXPECT_DOUBLE_EQ(g.c().StrikePenalty, 0.5 + 1.5 + 1.5 + 2.5);

  // The next morning everybody is back unless the mood is still low.
  loader.Mood = 30;
  salesman.Mood = 30;
  EXPECT_EQ(kelpmark::CheckStrikes(g.game).russian(), "");
  EXPECT_TRUE(g.c().LoadersWork && g.c().SalesmenWork);
  EXPECT_DOUBLE_EQ(g.c().StrikePenalty, 6.0);
}

TEST(Strikes, AccountantsStrikeLowersManagersAndEmptyDepartmentsNeverStrike) {
  GameWithCompany g;
  addWorker<kelpmark::TAccounter>(g.c().Accountants, 50, 20);
  addWorker<kelpmark::TAccounter>(g.c().Accountants, 50, 39);  // average 29
  auto& manager = addWorker<kelpmark::TManager>(g.c().Managers, 50, 30);
  EXPECT_EQ(kelpmark::CheckStrikes(g.game).russian(),
            "Внимание: бухгалтера, менеджеры объявили забастовку!");
  EXPECT_EQ(manager.Mood, 28);
  EXPECT_FALSE(g.c().AccountantsWork);
  EXPECT_FALSE(g.c().ManagersWork);
  EXPECT_TRUE(g.c().LoadersWork);  // nobody there to strike
  EXPECT_DOUBLE_EQ(g.c().StrikePenalty, 5.5);
}

TEST(Overdraft, ChargeAndPenaltyPointsByDebt) {
  struct Case {
    double debt;
    int64_t charge;
    int points;
  };
  for (const Case k : {Case{500, 51, 1}, Case{5000, 501, 2}, Case{200000, 20001, 4},
                       Case{1000, 101, 1}, Case{10000, 1001, 2}, Case{1000.0001, 101, 2},
                       Case{15, 2, 1},     // 15 * 0.1 + 1 = 2.5 rounds to 2
                       Case{25, 4, 1}}) {  // 3.5 rounds to 4
    GameWithCompany g;
    g.game.values.clock.GameDate = 36950.0;
    g.c().OverdraftPenalty = 1;
    kelpmark::ChargeOverdraft(g.game, Currency::fromDouble(k.debt));
    EXPECT_EQ(g.c().Money, units(10000 - k.charge)) << k.debt;
    EXPECT_EQ(g.c().OverdraftPenalty, 1 + k.points) << k.debt;
    EXPECT_EQ(g.c().OverdraftDate, 36950.0);
  }
}

TEST(Prestige, StaffManagersOfficePenaltiesBonusAndEliteShops) {
  GameWithCompany g;
  g.game.values.clock.GameDate = 36950.5;
  g.c().StaffCount = 8;                                    // sqrt(4) = 2
  addWorker<kelpmark::TManager>(g.c().Managers, 90, 50);   // 45 + 100
  addWorker<kelpmark::TManager>(g.c().Managers, 51, 50);   // 25
  g.c().Office->Level = 2;
  g.c().OverdraftPenalty = 1;
  g.c().OverdraftDate = 36950.0;
  g.c().PausePenalty = 0.4;
  g.c().ResultPoints = -1;
  // 2 + 170 / 200 + 2 - 1 - 0.4 - 0 - 1 = 2.45 -> 2
  kelpmark::UpdatePrestige(g.game);
  EXPECT_EQ(g.c().Prestige, 2);
  EXPECT_EQ(g.c().MarketShare, 2);  // 0 + 1 + 1

  g.c().PrestigeBonusUntil = 36950.6;
  addBuilding<kelpmark::TShop>(g.c().Shops).Level = 3;
  addBuilding<kelpmark::TShop>(g.c().Shops).Level = 3;
  addBuilding<kelpmark::TShop>(g.c().Shops).Level = 2;
  kelpmark::UpdatePrestige(g.game);
  EXPECT_EQ(g.c().Prestige, 2 + 3 + 2);
  EXPECT_EQ(g.c().MarketShare, 5);  // 3 / 5 + 7 / 2 + 1 = 5.1

  g.c().PrestigeBonusUntil = 36950.5;  // not later than the game date: no bonus
  kelpmark::UpdatePrestige(g.game);
  EXPECT_EQ(g.c().Prestige, 4);
}

TEST(Prestige, RoundingAndMarketShareLimits) {
  // Without staff or shops, prestige is round(1 - PausePenalty + ResultPoints) and the
  // market share round(prestige / 2 + 1), both half to even, kept in 1..100.
  struct Case {
    double pause;
    int points, prestige, share;
  };
  for (const Case k : {Case{0.5, 0, 0, 1}, Case{0.5, 1, 2, 2}, Case{0, 0, 1, 2},
                       Case{0, 2, 3, 2}, Case{0, 4, 5, 4}, Case{0, -11, -10, 1},
                       Case{0, 249, 250, 100}, Case{1.5, 0, 0, 1}}) {
    GameWithCompany g;
    g.c().PausePenalty = k.pause;
    g.c().ResultPoints = k.points;
    kelpmark::UpdatePrestige(g.game);
    EXPECT_EQ(g.c().Prestige, k.prestige) << k.pause << " " << k.points;
    EXPECT_EQ(g.c().MarketShare, k.share) << k.pause << " " << k.points;
  }
}

// A point is forgiven when GameDate - 14 is strictly later than OverdraftDate, which
// then moves to GameDate - 7; at daily steps on whole days that is 15 days after the
// charge, then every 8 days.
TEST(Prestige, OverdraftPointsFadeAfterTheLastCharge) {
  GameWithCompany g;
  const double day = 36960.0;
  g.c().OverdraftPenalty = 3;
  g.c().OverdraftDate = day - 14;  // not yet: 14 days have to pass strictly
  g.game.values.clock.GameDate = day;
  kelpmark::UpdatePrestige(g.game);
  EXPECT_EQ(g.c().OverdraftPenalty, 3);
  EXPECT_EQ(g.c().Prestige, 1 - 3);

  g.game.values.clock.GameDate = day + 1;
  kelpmark::UpdatePrestige(g.game);
  EXPECT_EQ(g.c().OverdraftPenalty, 2);
  EXPECT_EQ(g.c().OverdraftDate, day + 1 - 7);
  EXPECT_EQ(g.c().Prestige, 1 - 2);
  for (int d = 2; d <= 8; ++d) {
    g.game.values.clock.GameDate = day + d;
    kelpmark::UpdatePrestige(g.game);
  }
  EXPECT_EQ(g.c().OverdraftPenalty, 2);
  g.game.values.clock.GameDate = day + 9;
  kelpmark::UpdatePrestige(g.game);
  EXPECT_EQ(g.c().OverdraftPenalty, 1);
}

TEST(DayReport, BannerOnADayWithoutSales) {
  GameWithCompany g;
  const std::string gap(20, ' ');
  g.c().TodayRevenue = Currency();
  g.c().LastDayRevenue = units(50);
  g.c().SaleTicks = 12;
  g.c().StrikePenalty = 1.0;
  g.c().MonthIncome = units(100);  // a profitable month still shows the banner
  g.market().TickerFree = false;
  kelpmark::DailyReport(g.game);
  EXPECT_EQ(g.game.ticker.firstLine(), gap + "KELPMARK" + gap + "Up market to FULL control!" + gap +
                                           "100% market share + 100% market use to WIN!");
  EXPECT_EQ(g.c().LastDayRevenue, Currency());
  EXPECT_EQ(g.c().SaleTicks, 0);
  EXPECT_DOUBLE_EQ(g.c().StrikePenalty, 0.9);
  EXPECT_TRUE(g.market().TickerFree);
  g.c().StrikePenalty = 0;
  kelpmark::DailyReport(g.game);
  EXPECT_EQ(g.c().StrikePenalty, 0.0);
}

TEST(DayReport, DayCloseWithProfitFundsAndReputationWarnings) {
  const std::string gap(20, ' ');
  struct Case {
    int64_t income, expense;      // the month so far
    int64_t money, lastMonth;     // for the funds warning
    int prestige;
    std::string tail;
  };
  const std::string profit = "Your company have good Profit!";
  const std::string funds = "WARNING! YOUR FUNDS IS DANGEROUS LOW!";
  for (const Case& k : {
           Case{2000, -1500, 10000, 0, 0, profit},
           Case{1000, -1000, 10000, 0, 0, ""},
           // 5999 / 10000 is a drop of 40.01%; 6000 one of exactly 40%.
           Case{2000, -1500, 5999, 10000, 0, funds},
           Case{2000, -1500, 6000, 10000, 0, profit},
           Case{0, -1500, 5999, -10000, 0, ""},
           Case{2000, -1500, 10000, 0, -1, profit + gap},
           Case{0, -1500, 10000, 0, -1, "YOUR REPUTATION IS DANGEROUS LOW!"},
       }) {
    GameWithCompany g;
    g.c().TodayRevenue = Currency::fromDouble(1234.5);
    g.c().MonthIncome = units(k.income);
    g.c().MonthExpense = units(k.expense);
    g.c().Money = units(k.money);
    g.c().LastMonthValue = units(k.lastMonth);
    g.c().Prestige = k.prestige;
    kelpmark::DailyReport(g.game);
    // With prestige -1 the company value is 1% lower; it stays above the warning mark.
    EXPECT_EQ(g.game.ticker.firstLine(), gap + "Day close: $1234.5" + gap + k.tail)
        << k.income << " " << k.money << " " << k.prestige;
    EXPECT_EQ(g.c().LastDayRevenue, Currency::fromDouble(1234.5));
  }
}
