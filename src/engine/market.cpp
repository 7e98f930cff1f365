// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/market.h"

#include <cmath>

#include "engine/campaigns.h"
#include "engine/game.h"

namespace kelpmark {

namespace {

double prestigeTerm(int32_t prestige) {
  if (prestige < 0) return prestige / 100.0;
  if (prestige == 0) return 0.0;
  return (std::sqrt(static_cast<double>(prestige)) + prestige / 10.0) / 100.0;
}

}  // namespace

void UpdateMarket(Game& game) {
  MarketValues& m = game.values.market;
  const int h = game.values.clock.CurrentHour;
  m.DemandLevel -= 0.0001;
  m.WholesaleFactor += 0.00002;
  m.RetailFactor -= 0.00002;
  const double oldTrend = m.TrendPhase;
  m.TrendPhase += 0.0044;
  if (h >= 7 && h <= 19) m.DayPhase += 0.6;
  const double p = prestigeTerm(game.corp().Prestige);
  const double r1 = game.random.real();
  m.MarketLevel = std::cos(m.DayPhase) / 10 + m.DemandLevel + std::cos(m.TrendPhase) / 5 +
                  m.MarketBias + p + r1 / 30;
  const double r2 = game.random.real();
  m.WholesalePrice =
      Currency::fromDoubleCount((std::cos(m.PricePhase) / 4 + 9 - r2) * m.WholesaleFactor * 10000);
  m.PricePhase += 0.51;
  if (h >= 8 && h <= 19) {
    const double r3 = game.random.real();
    const double r4 = game.random.real();
    m.RetailPrice = Currency::fromDoubleCount(
        (std::cos(m.PricePhase) / 2 + 10 + r3 + r4) * m.RetailFactor * 10000);
  }
  const char* word = std::cos(m.TrendPhase) > std::cos(oldTrend) ? "Grow!" : "reduced...";
  if (m.TickerFree) {
    game.ticker.set(game.ticker.firstLine() + "                    Market is " + word);
  }
  m.TickerFree = false;
}

void ResetMarketBias(Game& game) {
  if (!(game.corp().CampaignEffectUntil > game.values.clock.GameDate))
    game.values.market.MarketBias = 0.1;
}

void ResetDailyPhases(Game& game) {
  game.values.market.DayPhase = 0;
  game.values.market.PricePhase = 0;
}

void RunCampaign(Game& game) {
  TCorporation& c = game.corp();
  game.values.market.ShopPriceFactor = 1.0;
  const CampaignInfo* campaign = campaignInfo(c.PendingCampaign);
  if (campaign == nullptr) return;
  CampaignRun run{c, game.values.market, game.random, game.values.clock.GameDate,
                  TCorporation::AverageExperience(c.Managers), c.Managers.count()};
  campaign->effect(run);
  c.PendingCampaign = 0;
}

}  // namespace kelpmark
