// SPDX-License-Identifier: GPL-3.0-or-later
// A sound strategy played for several game months: the month's books always
// explain the change of cash, and the company's invariants hold throughout.
#include <gtest/gtest.h>

#include "commands/program.h"
#include "support/careful_trader.h"
#include "support/invariants.h"
#include "support/test_program.h"

namespace kelpmark {
namespace {

TEST(BooksBalance, MonthBooksExplainEveryChangeOfCash) {
  kmtest::TestProgram tp(20010101);
  Program& program = tp.program;
  program.perform(PlayerAction::newGame());
  program.perform(PlayerAction::speed(4));  // 15 game minutes a tick

  const TCorporation* company = &program.game.corp();
  Currency monthStart = company->Money;
  int monthsClosed = program.game.values.bargain.MonthsElapsed;
  int lastHour = -1;
  long sales = 0;
  int gamesLost = 0;
  const long ticks = 5L * 30 * 24 * 4;  // about five months
  for (long i = 0; i < ticks && !program.ended; ++i) {
    program.perform(PlayerAction::tick());
    const TCorporation& c = program.game.corp();
    if (&c != company) {
      // A loss answered Yes: a new company starts with its books empty.
      company = &c;
      ++gamesLost;
      monthStart = Currency::fromUnits(10000);
    }
    if (program.game.values.bargain.MonthsElapsed != monthsClosed) {
      // The month end has paid its tax and cleared the books.
      monthsClosed = program.game.values.bargain.MonthsElapsed;
      ASSERT_EQ(c.MonthIncome, Currency());
      ASSERT_EQ(c.MonthExpense, Currency());
      monthStart = c.Money;
    }
    ASSERT_EQ(c.MonthIncome + c.MonthExpense, c.Money - monthStart) << "tick " << i;
    ASSERT_GE(c.MonthIncome, Currency());
    ASSERT_LE(c.MonthExpense, Currency());
    kmtest::expectInvariants(program);
    if (c.TodayRevenue > Currency()) ++sales;
    const int hour = program.game.values.clock.CurrentHour;
    if (hour != lastHour) {
      lastHour = hour;
      kmtest::tradeCarefully(program);
      ASSERT_EQ(c.MonthIncome + c.MonthExpense, c.Money - monthStart) << "after commands, tick " << i;
    }
  }
  const TCorporation& c = program.game.corp();
  EXPECT_GE(monthsClosed, 4);  // the first tick's month end, then January..March
  EXPECT_GT(sales, 0);
  EXPECT_GE(c.Stores.count(), 1);
  EXPECT_GT(c.Salesmen.count(), 0);
  EXPECT_TRUE(tp.view.errors.empty());
  EXPECT_LE(gamesLost, 1);
}

}  // namespace
}  // namespace kelpmark
