// SPDX-License-Identifier: GPL-3.0-or-later
// The purchase limit and the bargaining roll.
#include <gtest/gtest.h>

#include <cmath>

#include "model/company_builder.h"
#include "model/corporation.h"
#include "model/engine_values.h"
#include "model/random_sequence.h"

using kelpmark::Currency;
using kelpmark::TCorporation;
using kmtest::addBuilding;
using kmtest::addWorker;

namespace {

Currency units(int64_t u) { return Currency::fromUnits(u); }
Currency price(double perKg) { return Currency::fromDouble(perKg); }

// A company with `stores` new stores and `loaders` loaders of the given experience
// (each carries 2 kg per point of experience).
TCorporation company(int stores, int loaders, int experience = 50) {
  TCorporation c;
  for (int i = 0; i < stores; ++i) addBuilding<kelpmark::TSmallStore>(c.Stores);
  for (int i = 0; i < loaders; ++i) addWorker<kelpmark::TStuff>(c.Loaders, experience, 70);
  return c;
}

}  // namespace

TEST(PurchaseLimit, LoadersRoomAndRoundingTowardZero) {
  TCorporation none = company(1, 0);
  EXPECT_EQ(none.MaxPurchase(price(8)), 0);

  TCorporation one = company(1, 1);  // one new loader: experience 50
  EXPECT_EQ(one.MaxPurchase(price(8)), 100);
  one.LoadersWork = false;
  EXPECT_EQ(one.MaxPurchase(price(8)), 0);

  TCorporation five = company(1, 5);
  EXPECT_EQ(five.MaxPurchase(price(8)), 500);
  five.Loaders[0].Experience = 49;  // 498 kg: down to 400
  EXPECT_EQ(five.MaxPurchase(price(8)), 400);
  five.Loaders[0].Experience = 50;
  five.FishStock = 4750;  // room 250
  EXPECT_EQ(five.MaxPurchase(price(8)), 200);
  five.FishStock = 4950;  // room 50
  EXPECT_EQ(five.MaxPurchase(price(8)), 0);
  five.FishStock = 5150;  // more fish than room: -150 rounds toward zero to -100
  EXPECT_EQ(five.MaxPurchase(price(8)), -100);

  TCorporation noStore = company(0, 5);
  EXPECT_EQ(noStore.MaxPurchase(price(8)), 0);
}

TEST(PurchaseLimit, SpendsAtMostMoneyOverOnePointZeroOne) {
  // 10000 at 8 per kg: 1200 * 8 = 9600 fits into 10000 / 1.01 = 9900.99, 1300 * 8 does not.
  TCorporation c = company(1, 10, 100);  // 2000 kg
  EXPECT_EQ(c.MaxPurchase(price(8)), 1200);
  // Exactly at the limit: 1010 / 1.01 = 1000 pays for 100 kg at 10.
  c.Money = units(1010);
  EXPECT_EQ(c.MaxPurchase(price(10)), 100);
  c.Money = Currency::fromCount(10099999);
  EXPECT_EQ(c.MaxPurchase(price(10)), 0);
  // With debts the limit goes below zero: the first multiple of 100 whose cost is
  // at most -100 / 1.01 = -99.0099 is -100 (-800).
  c.Money = units(-100);
  EXPECT_EQ(c.MaxPurchase(price(8)), -100);
  c.Money = units(-1000);  // -990.099: -200 costs -1600
  EXPECT_EQ(c.MaxPurchase(price(8)), -200);
  // A price of 0 or less (only from a damaged file) skips the money test.
  c.Money = Currency();
  EXPECT_EQ(c.MaxPurchase(Currency()), 2000);
  EXPECT_EQ(c.MaxPurchase(price(-3)), 2000);
  c.Money = units(-5000);
  EXPECT_EQ(c.MaxPurchase(Currency()), 2000);
}

// The leading manager has the largest Experience + Mood / 2 in real numbers; a tie
// goes to the first in the list.
TEST(Bargaining, LeadingManagerByExperienceAndHalfTheMood) {
  kelpmark::StaffList managers;
  EXPECT_EQ(TCorporation::PickWorker(managers, true, true), nullptr);
  auto& first = addWorker<kelpmark::TManager>(managers, 60, 80);    // 100
  auto& second = addWorker<kelpmark::TManager>(managers, 59, 83);   // 100.5
  EXPECT_EQ(TCorporation::PickWorker(managers, true, true), &second);
  second.Mood = 82;  // 100 again: the first one leads
  EXPECT_EQ(TCorporation::PickWorker(managers, true, true), &first);
}

