// SPDX-License-Identifier: GPL-3.0-or-later
// The month end, the company value and the ways a game ends.
#include <gtest/gtest.h>

#include <string>

#include "engine/game_fixture.h"
#include "engine/month_end.h"
#include "model/company_builder.h"

using kelpmark::Currency;
using kmtest::addBuilding;
using kmtest::GameWithCompany;

namespace {

Currency units(int64_t u) { return Currency::fromUnits(u); }
Currency count(int64_t c) { return Currency::fromCount(c); }

// A game whose month end keeps what it said.
struct MonthEndGame : GameWithCompany {
  std::vector<std::string> messages;
};

void closeMonth(MonthEndGame& g, int newMonth, Currency income, Currency expense) {
  g.game.values.clock.CurrentMonth = newMonth;
  g.c().MonthIncome = income;
  g.c().MonthExpense = expense;
  g.c().Money = units(10000) + income + expense;
  g.messages.clear();
  for (const kelpmark::Text& t : kelpmark::CloseMonth(g.game)) g.messages.push_back(t.russian());
}

}  // namespace

TEST(MonthEnd, ProfitIsReportedAndTaxedAtThirtyPercent) {
  MonthEndGame g;
  g.game.values.bargain.MonthsElapsed = 4;
  closeMonth(g, 3, units(12000), units(-10500));
  ASSERT_EQ(g.messages.size(), 1u);
  EXPECT_EQ(g.messages[0],
            "Ваша фирма закончила месяц с прибылью в $1500\n\rНалог на прибыль составит $450");
  EXPECT_EQ(g.c().LastMonthValue, units(11500));  // recorded before the tax
  EXPECT_EQ(g.c().Money, units(11050));
  EXPECT_EQ(g.c().ResultPoints, 2);
  EXPECT_EQ(g.c().MonthIncome, Currency());
  EXPECT_EQ(g.c().MonthExpense, Currency());  // the tax is not carried into the new month
  EXPECT_EQ(g.game.values.bargain.MonthsElapsed, 5);
  EXPECT_FALSE(g.c().TaxHolidayOver);
}

TEST(MonthEnd, ZeroOrNegativeResultIsALossWithoutTax) {
  MonthEndGame zero;
  closeMonth(zero, 5, units(3000), units(-3000));
  ASSERT_EQ(zero.messages.size(), 1u);
  EXPECT_EQ(zero.messages[0], "Ваша фирма закончила месяц с убытками в $0");
  EXPECT_EQ(zero.c().ResultPoints, -1);
  EXPECT_EQ(zero.c().Money, units(10000));

  MonthEndGame loss;
  closeMonth(loss, 5, units(1000), Currency::fromDouble(-3500.5));
  ASSERT_EQ(loss.messages.size(), 1u);
  EXPECT_EQ(loss.messages[0], "Ваша фирма закончила месяц с убытками в $2500.5");
  EXPECT_EQ(loss.c().ResultPoints, -1);
}

TEST(MonthEnd, TaxIsRoundedToTheTenThousandthHalfToEven) {
  MonthEndGame a;  // 0.3 * 5 counts = 1.5 -> 2
  closeMonth(a, 7, count(5), Currency());
  EXPECT_EQ(a.messages.at(0),
            "Ваша фирма закончила месяц с прибылью в $0.0005\n\rНалог на прибыль составит $0.0002");
  MonthEndGame b;  // 0.3 * 15 counts = 4.5 -> 4
  closeMonth(b, 7, count(15), Currency());
  EXPECT_EQ(b.c().Money, units(10000) + count(15 - 4));
}

TEST(MonthEnd, JanuaryIsSilentAndFebruaryEndsTheTaxHoliday) {
  MonthEndGame january;  // the first month end of a game, into January
  closeMonth(january, 1, units(1000), Currency());
  EXPECT_TRUE(january.messages.empty());
  EXPECT_EQ(january.c().Money, units(10700));  // the tax is still charged
  EXPECT_FALSE(january.c().TaxHolidayOver);

  MonthEndGame february;
  closeMonth(february, 2, units(100), units(-300));
  ASSERT_EQ(february.messages.size(), 2u);
  EXPECT_EQ(february.messages[0], "Ваша фирма закончила месяц с убытками в $200");
  EXPECT_EQ(february.messages[1], "Период льготного налогооблажения закончился!");
  EXPECT_TRUE(february.c().TaxHolidayOver);
}

