// SPDX-License-Identifier: GPL-3.0-or-later
// The game clock: speeds, the new-game sequence, and which steps each tick runs.
#include <gtest/gtest.h>

#include <string>

#include "model/calendar.h"
#include "model/company_builder.h"
#include "model/random_sequence.h"
#include "support/test_program.h"

using kelpmark::Currency;
using kelpmark::ActionVerb;
using kelpmark::MainLabel;
using kelpmark::PlayerAction;

namespace {

Currency units(int64_t u) { return Currency::fromUnits(u); }

struct Clock : kmtest::TestProgram {
  explicit Clock(uint32_t seed = 7) : kmtest::TestProgram(seed) {}
  kelpmark::ClockValues& clock() { return game().values.clock; }
  std::string time() { return main().label(MainLabel::TimeLbl).text(); }
};

}  // namespace

TEST(GameClock, SpeedTableLampsAndSpeedChangesBeforeAGame) {
  Clock c;
  c.speed(3);  // no game yet: nothing happens
  EXPECT_EQ(c.main().SpeedLevel, 0);
  EXPECT_EQ(c.main().TimerInterval, 0);
  EXPECT_EQ(c.clock().SpeedDivider, 60);

  c.newGame();
  EXPECT_EQ(c.main().SpeedLevel, 2);
  struct Row {
    int level, interval, divider, lamps;
  };
  for (const Row r : {Row{1, 2000, 60, 1}, Row{3, 600, 12, 3}, Row{4, 300, 4, 4},
                      Row{5, 200, 1, 4}, Row{2, 1000, 60, 2}}) {
    c.speed(r.level);
    EXPECT_EQ(c.main().TimerInterval, r.interval) << r.level;
    EXPECT_EQ(c.clock().SpeedDivider, r.divider) << r.level;
    for (int k = 1; k <= 4; ++k)
      EXPECT_EQ(c.main().lampOn[static_cast<size_t>(k - 1)], k <= r.lamps) << r.level;
  }
  c.speed(4);
  c.speed(0);  // pause keeps the divider
  EXPECT_EQ(c.main().TimerInterval, 0);
  EXPECT_EQ(c.clock().SpeedDivider, 4);
  EXPECT_FALSE(c.main().lampOn[0]);

  c.perform(PlayerAction::plain(ActionVerb::Help));  // help runs the game slowly, even from a pause
  EXPECT_EQ(c.main().SpeedLevel, 1);
  EXPECT_EQ(c.view.helpTopics, std::vector<int>{10});
  c.speed(4);
  c.perform(PlayerAction::plain(ActionVerb::Minimize));
  EXPECT_EQ(c.main().TimerInterval, 0);
  c.perform(PlayerAction::plain(ActionVerb::Restore));
  EXPECT_EQ(c.main().SpeedLevel, 1);
  c.perform(PlayerAction::click(kelpmark::Control::MainTimeLbl));
  EXPECT_EQ(c.main().SpeedLevel, 0);
}

TEST(GameClock, ReportsWindowPausesTheGameWhileItIsOpen) {
  Clock c;
  c.newGame();
  c.speed(3);
  int intervalWhileOpen = -1;
  c.view.onModal = [&](kelpmark::ModalWindow) { intervalWhileOpen = c.main().TimerInterval; };
  c.press(kelpmark::MainButton::StatsBtn);
  EXPECT_EQ(c.view.modals, std::vector<kelpmark::ModalWindow>{kelpmark::ModalWindow::ReportForm});
  EXPECT_EQ(intervalWhileOpen, 0);
  EXPECT_EQ(c.main().SpeedLevel, 3);
  EXPECT_EQ(c.main().TimerInterval, 600);
}

