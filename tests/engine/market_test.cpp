// SPDX-License-Identifier: GPL-3.0-or-later
// The hourly market update, the daily resets and finished campaigns.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/campaigns.h"
#include "engine/game_fixture.h"
#include "engine/market.h"
#include "model/company_builder.h"
#include "model/random_sequence.h"

using kelpmark::Currency;
using kmtest::GameWithCompany;

namespace {

// The state at the first update of a day: both daily waves at 0.
void startOfDay(GameWithCompany& g, int hour, uint32_t seed) {
  g.game.values.clock.CurrentHour = hour;
  kelpmark::MarketValues& m = g.market();
  m.PricePhase = 0;
  m.DayPhase = 0;
  m.TrendPhase = 6.0;
  m.MarketBias = 0.1;
  m.DemandLevel = 0.9;
  m.WholesaleFactor = 1.0;
  m.RetailFactor = 1.0;
  m.RetailPrice = Currency::fromDouble(10.5);
  g.game.random.setSeed(seed);
}

int64_t toCount(double units) { return static_cast<int64_t>(std::nearbyint(units * 10000)); }

}  // namespace

// At 06:00 the update draws r1 and r2 only; the retail price and the day wave stay.
TEST(MarketUpdate, SixOClockMovesLevelAndWholesalePriceOnly) {
  for (uint32_t seed : {5u, 99u, 123456u}) {
    GameWithCompany g;
    startOfDay(g, 6, seed);
    kmtest::DrawSequence r(seed);
    const double r1 = r.real();
    const double r2 = r.real();
    kelpmark::UpdateMarket(g.game);
    const kelpmark::MarketValues& m = g.market();
    EXPECT_DOUBLE_EQ(m.DemandLevel, 0.9 - 0.0001);
    EXPECT_DOUBLE_EQ(m.WholesaleFactor, 1.00002);
    EXPECT_DOUBLE_EQ(m.RetailFactor, 0.99998);
    EXPECT_DOUBLE_EQ(m.TrendPhase, 6.0044);
    EXPECT_EQ(m.DayPhase, 0.0);
    EXPECT_DOUBLE_EQ(m.PricePhase, 0.51);
    EXPECT_DOUBLE_EQ(m.MarketLevel,
                     1.0 / 10 + (0.9 - 0.0001) + std::cos(6.0044) / 5 + 0.1 + 0 + r1 / 30);
    EXPECT_EQ(m.WholesalePrice.count(), toCount((0.25 + 9 - r2) * 1.00002));
    EXPECT_EQ(m.RetailPrice, Currency::fromDouble(10.5));
    EXPECT_EQ(g.game.random.seed(), r.seed());
  }
}

// With r2 = 0 the first wholesale price of a day is (1/4 + 9) x the factor.
TEST(MarketUpdate, FirstWholesalePriceOfTheDayWithoutRandomDiscount) {
  GameWithCompany g;
  // The seed whose second successor is 0: r2 = 0 / 2^32.
  uint32_t seed = 0;
  const uint32_t inverse = 3645876429u;  // 134775813 * 3645876429 = 1 (mod 2^32)
  for (int i = 0; i < 2; ++i) seed = (seed - 1u) * inverse;
  ASSERT_EQ(kmtest::seedAfter(seed, 2), 0u);
  startOfDay(g, 6, seed);
  g.market().WholesaleFactor = 1.0 - 0.00002;
  kelpmark::UpdateMarket(g.game);
  EXPECT_EQ(g.market().WholesalePrice.count(),
            toCount(9.25 * ((1.0 - 0.00002) + 0.00002)));
  EXPECT_NEAR(g.market().WholesalePrice.units(), 9.25, 0.0001);
}

