// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sales.h"

#include "engine/game.h"
#include "engine/month_end.h"
#include "model/int128.h"

namespace kelpmark {

namespace {

struct SalesModel {
  double L, F, D;
  // Kilograms a salesman sells in a shop; never below 0.
  double shop(const TWorkerBee& s) const {
    const int64_t skill = 2 * static_cast<int64_t>(s.Experience) + s.Mood - 80;
    const double v = static_cast<double>(skill) / 12 * L * F * D;
    return v > 0 ? v : 0;
  }
  // Kilograms a salesman sells at a stall; never below 0.
  double lot(const TWorkerBee& s) const {
    const int64_t skill = 2 * static_cast<int64_t>(s.Experience) + s.Mood - 60;
    const double v = static_cast<double>(skill) / 12 * (1 + L) / 2 * D;
    return v > 0 ? v : 0;
  }
};

}  // namespace

double TaxSaving(const Game& game, Currency revenue) {
  const TCorporation& c = game.corp();
  if (!c.AccountantsWork) return 0;
  int64_t experience = 0;
  for (const auto& e : c.Accountants) experience += e.object->Experience;
  const Currency cap = Currency::fromUnits(2 * experience);
  const Currency base = revenue < cap ? revenue : cap;
  const int64_t g = TCorporation::AverageMood(c.Accountants);
  const int128 b = base.count();
  const Currency covered = Currency::fromCount(divRoundHalfEven(b * 100 + b * g, 100));
  if (c.Accountants.empty()) return 0;
  return game.values.sales.TaxRate * covered.units() / 100 / 2;
}

bool SellHour(Game& game) {
  TCorporation& c = game.corp();
  EngineValues& v = game.values;
  if (!c.SalesmenWork) return false;
  const SalesModel model{v.market.MarketLevel, v.market.CampaignBoost, v.market.DemandLevel};
  double capacity =
      static_cast<double>(static_cast<int64_t>(v.sales.MarketScale) * c.MarketShare) * model.L;
  // A market sunk below zero buys nothing; a negative capacity would turn the clamps
  // below into fish and money from nothing. A product of -0 stays as it is.
  if (capacity < 0) capacity = 0;
  v.sales.MarketCapacity = capacity;
  const double stock = c.FishStock;

  size_t next = 0;
  const size_t staff = c.Salesmen.size();
  double vs = 0, vl = 0;
  for (size_t i = 0; i < c.Shops.size() && next < staff; ++i) vs += model.shop(c.Salesmen[next++]);
  if (vs > capacity) vs = capacity;
  if (stock < vs) {
    vs = stock;
  } else {
    for (size_t i = 0; i < c.Lots.size() && next < staff; ++i) vl += model.lot(c.Salesmen[next++]);
    if (vs + vl > capacity) vl = capacity - vs;
    if (stock < vs + vl) {
      vl = stock - vs;
    } else {
      // Salesmen without a place of their own sell as additional shop sellers.
      while (next < staff) vs += model.shop(c.Salesmen[next++]);
    }
  }
  if (vs + vl > capacity) vs = capacity - vl;
  if (stock - vl < vs) vs = stock - vl;

  c.FishStock = roundToInt32(stock - vs - vl);

  const Currency price = v.market.RetailPrice;
  const double revenueCount =
      (1 + c.AverageShopLevel() / 30.0) * vs * price.countAsDouble() * v.market.ShopPriceFactor +
      vl * price.countAsDouble();
  const Currency revenue = Currency::fromDoubleWholeUnits(revenueCount / 10000);

  v.sales.TaxRate = c.TaxHolidayOver ? 20 : 10;
  const Currency tax = Currency::fromCount(
      divRoundHalfEven(static_cast<int128>(revenue.count()) * v.sales.TaxRate, 100));
  const Currency saving = Currency::fromDoubleCount(TaxSaving(game, revenue) * 10000);

  c.SaleTicks = saturate32(static_cast<int64_t>(c.SaleTicks) + 1);
  const double n = c.SaleTicks;
  if (revenue > Currency())
    c.TaxSavedShare =
        (n * c.TaxSavedShare + saving.countAsDouble() / tax.countAsDouble()) / (n + 1);
  else
    c.TaxSavedShare = n * c.TaxSavedShare / (n + 1);

  c.SetMoney((c.Money + revenue).roundedToUnits(), MoneyCategory::Sales);
  c.SetMoney((c.Money - tax + saving).roundedToUnits(), MoneyCategory::SalesTax);
  c.TodayRevenue += revenue;

  const int64_t weighted = static_cast<int64_t>(c.MarketUse) * c.SaleTicks;
  if (revenue > Currency())
    c.MarketUse = roundToInt32(((vs + vl) / capacity * 100 + static_cast<double>(weighted)) /
                                   (n + 1) +
                               0.5);
  else
    c.MarketUse = roundToInt32(static_cast<double>(weighted) / (n + 1));
  return marketWon(game);
}

}  // namespace kelpmark
