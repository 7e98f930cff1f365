// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: status labels, price chart, purchase panel, command buttons,
// menus, speed control and the game timer.
#include <array>
#include <cstdint>
#include <string>

#include "commands/control_ids.h"
#include "commands/controls.h"
#include "commands/refusal.h"
#include "model/currency.h"
#include "model/text.h"

namespace kelpmark {

class Game;
class GameClock;
class TActionForm;
class TBuildForm;
class TPersForm;
class TReportForm;
class ViewPort;
struct EmployeeKind;
struct EngineValues;
struct OpeningHours;
struct Requirement;

// The status labels, in the window's table order, then the purchase and price labels.
enum class MainLabel {
  MoneyLbl, FishLbl, StoreLbl, LotsLbl, ShopsLbl, StuffLbl, SalerLbl, AccounterLbl,
  ManagerLbl, OfficeLbl, PrestigeLbl, MarketLbl, UsedMarketLbl, BasePrcLbl, RealPrcLbl,
  TotalLbl, SalePrcLbl, ByPrcLbl, TimeLbl, Count
};
constexpr size_t kMainLabelCount = static_cast<size_t>(MainLabel::Count);
const char* mainLabelName(MainLabel l);

// The main window's price chart.
struct PriceChart {
  ChartLine line1;  // retail price (red)
  ChartLine line2;  // wholesale price (blue)
  ChartLine line3;  // market level (green, right axis)
  double bottomMin = 0;
  double bottomMax = 72;
  unsigned version = 0;
};

class TMainForm {
 public:
  // The windows the main window's buttons show.
  struct Windows {
    TPersForm& pers;
    TBuildForm& build;
    TActionForm& actions;
    TReportForm& report;
  };
  TMainForm(Game& game, ViewPort& view, GameClock& clock, Windows windows);

  // --- state -------------------------------------------------------------
  std::array<bool, kMainButtonCount> buttonFlag{};
  bool FishPanelEnabled = true;
  bool NewGameMEnabled = true;
  SpinEdit PSpn;
  // The amounts that RealPrcLbl and TotalLbl hold: what the player sees is charged.
  Currency realPrice;
  Currency total;
  int32_t BargainedQuantity = 0;
  int SpeedLevel = 0;
  int TimerInterval = 0;
  std::array<bool, 4> lampOn{};
  PriceChart chart;
  bool forbiddenCursor = false;
  // Counts the daily steps and the new games: a tick that changes it ends at a
  // point worth keeping for a restart after a crash.
  uint64_t checkpoint = 0;

  FormattedLabel& label(MainLabel l);
  const FormattedLabel& label(MainLabel l) const;
  bool& flag(MainButton b) { return buttonFlag[static_cast<size_t>(b)]; }
  bool flag(MainButton b) const { return buttonFlag[static_cast<size_t>(b)]; }
  // Enabled with every panel around it.
  bool enabled(MainButton b) const;
  bool spinEnabled() const { return PSpn.enabled && FishPanelEnabled; }
  bool timerRuns() const { return TimerInterval > 0; }

  // Rewrites the status labels from the company (nothing before the first game).
  void RefreshDisplay();

  // Sets the speed level 0..5: lamps, timer interval and game minutes per tick.
  void SetSpeed(int level);

  // --- what the clock publishes --------------------------------------------
  // A new game: the menu item is spent, the price chart starts afresh with the
  // new prices.
  void gameStarting(const EngineValues& values);
  // The quantity field opens with its first maximum.
  void openPurchasePanel();
  // The new game's first hour has run.
  void gameStarted();
  // The hour's prices and market level on the chart.
  void addChartPoints(const EngineValues& values);
  // The chart's window moves on by an hour.
  void scrollChart();
  // The hour's opening times: the buttons open or close, and the purchase and the
  // bargain may be made again.
  void openHour(const OpeningHours& hours);
  // Until 8:24 on the first day of a game, the first store, stall, loader and
  // salesman may be had before the usual hours.
  void openFirstMorning();
  // The clock label shows the date with the day's name (its text is made when the
  // label is read).
  void showTime(double date, int weekDay) {
    clockDate_ = date;
    clockWeekDay_ = weekDay;
    clockShown_ = true;
    clockTextPending_ = true;
  }
  // What the clock label shows: "Местное время" until the first tick, then the
  // date with the day's name and the time.
  Text clockText() const;
  // The hour's price and total in the purchase panel.
  void resetPurchasePanel();