// Three updates from 06:00: the retail price first changes at 08:00, with the price
// wave already advanced three times; the day wave moves from 07:00.
TEST(MarketUpdate, RetailPriceFromEightOClockWithFourDraws) {
  GameWithCompany g;
  startOfDay(g, 6, 31337);
  kmtest::DrawSequence r(31337);
  kelpmark::UpdateMarket(g.game);
  g.game.values.clock.CurrentHour = 7;
  kelpmark::UpdateMarket(g.game);
  EXPECT_DOUBLE_EQ(g.market().DayPhase, 0.6);
  EXPECT_EQ(g.market().RetailPrice, Currency::fromDouble(10.5));
  for (int i = 0; i < 4; ++i) r.real();
  g.game.values.clock.CurrentHour = 8;
  const double r1 = r.real();
  const double r2 = r.real();
  const double r3 = r.real();
  const double r4 = r.real();
  kelpmark::UpdateMarket(g.game);
  const kelpmark::MarketValues& m = g.market();
  EXPECT_EQ(g.game.random.seed(), r.seed());
  EXPECT_DOUBLE_EQ(m.DayPhase, 1.2);
  const double demand = 0.9 - 0.0001 - 0.0001 - 0.0001;
  const double trend = 6.0 + 0.0044 + 0.0044 + 0.0044;
  EXPECT_NEAR(m.MarketLevel, std::cos(1.2) / 10 + demand + std::cos(trend) / 5 + 0.1 + r1 / 30,
              1e-12);
  EXPECT_NEAR(m.WholesalePrice.units(), (std::cos(1.02) / 4 + 9 - r2) * (1 + 3 * 0.00002),
              0.00005);
  EXPECT_NEAR(m.RetailPrice.units(), (std::cos(1.53) / 2 + 10 + r3 + r4) * (1 - 3 * 0.00002),
              0.00005);
  EXPECT_NEAR(m.PricePhase, 1.53, 1e-12);
}

TEST(MarketUpdate, PrestigeTerm) {
  auto levelWith = [](int prestige) {
    GameWithCompany g;
    startOfDay(g, 10, 4242);
    g.c().Prestige = prestige;
    kelpmark::UpdateMarket(g.game);
    return g.market().MarketLevel;
  };
  const double base = levelWith(0);
  EXPECT_NEAR(levelWith(100) - base, 0.2, 1e-12);   // (sqrt(100) + 100 / 10) / 100
  EXPECT_NEAR(levelWith(-20) - base, -0.2, 1e-12);  // -20 / 100
  EXPECT_NEAR(levelWith(4) - base, 0.024, 1e-12);   // (2 + 0.4) / 100
  EXPECT_NEAR(levelWith(-1) - base, -0.01, 1e-12);
}

TEST(MarketUpdate, TrendWordReachesTheTickerOncePerDay) {
  GameWithCompany g;
  startOfDay(g, 6, 1);
  g.game.ticker.setLines({"NEWS", "OLD"});
  kelpmark::UpdateMarket(g.game);  // the trend wave rises from phase 6.0
  const std::string gap(20, ' ');
  ASSERT_EQ(g.game.ticker.lines().size(), 1u);
  EXPECT_EQ(g.game.ticker.firstLine(), "NEWS" + gap + "Market is Grow!");
  EXPECT_FALSE(g.market().TickerFree);
  kelpmark::UpdateMarket(g.game);
  EXPECT_EQ(g.game.ticker.firstLine(), "NEWS" + gap + "Market is Grow!");

  g.market().TickerFree = true;
  g.game.ticker.set("DAY");
  g.market().TrendPhase = 1.0;  // the wave falls here
  kelpmark::UpdateMarket(g.game);
  EXPECT_EQ(g.game.ticker.firstLine(), "DAY" + gap + "Market is reduced...");
}

TEST(MarketDaily, BiasReturnsWhenNoCampaignEffectRunsAndWavesRestart) {
  GameWithCompany g;
  g.game.values.clock.GameDate = 36900.5;
  g.market().MarketBias = 0.37;
  g.c().CampaignEffectUntil = 36900.6;
  kelpmark::ResetMarketBias(g.game);
  EXPECT_EQ(g.market().MarketBias, 0.37);
  g.c().CampaignEffectUntil = 36900.5;  // not later than the game date
  kelpmark::ResetMarketBias(g.game);
  EXPECT_EQ(g.market().MarketBias, 0.1);

  g.market().DayPhase = 3.3;
  g.market().PricePhase = 2.2;
  kelpmark::ResetDailyPhases(g.game);
  EXPECT_EQ(g.market().DayPhase, 0.0);
  EXPECT_EQ(g.market().PricePhase, 0.0);
}

