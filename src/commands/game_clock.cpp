// SPDX-License-Identifier: GPL-3.0-or-later
// The game timer and the steps it runs: hourly, daily and the month end, always in
// that order; the new-game sequence; the outcome of a game.
#include <cmath>

#include "commands/main_form.h"
#include "commands/program.h"
#include "engine/daily_ops.h"
#include "engine/market.h"
#include "engine/month_end.h"
#include "engine/sales.h"
#include "model/calendar.h"

namespace kelpmark {

namespace {

constexpr double kNewGameDate = 36892.25;     // Monday 1 January 2001, 06:00
constexpr double kFirstMorningEnd = 36892.35;  // 1 January 2001, 08:24
constexpr int kSunday = 1;
constexpr int kFriday = 6;
constexpr int kSaturday = 7;

bool between(int h, int from, int to) { return h >= from && h <= to; }

}  // namespace

void TMainForm::NewGameMClick() {
  Game& g = game();
  g.random.setSeed(program_.takeClockSeed());
  NewGameMEnabled = false;
  MarketValues& m = g.values.market;
  m.RetailPrice = Currency::fromDoubleCount(std::nearbyint((g.random.real() + 10) * 10000));
  m.WholesalePrice = Currency::fromUnits(8);
  chart.line1.clear();
  chart.line2.clear();
  program_.reportForm.line1.clear();
  program_.reportForm.line2.clear();
  addChartPoints();
  g.company = std::make_unique<TCorporation>();
  g.values.clock.GameDate = kNewGameDate;
  SetSpeed(2);
  PSpn.maxValue = 10000;
  PSpn.enabled = true;
  HourlyStep(true);
  forbiddenCursor = false;
  ++checkpoint;
}

void TMainForm::addChartPoints() {
  const EngineValues& v = game().values;
  const double x = v.clock.ChartTick;
  chart.line1.add(x, v.market.RetailPrice.units());
  chart.line2.add(x, v.market.WholesalePrice.units());
  chart.line3.add(x, v.market.MarketLevel);
  ++chart.version;
}

void TMainForm::Timer1Timer() {
  Game& g = game();
  ClockValues& clock = g.values.clock;
  const DecodedDate before = decode_(clock.GameDate);
  clock.PreviousHour = clock.CurrentHour;
  clock.CurrentHour = before.hour;
  clock.PreviousMonth = clock.CurrentMonth;
  clock.CurrentMonth = before.month;
  if (before.year > 2001) outcome(kYearOverText);

  clock.GameDate = snapToMillisecond(clock.GameDate + static_cast<double>(clock.HourStep) / 24 /
                                                          clock.SpeedDivider);
  clock.PreviousWeekDay = clock.CurrentWeekDay;
  clock.CurrentWeekDay = decode_(clock.GameDate).weekDay;
  clockWeekDay_ = clock.CurrentWeekDay;  // the day name, picked before the steps run

  if (clock.CurrentHour != clock.PreviousHour) HourlyStep(true);
  if (clock.CurrentWeekDay != clock.PreviousWeekDay) DailyStep();
  if (clock.CurrentMonth != clock.PreviousMonth) {
    for (const std::string& text : CloseMonth(g)) program_.view.message(text);
    RefreshDisplay();
    program_.reportForm.line1.add(clock.CurrentMonth - 1, g.corp().LastMonthValue.units());
  }
  clockDate_ = clock.GameDate;
  clockTextPending_ = true;
}

void TMainForm::writeClockText() const {
  if (!clockTextPending_) return;
  clockTextPending_ = false;
  const FormatSettings& f = program_.game.format;
  const DecodedDate d = decodeDate(clockDate_);
  labels_[static_cast<size_t>(MainLabel::TimeLbl)].caption =
      formatDate(d, f.shortDateFormat) + ", " + weekDayName(clockWeekDay_) + ". " +
      formatTime(d, f.longTimeFormat);
}

void TMainForm::HourlyStep(bool advance) {
  Game& g = game();
  ClockValues& clock = g.values.clock;
  const int h = clock.CurrentHour;
  const bool sunday = clock.CurrentWeekDay == kSunday;

  if (between(h, 9, 20) && !sunday && flag(MainButton::StopBtn)) {
    if (SellHour(g)) victory();
  }
  TCorporation& c = g.corp();
  if (c.CampaignReadyDate != 0 && clock.GameDate >= c.CampaignReadyDate && between(h, 8, 19) &&
      !sunday && advance) {
    c.CampaignReadyDate = 0;
    program_.view.message("Рекламная акция готова!");
    RunCampaign(g);
  }
  flag(MainButton::StopBtn) = between(h, 8, 19) && !sunday;
  BargainedQuantity = 0;
  setOpeningHours(h, clock.CurrentWeekDay);
  if (advance && clock.ChartTick < INT32_MAX) ++clock.ChartTick;
  if (advance && between(h, 6, 19) && !sunday) UpdateMarket(g);
  if (between(h, 6, 20) && !sunday) addChartPoints();
  if (clock.ChartTick > 72) {
    chart.bottomMin += 1;
    chart.bottomMax += 1;
    ++chart.version;
  }
  clock.PreviousHour = clock.CurrentHour;
  flag(MainButton::TorgBtn) = true;
  RefreshDisplay();
  resetPurchasePanel();
  if (between(h, 8, 20) && !sunday) program_.persForm.WokrersBtnEnabled = true;
  if (advance && h == 7 && !sunday) {
    const std::string strike = CheckStrikes(g);
    if (!strike.empty()) program_.view.message(strike);
  }
  if (clock.GameDate < kFirstMorningEnd) {
    flag(MainButton::StorageBtn) = true;
    flag(MainButton::LotBtn) = true;
    flag(MainButton::StuffBtn) = true;
    flag(MainButton::SalerBtn) = true;
  }
}

void TMainForm::setOpeningHours(int h, int weekDay) {
  const bool working = weekDay >= 2 && weekDay <= 6;
  const bool purchase = working && between(h, 6, 19);
  flag(MainButton::FishBtn) = purchase;
  FishPanelEnabled = purchase;
  const bool build = working && between(h, 7, 20);
  for (MainButton b : {MainButton::StorageBtn, MainButton::LotBtn, MainButton::ShopBtn,
                       MainButton::OfficeBtn})
    flag(b) = build;
  const bool hire = working && between(h, 8, 19);
  for (MainButton b : {MainButton::StuffBtn, MainButton::SalerBtn, MainButton::AccounterBtn,
                       MainButton::ManagerBtn})
    flag(b) = hire;
  const bool open = between(h, 6, 21);
  for (MainButton b : {MainButton::ActionsBtn, MainButton::WokrersBtn, MainButton::BuildingsBtn,
                       MainButton::StatsBtn})
    flag(b) = open;
  program_.buildForm.enabled = open;
}

void TMainForm::DailyStep() {
  Game& g = game();
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
  program_.persForm.FireBtnEnabled = day != kFriday;
  RefreshDisplay();
  ++checkpoint;
  if (valueHalved(g)) outcome(kValueHalvedText);
  if (prestigeCollapsed(g)) outcome(kPrestigeLostText);
}

void TMainForm::outcome(const char* text) {
  const Answer a = program_.view.question(text, QuestionKind::Warning, false);
  if (a == Answer::Yes)
    NewGameMClick();
  else
    program_.endProgram();
}

void TMainForm::victory() {
  SetSpeed(0);
  program_.view.message(kVictoryText);
  program_.reportForm.showModal();
  program_.view.showModal(ModalWindow::WelcomeForm);
  program_.endProgram();
}

}  // namespace kelpmark
