#pragma once
// The main window: status labels, price chart, purchase panel, command buttons,
// menus, speed control and the game timer.
#include <array>
#include <cstdint>
#include <string>

#include "commands/controls.h"
#include "model/calendar.h"
#include "model/currency.h"

namespace kelpmark {

class Program;
class Game;

// The main window's buttons, in the runner's order.
enum class MainButton {
  FishBtn, TorgBtn, MaxBtn, StopBtn, StorageBtn, LotBtn, ShopBtn, OfficeBtn, StuffBtn,
  SalerBtn, AccounterBtn, ManagerBtn, ActionsBtn, StatsBtn, WokrersBtn, BuildingsBtn,
  Count
};
constexpr size_t kMainButtonCount = static_cast<size_t>(MainButton::Count);
const char* mainButtonName(MainButton b);

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
  explicit TMainForm(Program& program);

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

  FormattedLabel& label(MainLabel l);
  const FormattedLabel& label(MainLabel l) const;
  bool& flag(MainButton b) { return buttonFlag[static_cast<size_t>(b)]; }
  bool flag(MainButton b) const { return buttonFlag[static_cast<size_t>(b)]; }
  // Enabled with every panel around it.
  bool enabled(MainButton b) const;
  bool spinEnabled() const { return PSpn.enabled && FishPanelEnabled; }
  bool timerRuns() const { return TimerInterval > 0; }

  // --- menus, speed and display --------------------------------------------
  void NewGameMClick();
  void SetSpeed(int level);
  void Help1Click();
  void About1Click();
  void TimeLblClick() { SetSpeed(0); }
  void LampClick(int lamp) { SetSpeed(lamp); }
  void ApplicationEvents1Minimize() { SetSpeed(0); }
  void ApplicationEvents1Restore() { SetSpeed(1); }
  void RefreshDisplay();

  // --- the clock ----------------------------------------------------------
  void Timer1Timer();
  void HourlyStep(bool advance);
  void DailyStep();

  // --- buttons ------------------------------------------------------------
  void StopBtnClick();
  void StatsBtnClick();
  void WokrersBtnClick();
  void BuildingsBtnClick();
  void ActionsBtnClick();
  void SpeedButton1Click();  // accountant
  void SpeedButton2Click();  // manager
  void SpeedButton3Click();  // salesman
  void SpeedButton4Click();  // loader
  void SpeedButton5Click();  // store
  void SpeedButton6Click();  // stall
  void SpeedButton7Click();  // shop
  void OfficeBtnClick();
  // Runs the handler of a button (whatever its enabled state).
  void click(MainButton b);

  // --- purchase panel -------------------------------------------------------
  void PSpnChange();
  // One click on a spin button (+1 up, -1 down).
  void spinClick(int direction);
  void MaxBtnClick();
  void TorgBtnClick();
  void FishBtnClick();

 private:
  // The clock label's text, made from the tick's date when the label is read.
  void writeClockText() const;
  void setSpinValue(int64_t value);
  void showTotal();
  void resetPurchasePanel();
  void setOpeningHours(int hour, int weekDay);
  void addChartPoints();
  // A loss question: Yes starts a new game, anything else ends the program.
  void outcome(const char* text);
  void victory();
  Game& game();

  Program& program_;
  mutable std::array<FormattedLabel, kMainLabelCount> labels_;
  // Every tick writes the clock label, far more often than anything reads it: the
  // tick keeps the date and the week day the label shows, and its text is made
  // when it is read.
  mutable bool clockTextPending_ = false;
  double clockDate_ = 0;
  int clockWeekDay_ = 0;
  // Each date is decoded twice: after the advance that reaches it and before the next.
  DateDecoder decode_;
};

}  // namespace kelpmark