// Three managers with experience 50, 50 and 51: m = round(50.33) = 50, n = 3, and
// m + n / 2 = 51.5 (a real division).
TEST(Campaigns, SafeKindsUseManagersExperienceAndNumber) {
  auto run = [](int kind, GameWithCompany& g) {
    g.game.values.clock.GameDate = 36900.25;
    for (int e : {50, 50, 51}) kmtest::addWorker<kelpmark::TManager>(g.c().Managers, e, 70);
    g.market().ShopPriceFactor = 0.7;
    g.c().PendingCampaign = kind;
    g.game.random.setSeed(8);
    kelpmark::RunCampaign(g.game);
    EXPECT_EQ(g.c().PendingCampaign, 0) << kind;
    EXPECT_EQ(g.game.random.seed(), 8u) << kind;  // no draw
  };
  GameWithCompany one;
  run(1, one);
  EXPECT_EQ(one.c().PrestigeBonusUntil, 36930.25);
  EXPECT_EQ(one.market().ShopPriceFactor, 1.0);

  GameWithCompany two;
  run(2, two);
  EXPECT_DOUBLE_EQ(two.market().DemandLevel, 0.9 + 0.0515);

  GameWithCompany three;
  run(3, three);
  EXPECT_EQ(three.market().CampaignBoost, 1.3);
  EXPECT_EQ(three.c().CampaignEffectUntil, 36905.25);

  GameWithCompany five;
  run(5, five);
  EXPECT_DOUBLE_EQ(five.market().ShopPriceFactor, 1.0515);

  GameWithCompany seven;
  run(7, seven);
  EXPECT_DOUBLE_EQ(seven.market().WholesaleFactor, 1.0 - 0.01 - 51.5 / 3000);
  EXPECT_EQ(seven.c().CampaignCounter, -1);

  GameWithCompany eight;
  eight.market().CampaignBoost = 1.3;  // adds to whatever set the boost
  run(8, eight);
  EXPECT_DOUBLE_EQ(eight.market().CampaignBoost, 1.3 + 0.1 + 53.0 / 1000);
  EXPECT_EQ(eight.market().ShopPriceFactor, 0.9);
  EXPECT_EQ(eight.c().CampaignEffectUntil, 36907.25);
  EXPECT_EQ(eight.c().CampaignCounter, 1);
  // Campaign 3 after campaign 8 replaces the boost.
  eight.c().PendingCampaign = 3;
  kelpmark::RunCampaign(eight.game);
  EXPECT_EQ(eight.market().CampaignBoost, 1.3);
  EXPECT_EQ(eight.market().ShopPriceFactor, 1.0);
}

TEST(Campaigns, RiskyKindsWithoutManagersFailAfterOneDraw) {
  for (int kind : {4, 6}) {
    GameWithCompany g;
    g.game.values.clock.GameDate = 36900.25;
    g.c().PrestigeBonusUntil = 36920.0;  // a running prestige bonus is cancelled
    g.c().ResultPoints = 1;
    g.c().PendingCampaign = kind;
    g.game.random.setSeed(77);
    kelpmark::RunCampaign(g.game);
    EXPECT_EQ(g.game.random.seed(), kmtest::seedAfter(77, 1)) << kind;
    EXPECT_EQ(g.c().ResultPoints, -1) << kind;
    EXPECT_EQ(g.c().PrestigeBonusUntil, 0.0) << kind;
    EXPECT_EQ(g.market().DemandLevel, 0.9) << kind;
    EXPECT_EQ(g.market().CampaignBoost, 1.0) << kind;
    EXPECT_EQ(g.c().PendingCampaign, 0) << kind;
  }
}

// Kind 4 succeeds outright above an average experience of 70, otherwise when
// Random(m) > 30; kind 6 above 65, otherwise when Random(m) > 20.
TEST(Campaigns, RiskyKindsDrawOnlyBelowTheirExperienceMark) {
  struct Case {
    int kind, experience, threshold;
    bool draws;
  };
  for (const Case k : {Case{4, 71, 30, false}, Case{4, 70, 30, true}, Case{4, 50, 30, true},
                       Case{6, 66, 20, false}, Case{6, 65, 20, true}, Case{6, 40, 20, true}}) {
    int successes = 0, failures = 0;
    for (uint32_t seed = 0; seed < 30; ++seed) {
      GameWithCompany g;
      g.game.values.clock.GameDate = 36900.25;
      kmtest::addWorker<kelpmark::TManager>(g.c().Managers, k.experience, 70);
      g.c().PendingCampaign = k.kind;
      g.game.random.setSeed(seed);
      kmtest::DrawSequence r(seed);
      const bool success = !k.draws || r.integer(k.experience) > k.threshold;
      kelpmark::RunCampaign(g.game);
      EXPECT_EQ(g.game.random.seed(), r.seed());
      if (success) {
        ++successes;
        if (k.kind == 4) {
          EXPECT_DOUBLE_EQ(g.market().DemandLevel, 1.2);
        } else {
          EXPECT_EQ(g.market().CampaignBoost, 1.2);
          EXPECT_EQ(g.c().CampaignEffectUntil, 36907.25);
        }
        EXPECT_EQ(g.c().ResultPoints, 0);
      } else {
        ++failures;
        EXPECT_EQ(g.c().ResultPoints, -2);
        EXPECT_EQ(g.market().DemandLevel, 0.9);
      }
    }
    if (k.draws) {
      EXPECT_GT(failures, 0) << k.kind << " " << k.experience;
      EXPECT_GT(successes, 0) << k.kind << " " << k.experience;
    } else {
      EXPECT_EQ(successes, 30);
    }
  }
}