TEST(CompanyValue, BuildingsStockAtNinetyPercentAndPrestigeShare) {
  GameWithCompany g;
  EXPECT_EQ(g.c().CompanyValue(), units(10000));
  g.c().Prestige = 1;
  EXPECT_EQ(g.c().CompanyValue(), units(10100));

  addBuilding<kelpmark::TShop>(g.c().Shops, 500);    // 3000
  addBuilding<kelpmark::TLot>(g.c().Lots);           // 1200
  addBuilding<kelpmark::TSmallStore>(g.c().Stores);  // 2400
  g.c().FishStock = 1000;
  g.c().StockCost = Currency::fromDouble(8.5);  // 0.9 * 8500 = 7650
  g.c().Prestige = 2;
  EXPECT_EQ(g.c().CompanyValue(), units(24250 + 485));

  GameWithCompany ties;
  ties.c().Money = Currency();
  ties.c().FishStock = 5;
  ties.c().StockCost = count(1);  // 0.9 * 5 counts = 4.5 -> 4
  EXPECT_EQ(ties.c().CompanyValue(), count(4));
  ties.c().FishStock = 3;  // 2.7 -> 3
  EXPECT_EQ(ties.c().CompanyValue(), count(3));
  ties.c().FishStock = 0;
  ties.c().Money = count(150);
  ties.c().Prestige = 1;  // 150 + 1.5 -> 152
  EXPECT_EQ(ties.c().CompanyValue(), count(152));
  ties.c().Money = count(50);  // 50 + 0.5 -> 50
  EXPECT_EQ(ties.c().CompanyValue(), count(50));
  // The sum is rounded, not the share: 25 + 0.5 = 25.5 -> 26, -25 + 0.5 = -24.5 -> -24.
  ties.c().Money = count(25);
  ties.c().Prestige = 2;
  EXPECT_EQ(ties.c().CompanyValue(), count(26));
  ties.c().Money = count(-25);
  EXPECT_EQ(ties.c().CompanyValue(), count(-24));

  // The prestige share is a share of the absolute value.
  ties.c().Money = units(-1000);
  ties.c().Prestige = 2;
  EXPECT_EQ(ties.c().CompanyValue(), units(-980));
  ties.c().Money = units(10000);
  ties.c().Prestige = -3;
  EXPECT_EQ(ties.c().CompanyValue(), units(9700));
}

TEST(Outcome, LossChecksAndVictory) {
  GameWithCompany g;
  g.c().LastMonthValue = units(10000);
  g.c().Money = units(4999);
  EXPECT_TRUE(kelpmark::valueHalved(g.game));
  g.c().Money = units(5000);
  EXPECT_FALSE(kelpmark::valueHalved(g.game));
  g.c().Money = Currency::fromCount(49999999);
  EXPECT_TRUE(kelpmark::valueHalved(g.game));
  g.c().Prestige = -9;
  g.c().Money = units(10000);
  EXPECT_FALSE(kelpmark::prestigeCollapsed(g.game));
  g.c().Prestige = -10;
  EXPECT_TRUE(kelpmark::prestigeCollapsed(g.game));

  // Without a recorded month-end value neither check applies.
  g.c().LastMonthValue = Currency();
  g.c().Money = units(1);
  EXPECT_FALSE(kelpmark::valueHalved(g.game));
  EXPECT_FALSE(kelpmark::prestigeCollapsed(g.game));
  // A value recorded in debt: no halving check, but the prestige check still runs.
  g.c().LastMonthValue = units(-100);
  EXPECT_FALSE(kelpmark::valueHalved(g.game));
  EXPECT_TRUE(kelpmark::prestigeCollapsed(g.game));

  g.c().MarketUse = 100;
  g.c().MarketShare = 99;
  EXPECT_FALSE(kelpmark::marketWon(g.game));
  g.c().MarketShare = 100;
  EXPECT_TRUE(kelpmark::marketWon(g.game));
  g.c().MarketUse = 99;
  EXPECT_FALSE(kelpmark::marketWon(g.game));

  g.game.values.clock.GameDate = 37257.0 - 1.0 / 86400000;  // 31.12.2001 23:59:59.999
  EXPECT_FALSE(kelpmark::yearOver(g.game));
  g.game.values.clock.GameDate = 37257.0;
  EXPECT_TRUE(kelpmark::yearOver(g.game));
}
