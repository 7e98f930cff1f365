// SPDX-License-Identifier: GPL-3.0-or-later
// One sales hour: placing the salesmen, the capacity and stock limits, revenue, sales
// tax, the accountants' saving and the running averages.
#include <gtest/gtest.h>

#include "engine/game_fixture.h"
#include "engine/sales.h"
#include "model/company_builder.h"

using kelpmark::Currency;
using kmtest::addBuilding;
using kmtest::addWorker;

namespace {

Currency units(int64_t u) { return Currency::fromUnits(u); }

// Market level, demand and boost 1, retail price 10, 1000 kg in stock. A salesman
// with experience 60 and mood 80 sells (120 + 80 - 80) / 12 = 10 kg in a shop; one
// with mood 60 sells (120 + 60 - 60) / 12 x (1 + 1) / 2 = 10 kg at a stall.
struct Sales : kmtest::GameWithCompany {
  Sales() {
    market().MarketLevel = 1;
    market().DemandLevel = 1;
    market().CampaignBoost = 1;
    market().ShopPriceFactor = 1;
    market().RetailPrice = units(10);
    c().FishStock = 1000;
  }
  void shops(int n) {
    for (int i = 0; i < n; ++i) addBuilding<kelpmark::TShop>(c().Shops);
  }
  void lots(int n) {
    for (int i = 0; i < n; ++i) addBuilding<kelpmark::TLot>(c().Lots);
  }
  void shopSeller() { addWorker<kelpmark::TSaler>(c().Salesmen, 60, 80); }
  void lotSeller() { addWorker<kelpmark::TSaler>(c().Salesmen, 60, 60); }
  bool sell() { return kelpmark::SellHour(game); }
};

}  // namespace

// One shop, one stall, one salesman: he works in the shop. Revenue
// (1 + 1/30) x 10 kg x 10 = 103.33 -> 103; January tax 10.3; the balance is rounded
// to whole units after each of the two bookings.
TEST(SalesHour, OneSalesmanWorksInTheShopFirst) {
  Sales s;
  s.shops(1);
  s.lots(1);
  s.shopSeller();
  EXPECT_FALSE(s.sell());
  EXPECT_EQ(s.c().FishStock, 990);
  EXPECT_EQ(s.game.values.sales.MarketCapacity, 200.0);  // 100 x 2 x 1
  EXPECT_EQ(s.game.values.sales.TaxRate, 10);
  EXPECT_EQ(s.c().TodayRevenue, units(103));
  EXPECT_EQ(s.c().Money, units(10093));  // 10103 - 10.3 = 10092.7
  EXPECT_EQ(s.c().MonthIncome, units(103));
  EXPECT_EQ(s.c().MonthExpense, units(-10));
  EXPECT_EQ(s.c().SaleTicks, 1);
  EXPECT_EQ(s.c().MarketUse, 3);  // (10 / 200 x 100 + 0) / 2 + 0.5 = 3
  EXPECT_EQ(s.c().TaxSavedShare, 0.0);

  // From February the tax is 20%: 10103 - 20.6 = 10082.4.
  Sales feb;
  feb.shops(1);
  feb.shopSeller();
  feb.c().TaxHolidayOver = true;
  feb.sell();
  EXPECT_EQ(feb.game.values.sales.TaxRate, 20);
  EXPECT_EQ(feb.c().Money, units(10082));
}

// Two shops, one stall, four salesmen: 1 and 2 in the shops, 3 at the stall, 4 as an
// additional shop seller. Revenue 31/30 x 30 x 10 + 10 x 10 = 410.
TEST(SalesHour, SalesmenArePlacedShopsThenStallsThenAsExtraShopSellers) {
  Sales s;
  s.shops(2);
  s.lots(1);
  s.shopSeller();
  s.shopSeller();
  s.lotSeller();
  s.shopSeller();
  s.sell();
  EXPECT_EQ(s.c().FishStock, 960);
  EXPECT_EQ(s.c().TodayRevenue, units(410));

  // A salesman who would sell a negative amount sells nothing.
  Sales low;
  low.shops(2);
  addWorker<kelpmark::TSaler>(low.c().Salesmen, 0, 0);  // (0 + 0 - 80) / 12 < 0
  low.shopSeller();
  low.sell();
  EXPECT_EQ(low.c().FishStock, 990);
}

// Market share 1: capacity 100 kg. Salesmen with experience and mood 100 sell 18.33 kg
// in a shop and 20 at a stall; seven of them with one shop and one stall would sell
// 130, so the shops are cut to 100 - 20 = 80. Market use (100 + 0) / 2 + 0.5 = 50.5
// rounds to 50.
TEST(SalesHour, CapacityCutsTheShopsLast) {
  Sales s;
  s.c().MarketShare = 1;
  s.shops(1);
  s.lots(1);
  for (int i = 0; i < 7; ++i) addWorker<kelpmark::TSaler>(s.c().Salesmen, 100, 100);
  s.sell();
  EXPECT_EQ(s.c().FishStock, 900);
  EXPECT_EQ(s.c().TodayRevenue, units(1027));  // 31/30 x 80 x 10 + 200 = 1026.67
  EXPECT_EQ(s.c().MarketUse, 50);
}