TEST(Campaigns, NoPendingKindOnlyResetsTheShopPriceFactor) {
  for (int kind : {0, 9}) {
    GameWithCompany g;
    g.market().ShopPriceFactor = 0.9;
    g.c().PendingCampaign = kind;
    g.game.random.setSeed(3);
    kelpmark::RunCampaign(g.game);
    EXPECT_EQ(g.market().ShopPriceFactor, 1.0);
    EXPECT_EQ(g.c().PendingCampaign, kind);
    EXPECT_EQ(g.game.random.seed(), 3u);
  }
}

// The list of kinds: cost, preparation and nominal days of each, in its order.
TEST(Campaigns, CostsLeadTimesAndNominalDaysByKind) {
  GameWithCompany g;
  kelpmark::TCorporation& c = g.c();
  for (int i = 0; i < 2; ++i) kmtest::addBuilding<kelpmark::TShop>(c.Shops);
  for (int i = 0; i < 3; ++i) kmtest::addBuilding<kelpmark::TLot>(c.Lots);
  for (int i = 0; i < 4; ++i) kmtest::addBuilding<kelpmark::TSmallStore>(c.Stores);
  c.Office->Level = 2;
  c.Prestige = 5;
  const int64_t costs[] = {920, 3650, 5000, 6600, 21000, 11000, 10000, 5200};
  const double oneManager[] = {8, 17, 18, 9, 11, 17, 17, 1};
  const double fourManagers[] = {4.5, 10, 11, 5.5, 6, 10, 10, 1};
  const double nominal[] = {30, 14, 14, 5, 14, 7, 30, 7};
  // Without managers nothing takes time and nothing is noted.
  c.CampaignDuration = -1;
  kelpmark::NoteCampaignDuration(c, 1);
  EXPECT_EQ(kelpmark::CampaignLeadTime(c, 1), 0.0);
  EXPECT_EQ(c.CampaignDuration, -1.0);
  for (int k = 1; k <= 8; ++k) {
    const auto i = static_cast<size_t>(k - 1);
    ASSERT_EQ(kelpmark::campaignInfo(k), &kelpmark::kCampaigns[i]);
    EXPECT_EQ(static_cast<int>(kelpmark::kCampaigns[i].kind), k);
    EXPECT_EQ(kelpmark::CampaignCost(c, kelpmark::kCampaigns[i]), costs[i]) << k;
  }
  for (int managers : {1, 4}) {
    while (c.Managers.count() < managers) kmtest::addWorker<kelpmark::TManager>(c.Managers, 50, 70);
    for (int k = 1; k <= 8; ++k) {
      const auto i = static_cast<size_t>(k - 1);
      c.CampaignDuration = -1;
      EXPECT_EQ(kelpmark::CampaignLeadTime(c, k), managers == 1 ? oneManager[i] : fourManagers[i]);
      EXPECT_EQ(c.CampaignDuration, -1.0);  // asking changes nothing
      kelpmark::NoteCampaignDuration(c, k);
      EXPECT_EQ(c.CampaignDuration, nominal[i]) << k;
    }
  }
  for (int k : {0, 9}) {
    EXPECT_EQ(kelpmark::campaignInfo(k), nullptr);
    EXPECT_EQ(kelpmark::CampaignLeadTime(c, k), 0.0);
    kelpmark::NoteCampaignDuration(c, k);
    EXPECT_EQ(c.CampaignDuration, 7.0);
  }
}
