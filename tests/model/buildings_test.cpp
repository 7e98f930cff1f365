// SPDX-License-Identifier: GPL-3.0-or-later
// Buildings and employees: starting values, resale value, upgrades, mood and experience.
#include <gtest/gtest.h>

#include <set>

#include "model/buildings.h"
#include "model/random.h"
#include "model/random_sequence.h"
#include "model/workers.h"

using kelpmark::Currency;
using kelpmark::Random;

namespace {

Currency units(int64_t u) { return Currency::fromUnits(u); }

}  // namespace

TEST(Buildings, ResaleValueIsEightyPercentScaledByConditionInWholeUnits) {
  kelpmark::TShop shop;
  EXPECT_EQ(shop.ResaleValue(), units(6000));
  shop.Condition = 500;
  EXPECT_EQ(shop.ResaleValue(), units(3000));
  // A worn-out shop at -4 costs 0.8 * 7500 * -4 / 1000 = -24 to get rid of.
  shop.Condition = -4;
  EXPECT_EQ(shop.ResaleValue(), units(-24));

  kelpmark::TSmallStore store;
  store.Condition = 899;  // 0.8 * 3000 * 899 / 1000 = 2157.6
  EXPECT_EQ(store.ResaleValue(), units(2158));

  // With a value of 625, 0.8 * 625 * c / 1000 is c / 2: halves round to even.
  kelpmark::TLot lot;
  lot.Value = units(625);
  lot.Condition = 1;
  EXPECT_EQ(lot.ResaleValue(), Currency());
  lot.Condition = 3;
  EXPECT_EQ(lot.ResaleValue(), units(2));
  lot.Condition = 5;
  EXPECT_EQ(lot.ResaleValue(), units(2));
  lot.Condition = -3;
  EXPECT_EQ(lot.ResaleValue(), units(-2));
  // A value with cents is taken as it stands: 0.8 * 1000.5 * 1000 / 1000 = 800.4.
  lot.Value = Currency::fromCount(10005000);
  lot.Condition = 1000;
  EXPECT_EQ(lot.ResaleValue(), units(800));
}

TEST(Buildings, ShopAndStoreUpgradeChains) {
  kelpmark::TShop shop;
  shop.Upgrade();
  EXPECT_EQ(shop.Upkeep, units(140));
  EXPECT_EQ(shop.Level, 2);
  EXPECT_EQ(shop.Value, units(13500));  // 7500 + 2 * 3000
  EXPECT_EQ(shop.TypeName, "Улучшенный магазин");
  shop.Upgrade();
  EXPECT_EQ(shop.Upkeep, units(280));
  EXPECT_EQ(shop.Level, 3);
  EXPECT_EQ(shop.Value, units(22500));  // 13500 + 3 * 3000
  EXPECT_EQ(shop.TypeName, "Элитный магазин");
  shop.Upgrade();  // at its highest level nothing changes
  EXPECT_EQ(shop.Upkeep, units(280));
  EXPECT_EQ(shop.Level, 3);
  EXPECT_EQ(shop.Value, units(22500));

  kelpmark::TSmallStore store;
  store.UpgradeStore();
  EXPECT_EQ(store.Level, 2);
  EXPECT_EQ(store.Value, units(11000));  // 3000 + 2 * 4000
  EXPECT_EQ(store.Upkeep, units(120));
  EXPECT_EQ(store.Capacity, 10000);
  EXPECT_EQ(store.StaffPlaces, 10);
  EXPECT_EQ(store.TypeName, "Склад с погрузчиком");

  kelpmark::TLot lot;
  lot.Upgrade();
  EXPECT_EQ(lot.Level, 1);
  EXPECT_EQ(lot.Upkeep, units(15));
  EXPECT_EQ(lot.TypeName, "Торговый лоток");
}

TEST(Workers, MoodClampAndExperienceLimit) {
  Random random;
  kelpmark::TSaler s(random);
  s.SetMood(130);
  EXPECT_EQ(s.Mood, 100);
  s.SetMood(-5);
  EXPECT_EQ(s.Mood, 0);
  s.SetMood(57);
  EXPECT_EQ(s.Mood, 57);
  s.Experience = 99;
  s.GainExperience();
  EXPECT_EQ(s.Experience, 100);
  s.GainExperience();
  EXPECT_EQ(s.Experience, 100);
  s.Experience = 120;  // from a damaged file: not raised further, not lowered
  s.GainExperience();
  EXPECT_EQ(s.Experience, 120);
}

// The constructor sets experience 50 and draws once: mood 85 - Random(21).
TEST(Workers, ConstructorDrawsOneStartingMoodBetween65And85) {
  std::set<int> moods;
  for (uint32_t seed = 0; seed < 300; ++seed) {
    kmtest::DrawSequence draws(seed);
    const int expected = 85 - draws.integer(21);
    Random random;
    random.setSeed(seed);
    const kelpmark::TManager m(random);
    ASSERT_EQ(m.Mood, expected) << "seed " << seed;
    ASSERT_EQ(random.seed(), draws.seed());
    EXPECT_EQ(m.Experience, 50);
    moods.insert(m.Mood);
  }
  EXPECT_EQ(*moods.begin(), 65);
  EXPECT_EQ(*moods.rbegin(), 85);
}
