// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The process-wide values the rules share besides the company: the clock, the
// market, the sales figures and the bargaining thresholds. They live for the whole
// run of the program, are carried over into a new game and are replaced by a load.
#include <cstdint>

#include "model/currency.h"

namespace kelpmark {

struct ClockValues {
  double GameDate = 0.0;
  int32_t HourStep = 1;
  int32_t SpeedDivider = 60;
  int32_t CurrentWeekDay = 0;
  int32_t PreviousWeekDay = 0;
  int32_t CurrentMonth = 0;
  int32_t PreviousMonth = 0;
  int32_t CurrentHour = 0;
  int32_t PreviousHour = 0;
  // Counter of hourly steps; the X of the price chart. Never reset.
  int32_t ChartTick = 0;
};

struct MarketValues {
  double MarketLevel = 0.0;
  Currency WholesalePrice;
  Currency RetailPrice;
  double PricePhase = 1.0;
  double TrendPhase = 6.0;
  double DayPhase = 1.0;
  double MarketBias = 0.0;
  double DemandLevel = 0.9;
  double WholesaleFactor = 1.0;
  double RetailFactor = 1.0;
  double CampaignBoost = 1.0;
  double ShopPriceFactor = 1.0;
  bool TickerFree = true;
};

struct SalesValues {
  double MarketCapacity = 0.0;
  int32_t MarketScale = 100;
  int32_t TaxRate = 20;
};

struct BargainValues {
  int32_t BargainBulkStep = 500;
  int32_t BargainSmallStep = 200;
  int32_t MonthsElapsed = 0;
  Currency BargainHighPrice = Currency::fromCount(100000);
  Currency BargainLowPrice = Currency::fromCount(80000);
};

// Values that exist only for the save file: nothing but the reader changes them
// and nothing but the writer reads them.
struct ReservedValues {
  bool ReservedFlag = false;
  double ReservedFactorA = 1.0;
  double ReservedFactorB = 1.0;
};

struct EngineValues {
  ClockValues clock;
  MarketValues market;
  SalesValues sales;
  BargainValues bargain;
  ReservedValues reserved;
};

}  // namespace kelpmark
