// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/game_clock.h"

#include <cmath>

#include "commands/build_form.h"
#include "commands/main_form.h"
#include "commands/pers_form.h"
#include "commands/report_form.h"
#include "commands/view_port.h"
#include "engine/daily_ops.h"
#include "engine/game.h"
#include "engine/market.h"
#include "engine/month_end.h"
#include "engine/sales.h"

namespace kelpmark {

namespace {

constexpr double kNewGameDate = 36892.25;     // Monday 1 January 2001, 06:00
constexpr double kFirstMorningEnd = 36892.35;  // 1 January 2001, 08:24
constexpr int kSunday = 1;
constexpr int kFriday = 6;
constexpr int kSaturday = 7;

bool between(int h, int from, int to) { return h >= from && h <= to; }

}  // namespace

OpeningHours OpeningHours::at(int h, int weekDay) {
  const bool working = weekDay >= 2 && weekDay <= 6;
  const bool sunday = weekDay == kSunday;
  OpeningHours o;
  o.purchase = working && between(h, 6, 19);
  o.building = working && between(h, 7, 20);
  o.hiring = working && between(h, 8, 19);
  o.windows = between(h, 6, 21);
  o.pausing = !sunday && between(h, 8, 19);
  o.praise = !sunday && between(h, 8, 20);
  return o;
}

GameClock::GameClock(Game& game, ViewPort& view, Windows windows,
                     std::function<uint32_t()> takeSeed, std::function<void()> endProgram)
    : game_(game),
      view_(view),
      windows_(windows),
      takeSeed_(std::move(takeSeed)),
      endProgram_(std::move(endProgram)) {}

void GameClock::NewGame() {
  Game& g = game_;
  TMainForm& main = windows_.main;
  g.random.setSeed(takeSeed_());
  MarketValues& m = g.values.market;
  m.RetailPrice = Currency::fromDoubleCount(std::nearbyint((g.random.real() + 10) * 10000));
  m.WholesalePrice = Currency::fromUnits(8);
  main.gameStarting(g.values);
  windows_.report.clearChart();
  g.values.clock.GameDate = kNewGameDate;
  g.adoptCompany(std::make_unique<TCorporation>());
  main.SetSpeed(2);
  main.openPurchasePanel();
  HourlyStep(true);
  main.gameStarted();
}

void GameClock::Timer1Timer() {
  Game& g = game_;
  ClockValues& clock = g.values.clock;
  const DecodedDate before = decode_(clock.GameDate);
  clock.PreviousHour = clock.CurrentHour;
  clock.CurrentHour = before.hour;
  clock.PreviousMonth = clock.CurrentMonth;
  clock.CurrentMonth = before.month;
  if (before.year > 2001) outcome(kYearOverText, GameOutcome::YearOver);

  clock.GameDate = snapToMillisecond(clock.GameDate + static_cast<double>(clock.HourStep) / 24 /
                                                          clock.SpeedDivider);
  clock.PreviousWeekDay = clock.CurrentWeekDay;
  clock.CurrentWeekDay = decode_(clock.GameDate).weekDay;
  // The day name is picked before the steps run.
  const int weekDay = clock.CurrentWeekDay;

  if (clock.CurrentHour != clock.PreviousHour) HourlyStep(true);
  if (clock.CurrentWeekDay != clock.PreviousWeekDay) DailyStep();
  if (clock.CurrentMonth != clock.PreviousMonth) {
    for (const Text& text : CloseMonth(g)) view_.message(text);
    windows_.main.RefreshDisplay();
    windows_.report.line1.add(clock.CurrentMonth - 1, g.corp().LastMonthValue.units());
  }
  windows_.main.showTime(clock.GameDate, weekDay);
}

void GameClock::HourlyStep(bool advance) {
  Game& g = game_;
  TMainForm& main = windows_.main;
  ClockValues& clock = g.values.clock;
  const int h = clock.CurrentHour;
  const bool sunday = clock.CurrentWeekDay == kSunday;

  if (between(h, 9, 20) && !sunday && main.flag(MainButton::StopBtn)) {
    if (SellHour(g)) victory();
  }
  TCorporation& c = g.corp();
  if (c.CampaignReadyDate != 0 && clock.GameDate >= c.CampaignReadyDate && between(h, 8, 19) &&
      !sunday && advance) {
    c.CampaignReadyDate = 0;
    view_.message(KM_TR("GameClock", "Рекламная акция готова!"));
    RunCampaign(g);
  }
  if (advance && clock.ChartTick < INT32_MAX) ++clock.ChartTick;
  if (advance && between(h, 6, 19) && !sunday) UpdateMarket(g);
  if (between(h, 6, 20) && !sunday) main.addChartPoints(g.values);
  if (clock.ChartTick > 72) main.scrollChart();
  clock.PreviousHour = clock.CurrentHour;
  const OpeningHours hours = OpeningHours::at(h, clock.CurrentWeekDay);
  main.openHour(hours);
  windows_.build.openHour(hours);
  main.RefreshDisplay();
  main.resetPurchasePanel();
  windows_.pers.openHour(hours);
  if (advance && h == 7 && !sunday) {
    const Text strike = CheckStrikes(g);
    if (!strike.empty()) view_.message(strike);
  }
  if (clock.GameDate < kFirstMorningEnd) main.openFirstMorning();
}

void GameClock::DailyStep() {
  Game& g = game_;
  ClockValues& clock = g.values.clock;
  const int day = clock.CurrentWeekDay;
  if (day != kSunday) PayUpkeep(g);
  clock.PreviousWeekDay = clock.CurrentWeekDay;
  ResetMarketBias(g);
  if (day == kSaturday) PayWages(g);
  if (g.corp().Money < Currency()) ChargeOverdraft(g, -g.corp().Money);
  UpdatePrestige(g);
  DailyReport(g);
  ResetDailyPhases(g);
  if (g.corp().PausePenalty > 0) g.corp().PausePenalty -= 0.1;
  // Nobody is fired on a Friday.
  windows_.pers.FireBtnEnabled = day != kFriday;
  windows_.main.RefreshDisplay();
  ++windows_.main.checkpoint;
  if (valueHalved(g)) outcome(kValueHalvedText, GameOutcome::ValueHalved);
  if (prestigeCollapsed(g)) outcome(kPrestigeLostText, GameOutcome::PrestigeLost);
}

void GameClock::finished(GameOutcome how) {
  const TCorporation& c = game_.corp();
  // After No to a lost game the checks that follow may find the same company lost
  // again: it has one result.
  if (finished_ == game_.companiesAdopted) return;
  finished_ = game_.companiesAdopted;
  GameResult r;
  r.outcome = how;
  r.ended = game_.values.clock.GameDate;
  r.value = c.CompanyValue();
  r.money = c.Money;
  r.marketShare = c.MarketShare;
  view_.gameFinished(r);
}

void GameClock::outcome(const Marked& text, GameOutcome how) {
  finished(how);
  if (view_.question(text, QuestionKind::Warning, false) == Answer::Yes)
    NewGame();
  else
    endProgram_();
}

void GameClock::victory() {
  finished(GameOutcome::Won);
  windows_.main.SetSpeed(0);
  view_.message(kVictoryText);
  windows_.report.showModal();
  view_.showModal(ModalWindow::WelcomeForm);
  endProgram_();
}

}  // namespace kelpmark