TEST(SalesHour, StockLimitsShopsFirstThenStalls) {
  // Shop demand 150 (boost 5) against 100 kg in stock: all from the shops.
  Sales s;
  s.market().CampaignBoost = 5;
  s.c().FishStock = 100;
  s.shops(3);
  s.lots(1);
  for (int i = 0; i < 5; ++i) s.shopSeller();
  s.sell();
  EXPECT_EQ(s.c().FishStock, 0);
  EXPECT_EQ(s.c().TodayRevenue, units(1033));  // 31/30 x 100 x 10

  // 25 kg: 10 from the shop, the stalls cut from 20 to 15, no extra sellers.
  Sales t;
  t.c().FishStock = 25;
  t.shops(1);
  t.lots(2);
  t.shopSeller();
  t.lotSeller();
  t.lotSeller();
  t.shopSeller();
  t.sell();
  EXPECT_EQ(t.c().FishStock, 0);
  EXPECT_EQ(t.c().TodayRevenue, units(253));  // 103.33 + 150
}

// Two accountants with experience 50 cover 200 of revenue; at mood 100 the covered
// amount counts twice: at 20% tax they save 20 x 400 / 100 / 2 = 40.
TEST(SalesHour, AccountantsSaveTaxOnTheRevenueTheyCover) {
  kmtest::GameWithCompany g;
  g.game.values.sales.TaxRate = 20;
  EXPECT_EQ(kelpmark::TaxSaving(g.game, units(500)), 0.0);  // no accountants
  auto& a = addWorker<kelpmark::TAccounter>(g.c().Accountants, 50, 100);
  auto& b = addWorker<kelpmark::TAccounter>(g.c().Accountants, 50, 100);
  EXPECT_DOUBLE_EQ(kelpmark::TaxSaving(g.game, units(500)), 40.0);
  EXPECT_DOUBLE_EQ(kelpmark::TaxSaving(g.game, units(150)), 30.0);  // 20 x 300 / 100 / 2
  a.Mood = 50;
  b.Mood = 51;  // average 50
  EXPECT_DOUBLE_EQ(kelpmark::TaxSaving(g.game, units(500)), 30.0);
  // 3/10000 + 3/10000 x 50 / 100 = 4.5/10000, kept to 1/10000 half to even: 4.
  EXPECT_DOUBLE_EQ(kelpmark::TaxSaving(g.game, Currency::fromCount(3)), 20 * 0.0004 / 100 / 2);
  g.game.values.sales.TaxRate = 10;
  EXPECT_DOUBLE_EQ(kelpmark::TaxSaving(g.game, units(500)), 15.0);
  g.c().AccountantsWork = false;
  EXPECT_EQ(kelpmark::TaxSaving(g.game, units(500)), 0.0);

  // One stall selling 10 kg at 50: revenue 500, tax 100, saving 40.
  Sales s;
  s.market().RetailPrice = units(50);
  s.c().TaxHolidayOver = true;
  s.lots(1);
  s.lotSeller();
  addWorker<kelpmark::TAccounter>(s.c().Accountants, 50, 100);
  addWorker<kelpmark::TAccounter>(s.c().Accountants, 50, 100);
  s.c().SaleTicks = 2;
  s.c().TaxSavedShare = 0.5;
  s.sell();
  EXPECT_EQ(s.c().Money, units(10440));
  EXPECT_DOUBLE_EQ(s.c().TaxSavedShare, (3 * 0.5 + 0.4) / 4);
}

// Without revenue nothing is divided by the tax; both averages decay by n / (n + 1)
// and the balance is still put on whole units.
TEST(SalesHour, NoRevenueDecaysTheAverages) {
  Sales s;
  s.shops(1);
  s.c().Money = Currency::fromDouble(100.4);
  s.c().TaxSavedShare = 0.5;
  s.c().MarketUse = 61;
  s.sell();
  EXPECT_EQ(s.c().TaxSavedShare, 0.25);
  EXPECT_EQ(s.c().MarketUse, 30);  // 61 / 2 = 30.5 -> 30
  EXPECT_EQ(s.c().Money, units(100));
  EXPECT_EQ(s.c().FishStock, 1000);

  // During a salesmen's strike nothing at all changes.
  Sales strike;
  strike.shops(1);
  strike.shopSeller();
  strike.c().SalesmenWork = false;
  strike.game.values.sales.MarketCapacity = -1;
  strike.sell();
  EXPECT_EQ(strike.c().FishStock, 1000);
  EXPECT_EQ(strike.c().SaleTicks, 0);
  EXPECT_EQ(strike.game.values.sales.MarketCapacity, -1.0);
  EXPECT_EQ(strike.game.values.sales.TaxRate, 20);
}

// Market use becomes 100 once the running average reaches 99: (99 + 99) / 2 + 0.5.
TEST(SalesHour, MarketUseReachesOneHundredAtNinetyNine) {
  for (int share : {1, 100}) {
    Sales s;
    s.c().MarketShare = share;
    s.market().MarketLevel = 1.0 / share;  // capacity 100 kg either way
    s.market().CampaignBoost = 1000;
    s.shops(1);
    addWorker<kelpmark::TSaler>(s.c().Salesmen, 100, 100);
    s.c().FishStock = 99;
    s.c().MarketUse = 99;
    const bool won = s.sell();
    EXPECT_EQ(s.c().FishStock, 0);
    EXPECT_EQ(s.c().MarketUse, 100);
    EXPECT_EQ(won, share == 100);
  }
}