TEST(Bargaining, UnskilledRollWithoutManagersBelowOneHundredKgOrDuringAStrike) {
  kelpmark::EngineValues values;
  values.market.WholesalePrice = units(8);
  values.market.RetailPrice = units(10);
  for (uint32_t seed = 0; seed < 40; ++seed) {
    const int expected = 1 - kmtest::DrawSequence(seed).integer(10);
    kelpmark::Random random;

    TCorporation noManagers;
    random.setSeed(seed);
    EXPECT_EQ(noManagers.BargainDiscount(5000, random, values), units(expected));
    EXPECT_EQ(random.seed(), kmtest::seedAfter(seed, 1));

    TCorporation small;
    addWorker<kelpmark::TManager>(small.Managers, 100, 100);
    random.setSeed(seed);
    EXPECT_EQ(small.BargainDiscount(99, random, values), units(expected));
    EXPECT_EQ(random.seed(), kmtest::seedAfter(seed, 1));

    small.ManagersWork = false;
    random.setSeed(seed);
    EXPECT_EQ(small.BargainDiscount(1000, random, values), units(expected));
  }
}

// A manager with experience 50 and mood 70 draws nothing in steps 4 to 8; then the
// team draw (Random(1), always 0) and, above 500 x 0 months, the bulk draw
// Random(round(sqrt(100 / 100) + 1)) = Random(2). Two draws in all.
TEST(Bargaining, AverageManagerDrawsOnlyTheTeamAndBulkNumbers) {
  kelpmark::EngineValues values;
  values.market.WholesalePrice = units(8);
  values.market.RetailPrice = units(10);
  TCorporation c;
  addWorker<kelpmark::TManager>(c.Managers, 50, 70);
  for (uint32_t seed = 0; seed < 40; ++seed) {
    kmtest::DrawSequence draws(seed);
    draws.integer(1);  // the team draw
    const int d = 2 + draws.integer(2);
    kelpmark::Random random;
    random.setSeed(seed);
    EXPECT_EQ(c.BargainDiscount(100, random, values), units(d)) << "seed " << seed;
    EXPECT_EQ(random.seed(), draws.seed()) << "seed " << seed;
  }
}

// A top manager, three managers, a bulk order, a retail price below the wholesale
// price and a wholesale price above the high mark: every condition that draws holds.
TEST(Bargaining, TopManagerDrawsEveryStepInOrder) {
  kelpmark::EngineValues values;
  values.market.WholesalePrice = price(10.5);
  values.market.RetailPrice = units(7);
  values.bargain.MonthsElapsed = 1;
  TCorporation c;
  addWorker<kelpmark::TManager>(c.Managers, 60, 60);
  addWorker<kelpmark::TManager>(c.Managers, 100, 90);  // leads: 145
  addWorker<kelpmark::TManager>(c.Managers, 90, 100);  // 140
  for (uint32_t seed = 0; seed < 60; ++seed) {
    kmtest::DrawSequence r(seed);
    int64_t d = 1 + r.integer(2);  // experience 56 or more
    d += r.integer(3);             // above 70
    d += 1 + r.integer(2);         // above 85
    d += 2;                        // above 99
    d += 1;                        // mood above 80
    d = static_cast<int64_t>(std::nearbyint(std::sqrt(r.integer(3) + 1.0) + static_cast<double>(d)));
    d += r.integer(3);      // 1000 > 500: Random(round(sqrt(5) + 1)) = Random(3)
    d += 1 + r.integer(3);  // retail below wholesale
    d += 1 + r.integer(2);  // wholesale above 10
    kelpmark::Random random;
    random.setSeed(seed);
    EXPECT_EQ(c.BargainDiscount(1000, random, values), units(d)) << "seed " << seed;
    EXPECT_EQ(random.seed(), r.seed()) << "seed " << seed;
  }
}

// A small lot two months in (below 200 x 2 kg) by a gloomy manager at a low price:
// the discount can turn into a surcharge.
TEST(Bargaining, SmallLotAndLowPriceLowerTheDiscount) {
  kelpmark::EngineValues values;
  values.market.WholesalePrice = price(7.5);
  values.market.RetailPrice = units(10);
  values.bargain.MonthsElapsed = 2;
  TCorporation c;
  addWorker<kelpmark::TManager>(c.Managers, 60, 40);
  bool negative = false;
  for (uint32_t seed = 0; seed < 60; ++seed) {
    kmtest::DrawSequence r(seed);
    int64_t d = 1 + r.integer(2);  // experience 60
    d -= 1;                        // mood below 50
    d += 1 + r.integer(1);         // round(sqrt(0 + 1) + d)
    d -= r.integer(3);             // 100 < 400: Random(round(sqrt(3) + 1)) = Random(3)
    d -= r.integer(3);             // wholesale below 8
    kelpmark::Random random;
    random.setSeed(seed);
    EXPECT_EQ(c.BargainDiscount(100, random, values), units(d)) << "seed " << seed;
    EXPECT_EQ(random.seed(), r.seed()) << "seed " << seed;
    negative = negative || d < 0;
  }
  EXPECT_TRUE(negative);
}