// Seed 7: the first draw is 943430692 / 2^32 = 0.21966, so the retail price is
// round((0.21966 + 10) x 10000) = 102197 ten-thousandths.
TEST(GameClock, NewGameAndTheFirstTickAfterProgramStart) {
  Clock c;
  c.newGame();
  EXPECT_EQ(c.game().values.market.RetailPrice, Currency::fromCount(102197));
  EXPECT_EQ(c.game().values.market.WholesalePrice, units(8));
  EXPECT_EQ(c.clock().GameDate, 36892.25);
  EXPECT_FALSE(c.main().NewGameMEnabled);
  EXPECT_TRUE(c.main().PSpn.enabled);
  EXPECT_EQ(c.main().PSpn.maxValue, 10000);
  EXPECT_EQ(c.clock().ChartTick, 1);
  EXPECT_EQ(c.main().chart.line1.points.size(), 1u);
  EXPECT_EQ(c.main().chart.line1.points[0].first, 0.0);

  // The clock's months, hours and week days are still 0: the first tick runs the
  // hourly step (market update: two draws), the daily step (prestige 1) and the
  // month end, which records 10000 + 1% = 10100 without a message (January).
  c.ticks(1);
  EXPECT_EQ(c.time(), "01.01.2001, Понедельник. 6:01:00");
  EXPECT_EQ(c.clock().ChartTick, 2);
  EXPECT_EQ(c.game().random.seed(), kmtest::seedAfter(7, 3));
  EXPECT_EQ(c.corp().Prestige, 1);
  EXPECT_EQ(c.corp().LastMonthValue, units(10100));
  EXPECT_EQ(c.corp().ResultPoints, -1);
  EXPECT_EQ(c.game().values.bargain.MonthsElapsed, 1);
  EXPECT_TRUE(c.view.messages.empty());
  ASSERT_EQ(c.program.reportForm.line1.points.size(), 1u);
  EXPECT_EQ(c.program.reportForm.line1.points[0], (std::pair<double, double>{0.0, 10100.0}));
  const std::string gap(20, ' ');
  EXPECT_EQ(c.game().ticker.firstLine(), gap + "KELPMARK" + gap + "Up market to FULL control!" +
                                             gap + "100% market share + 100% market use to WIN!");
}

// At one game minute a tick, 44280 ticks lead from 1 January 06:00 to 1 February
// 00:00: that tick runs the daily step, the next one the hourly step for hour 0 and
// the January month end. Hourly steps ran at ticks 1, 61, ..., 44281: 739 of them.
TEST(GameClock, AMonthAtNormalSpeedHitsEveryBoundary) {
  Clock c;
  c.newGame();
  c.ticks(44279);
  EXPECT_EQ(c.time(), "31.01.2001, Среда. 23:59:00");
  c.ticks(1);
  EXPECT_EQ(c.time(), "01.02.2001, Четверг. 0:00:00");
  EXPECT_EQ(c.clock().GameDate, 36923.0);
  EXPECT_FALSE(c.corp().TaxHolidayOver);
  EXPECT_EQ(c.game().values.bargain.MonthsElapsed, 1);
  EXPECT_EQ(c.clock().ChartTick, 739);
  EXPECT_TRUE(c.view.messages.empty());
  c.ticks(1);
  EXPECT_EQ(c.clock().ChartTick, 740);
  EXPECT_TRUE(c.corp().TaxHolidayOver);
  EXPECT_EQ(c.game().values.bargain.MonthsElapsed, 2);
  EXPECT_EQ(c.view.messages, (std::vector<std::string>{
                                 "Ваша фирма закончила месяц с убытками в $0",
                                 "Период льготного налогооблажения закончился!"}));
  ASSERT_EQ(c.program.reportForm.line1.points.size(), 2u);
  EXPECT_EQ(c.program.reportForm.line1.points[1].first, 1.0);
}

TEST(GameClock, MidnightRunsTheDailyStepAndTheNextTickTheHourAndTheMonth) {
  Clock c;
  c.newGame();
  c.ticks(1);
  auto& shop = kmtest::addBuilding<kelpmark::TShop>(c.corp().Shops);
  c.corp().MonthIncome = Currency();
  c.corp().MonthExpense = Currency();
  // Wednesday 31 January 2001, 23:59, as the previous tick left it.
  c.clock().GameDate = kelpmark::snapToMillisecond(36922 + 23.0 / 24 + 59.0 / 1440);
  c.clock().CurrentHour = 23;
  c.clock().CurrentMonth = 1;
  c.clock().CurrentWeekDay = 4;
  const int chartTick = c.clock().ChartTick;
  c.ticks(1);
  EXPECT_EQ(shop.Condition, 996);  // Thursday's upkeep
  EXPECT_EQ(c.clock().ChartTick, chartTick);
  EXPECT_EQ(c.game().values.bargain.MonthsElapsed, 1);
  c.ticks(1);
  EXPECT_EQ(shop.Condition, 996);
  EXPECT_EQ(c.clock().ChartTick, chartTick + 1);
  EXPECT_EQ(c.game().values.bargain.MonthsElapsed, 2);
  ASSERT_FALSE(c.view.messages.empty());
  EXPECT_EQ(c.view.messages[0], "Ваша фирма закончила месяц с убытками в $70");
}