  // --- handlers -------------------------------------------------------------
  // Front ends reach them through Program::perform, which checks first what the
  // player could really click (a game, the button enabled); the start-up resume
  // starts its new game itself.

  // --- menus, speed and display --------------------------------------------
  // F2: starts a new game (the menu item then stays disabled).
  void NewGameMClick();
  // F1: the game runs slowly and the help opens at the main window's page.
  void Help1Click();
  // The about box (the welcome window), modal; the game goes on.
  void About1Click();
  // A click on the clock pauses the game.
  void TimeLblClick() { SetSpeed(0); }
  // A click on a speed lamp sets that speed.
  void LampClick(int lamp) { SetSpeed(lamp); }
  // Minimizing the program pauses the game.
  void ApplicationEvents1Minimize() { SetSpeed(0); }
  // Restoring it resumes at the slow speed.
  void ApplicationEvents1Restore() { SetSpeed(1); }

  // --- buttons ------------------------------------------------------------
  // "Приостановить": no sales in the next hour, and a pause is booked.
  void StopBtnClick();
  // "Отчеты": the game stops while the reports window is open.
  void StatsBtnClick();
  // "Персонал": shows the personnel window.
  void WokrersBtnClick();
  // "Сооружения": shows the buildings window.
  void BuildingsBtnClick();
  // "Действия": shows the actions window.
  void ActionsBtnClick();
  // "Склад", "Лоток", "Магазин", "Грузчика", "Продавца", "Бухгалтера",
  // "Менеждера": each adds one of its kind to the company when the cash on hand
  // (and for an employee the office and a free workplace) allow.
  void SpeedButtonClick(MainButton b);
  // The cash on hand and the office level a kind needs; a free workplace for an
  // employee.
  Check requirementCheck(const Requirement& requirement) const;
  Check workplaceCheck(const EmployeeKind& kind) const;
  // "Апгрейд офиса": the office grows a level and doubles its workplaces.
  void OfficeBtnClick();
  // The upgrade needs its cost in cash and a level to grow to.
  Check officeCheck() const;
  // Runs the handler of a button.
  void click(MainButton b);

  // --- purchase panel -------------------------------------------------------
  // The quantity changed: new step, the limit enforced, the total shown; locked
  // after a bargain.
  void PSpnChange();
  // One click on a spin button (+1 up, -1 down).
  void spinClick(int direction);
  // "Максимум": the largest quantity the company can buy now (and the offer of a
  // terminal when that is more than the field allows).
  void MaxBtnClick();
  // "Торговаться": bargains once an hour for a lower price of the quantity shown.
  void TorgBtnClick();
  // "Закупить!": buys the quantity at the total shown, once an hour.
  void FishBtnClick();

  // The quantity is locked after a bargain.
  Check quantityCheck() const;
  // There must be room in the stores and cash for the total shown.
  Check purchaseCheck() const;

 private:
  // The sponsorship is offered when the limit is more than the field allows and
  // the company can spare the money.
  bool terminalOffered(int32_t limit) const;
  void sponsorTerminal();
  // The clock label's text, made from the tick's date when the label is read.
  void writeClockText() const;
  void setSpinValue(int64_t value);
  void showTotal();

  Game& game_;
  ViewPort& view_;
  GameClock& clock_;
  Windows windows_;
  mutable std::array<FormattedLabel, kMainLabelCount> labels_;
  // Every tick writes the clock label, far more often than anything reads it: the
  // tick keeps the date and the week day the label shows, and its text is made
  // when it is read.
  mutable bool clockTextPending_ = false;
  bool clockShown_ = false;
  double clockDate_ = 0;
  int clockWeekDay_ = 0;
};

}  // namespace kelpmark
