// SPDX-License-Identifier: GPL-3.0-or-later
// The purchase limit, buying and the bargaining roll.
#include <cmath>

#include "model/corporation.h"
#include "model/engine_values.h"
#include "model/int128.h"
#include "model/random.h"

namespace kelpmark {

namespace {

int128 floorDiv(int128 a, int128 b) {
  int128 q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

int128 ceilDiv(int128 a, int128 b) { return -floorDiv(-a, b); }

}  // namespace

int32_t TCorporation::MaxPurchase(Currency price) const {
  if (!LoadersWork) return 0;
  int64_t carry = 0;
  for (const auto& e : Loaders) carry += e.object->Experience;
  carry *= 2;
  const int64_t room = static_cast<int64_t>(StoreCapacity()) - FishStock;
  if (room < carry) carry = room;
  carry -= carry % 100;
  // The player may spend at most Money / 1.01: while Money * 10000 / 10100 is
  // less than carry * price, 100 kg less. Solved in one step, exactly; a price of
  // 0 or less (only from a damaged file) skips the test.
  if (price.count() > 0) {
    const int128 budget = static_cast<int128>(Money.count()) * 10000;
    const int128 perKg = static_cast<int128>(price.count()) * 10100;
    if (budget < static_cast<int128>(carry) * perKg) {
      const int128 fits = floorDiv(budget, perKg);
      const int128 steps = ceilDiv(static_cast<int128>(carry) - fits, 100);
      carry = saturate64(static_cast<int128>(carry) - steps * 100);
    }
  }
  return saturate32(carry);
}

void TCorporation::BuyFish(int32_t quantity, Currency cost) {
  const int128 stockValue =
      static_cast<int128>(cost.count()) + static_cast<int128>(FishStock) * StockCost.count();
  FishStock = saturate32(static_cast<int64_t>(FishStock) + quantity);
  if (FishStock != 0) StockCost = Currency::fromCount(divRoundHalfEven(stockValue, FishStock));
  pay(cost, MoneyCategory::Fish);
}

TWorkerBee* TCorporation::PickWorker(const StaffList& list, bool byExperience, bool byMood) {
  TWorkerBee* best = nullptr;
  double bestScore = 0;
  for (const auto& e : list) {
    const TWorkerBee& w = *e.object;
    double score = 0;
    if (byExperience) score += w.Experience;
    if (byMood) score += byExperience ? w.Mood / 2.0 : w.Mood;
    if (best == nullptr || score > bestScore) {
      best = e.object.get();
      bestScore = score;
    }
  }
  return best;
}

Currency TCorporation::BargainDiscount(int32_t quantity, Random& random,
                                       const EngineValues& values) const {
  if (Managers.empty() || quantity < 100 || !ManagersWork)
    return Currency::fromUnits(1 - random.integer(10));
  const TWorkerBee* leader = PickWorker(Managers, true, true);
  const int32_t e = leader->Experience;
  const int32_t mood = leader->Mood;
  int64_t d = 1;
  if (e >= 56) d = 1 + random.integer(2);
  if (e > 70) d += random.integer(3);
  if (e > 85) d += 1 + random.integer(2);
  if (e > 99) d += 2;
  if (mood > 80) d += 1;
  if (mood < 50) d -= 1;
  // A larger team of managers helps.
  d = roundToInt64(std::sqrt(static_cast<double>(random.integer(Managers.count())) + 1) +
                   static_cast<double>(d));
  const BargainValues& b = values.bargain;
  const int64_t bulk = static_cast<int64_t>(b.BargainBulkStep) * b.MonthsElapsed;
  if (quantity > bulk) {
    const double x = std::sqrt(static_cast<double>(quantity - bulk) / 100);
    d += random.integer(roundToInt32(x + 1));
  }
  const int64_t small = static_cast<int64_t>(b.BargainSmallStep) * b.MonthsElapsed;
  if (quantity < small) {
    const double x = std::sqrt(static_cast<double>(small - quantity) / 100);
    d -= random.integer(roundToInt32(x + 1));
  }
  const MarketValues& m = values.market;
  if (m.RetailPrice < m.WholesalePrice) d += 1 + random.integer(3);
  if (m.WholesalePrice > b.BargainHighPrice) d += 1 + random.integer(2);
  if (m.WholesalePrice < b.BargainLowPrice) d -= random.integer(3);
  return Currency::fromUnits(d);
}

}  // namespace kelpmark