// At speed 5 each tick is one game hour and runs an hourly step. From 06:00 the
// market is updated at 6..19 (2 draws at 6 and 7, 4 from 8), sales run at 9..20,
// chart points are added at 6..20.
TEST(GameClock, FastestSpeedRunsAnHourlyStepAtEveryTick) {
  Clock c;
  c.newGame();
  kmtest::addBuilding<kelpmark::TShop>(c.corp().Shops);
  kmtest::addWorker<kelpmark::TSaler>(c.corp().Salesmen, 60, 80);
  c.corp().FishStock = 100000;
  c.speed(5);
  for (int k = 1; k <= 24; ++k) {
    c.ticks(1);
    EXPECT_EQ(c.clock().ChartTick, 1 + k);
    if (k == 17) {
      EXPECT_EQ(c.corp().SaleTicks, 12);  // before the midnight report
    }
  }
  EXPECT_EQ(c.game().random.seed(), kmtest::seedAfter(7, 1 + 2 * 2 + 12 * 4));
  EXPECT_EQ(c.main().chart.line1.points.size(), 1u + 15u);
  EXPECT_LT(c.corp().FishStock, 100000);
}

// Sunday: the daily step runs (without upkeep), but there are no sales, no market
// updates and no chart points. At speed 5, tick k starts at Monday 06:00 + (k - 1) h:
// tick 138 reaches Sunday 00:00 and tick 162 Monday 00:00.
TEST(GameClock, SundayHasNoSalesMarketOrChartPoints) {
  Clock c;
  c.newGame();
  auto& shop = kmtest::addBuilding<kelpmark::TShop>(c.corp().Shops);
  kmtest::addWorker<kelpmark::TSaler>(c.corp().Salesmen, 60, 80);
  c.corp().FishStock = 100000;
  c.speed(5);
  c.ticks(120);  // Saturday 06:00
  const int saturdayStock = c.corp().FishStock;
  c.ticks(18);
  EXPECT_EQ(c.time(), "07.01.2001, Воскресенье. 0:00:00");
  EXPECT_LT(c.corp().FishStock, saturdayStock);
  const auto stock = c.corp().FishStock;
  const auto seed = c.game().random.seed();
  const auto points = c.main().chart.line1.points.size();
  const auto condition = shop.Condition;
  const int chartTick = c.clock().ChartTick;
  c.ticks(23);
  EXPECT_EQ(c.corp().FishStock, stock);
  EXPECT_EQ(c.game().random.seed(), seed);
  EXPECT_EQ(c.main().chart.line1.points.size(), points);
  EXPECT_EQ(c.main().chart.line3.points.size(), points);
  EXPECT_EQ(shop.Condition, condition);
  EXPECT_EQ(c.clock().ChartTick, chartTick + 23);
  c.ticks(1);  // Monday's daily step
  EXPECT_EQ(shop.Condition, condition - 4);
  c.ticks(7);  // Monday 06:00
  EXPECT_NE(c.game().random.seed(), seed);
  EXPECT_EQ(c.main().chart.line1.points.size(), points + 1);
}

TEST(GameClock, ChartSlidesAfter72HourlyStepsAndANewGameKeepsTheCounter) {
  Clock c;
  c.newGame();
  c.speed(5);
  c.ticks(71);
  EXPECT_EQ(c.clock().ChartTick, 72);
  EXPECT_EQ(c.main().chart.bottomMin, 0.0);
  EXPECT_EQ(c.main().chart.bottomMax, 72.0);
  c.ticks(1);
  EXPECT_EQ(c.main().chart.bottomMin, 1.0);
  EXPECT_EQ(c.main().chart.bottomMax, 73.0);
  c.ticks(28);  // through the night as well: one unit per hourly step
  EXPECT_EQ(c.clock().ChartTick, 101);
  EXPECT_EQ(c.main().chart.bottomMin, 29.0);

  const size_t marketPoints = c.main().chart.line3.points.size();
  const kelpmark::TCorporation* old = &c.corp();
  // A second new game, as an outcome dialog's Yes starts it.
  c.main().NewGameMEnabled = true;
  c.newGame();
  EXPECT_NE(&c.corp(), old);
  // The new game adds its first points at the old counter, then its hourly step (the
  // clock still reads Thursday 9:00) counts on and adds the next ones.
  EXPECT_EQ(c.clock().ChartTick, 102);
  ASSERT_EQ(c.main().chart.line1.points.size(), 2u);
  EXPECT_EQ(c.main().chart.line1.points[0].first, 101.0);
  EXPECT_EQ(c.main().chart.line1.points[1].first, 102.0);
  EXPECT_EQ(c.main().chart.line3.points.size(), marketPoints + 2);
  EXPECT_TRUE(c.program.reportForm.line1.points.empty());
  EXPECT_EQ(c.main().chart.bottomMin, 30.0);
}

