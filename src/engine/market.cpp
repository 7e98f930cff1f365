#include "engine/market.h"

#include <cmath>

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
  MarketValues& mk = game.values.market;
  const double now = game.values.clock.GameDate;
  mk.ShopPriceFactor = 1.0;
  const int32_t m = TCorporation::AverageExperience(c.Managers);
  const int32_t n = c.Managers.count();
  const double halfTeam = m + n / 2.0;
  auto fail = [&c] {
    c.ResultPoints -= 2;
    c.PrestigeBonusUntil = 0;
  };
  switch (c.PendingCampaign) {
    case 1:
      c.PrestigeBonusUntil = now + 30;
      break;
    case 2:
      mk.DemandLevel += halfTeam / 1000;
      break;
    case 3:
      mk.CampaignBoost = 1.3;
      c.CampaignEffectUntil = now + 5;
      break;
    case 4:
      if (m > 70 || game.random.integer(m) > 30)
        mk.DemandLevel += 0.3;
      else
        fail();
      break;
    case 5:
      mk.ShopPriceFactor = 1 + halfTeam / 1000;
      break;
    case 6:
      if (m > 65 || game.random.integer(m) > 20) {
        mk.CampaignBoost = 1.2;
        c.CampaignEffectUntil = now + 7;
      } else {
        fail();
      }
      break;
    case 7:
      mk.WholesaleFactor = mk.WholesaleFactor - 0.01 - halfTeam / 3000;
      c.CampaignCounter -= 1;
      break;
    case 8:
      mk.CampaignBoost += 0.1 + static_cast<double>(static_cast<int64_t>(m) + n) / 1000;
      mk.ShopPriceFactor = 0.9;
      c.CampaignEffectUntil = now + 7;
      c.CampaignCounter += 1;
      break;
    default:
      return;
  }
  c.PendingCampaign = 0;
}

}  // namespace kelpmark