// The first tick whose date lies in 2002 asks whether to play again; the month end
// of the same tick follows whatever the answer.
TEST(GameClock, TheYearEndsWithAQuestion) {
  for (const kelpmark::Answer answer : {kelpmark::Answer::No, kelpmark::Answer::Yes}) {
    Clock c;
    c.newGame();
    c.ticks(1);
    c.speed(5);
    const kelpmark::TCorporation* old = &c.corp();
    c.clock().GameDate = 37256 + 23.0 / 24;  // Monday 31 December 2001, 23:00
    c.clock().CurrentHour = 22;
    c.clock().CurrentMonth = 12;
    c.clock().CurrentWeekDay = 2;
    c.ticks(1);
    EXPECT_TRUE(c.view.questions.empty());
    c.view.answers = {answer};
    const Currency money = c.corp().Money;
    c.ticks(1);
    ASSERT_EQ(c.view.questions.size(), 1u);
    EXPECT_EQ(c.view.questions[0].text,
              "За целый год вы так и не смогли захватить и удержать 100% рынка!\n"
              "Вам надо было действовать активнее!\nПопытаетесь еще раз?");
    EXPECT_EQ(c.view.questions[0].kind, kelpmark::QuestionKind::Warning);
    EXPECT_EQ(c.game().values.bargain.MonthsElapsed, 2);
    // The game's result, as it stood when the year was found over.
    ASSERT_EQ(c.view.results.size(), 1u);
    EXPECT_EQ(c.view.results[0].outcome, kelpmark::GameOutcome::YearOver);
    EXPECT_EQ(c.view.results[0].ended, 37257.0);
    EXPECT_EQ(c.view.results[0].money, money);
    if (answer == kelpmark::Answer::No) {
      EXPECT_EQ(c.view.endRequests, 1);
      EXPECT_EQ(&c.corp(), old);
    } else {
      // The new game's first minute: its daily step (prestige 1) and the month end
      // into January (10100, one result point lost) belong to the new company.
      EXPECT_EQ(c.view.endRequests, 0);
      EXPECT_NE(&c.corp(), old);
      EXPECT_EQ(c.time(), "01.01.2001, Понедельник. 6:01:00");
      EXPECT_EQ(c.corp().LastMonthValue, units(10100));
      EXPECT_EQ(c.corp().ResultPoints, -1);
    }
  }
}

// A game that loses its value and its reputation on the same night has one
// result, whatever the answer; the next game's loss is a result of its own.
TEST(GameClock, EachFinishedGameHasOneResult) {
  for (const kelpmark::Answer answer : {kelpmark::Answer::No, kelpmark::Answer::Yes}) {
    Clock c;
    c.newGame();
    c.speed(5);
    const auto loseTonight = [&c] {
      c.corp().LastMonthValue = units(30000);
      c.corp().ResultPoints = -40;
      const int day = c.clock().CurrentWeekDay;
      while (c.clock().CurrentWeekDay == day) c.ticks(1);
    };
    c.view.answers = {answer, answer};
    loseTonight();
    ASSERT_EQ(c.view.results.size(), 1u);
    EXPECT_EQ(c.view.results[0].outcome, kelpmark::GameOutcome::ValueHalved);
    if (answer == kelpmark::Answer::No) {
      EXPECT_EQ(c.view.questions.size(), 2u) << "both checks asked";
      EXPECT_EQ(c.view.results[0].value, c.corp().CompanyValue());
      EXPECT_EQ(c.view.results[0].marketShare, c.corp().MarketShare);
      continue;
    }
    EXPECT_EQ(c.view.questions.size(), 1u) << "the new company keeps its reputation";
    c.view.answers = {kelpmark::Answer::Yes};
    loseTonight();
    ASSERT_EQ(c.view.results.size(), 2u);
    EXPECT_EQ(c.view.results[1].outcome, kelpmark::GameOutcome::ValueHalved);
  }
}
