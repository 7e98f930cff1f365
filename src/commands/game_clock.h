// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game clock: each timer event advances the game date and runs the hourly
// step, the daily step and the month end when their boundary is crossed, always
// in that order. It starts new games and ends lost or won ones. At every hour it
// publishes the commands' opening hours, and at every day the day's, to the state
// of the windows that show them.
#include <cstdint>
#include <functional>

#include "model/calendar.h"
#include "model/results.h"

namespace kelpmark {

class Game;
class ViewPort;
class TMainForm;
class TPersForm;
class TBuildForm;
class TReportForm;

// What an hour of the week opens. Trade is Monday to Friday; Sunday has none.
struct OpeningHours {
  bool purchase = false;  // buying fish and the purchase panel: 6:00 to 19:59
  bool building = false;  // construction and the office upgrade: 7:00 to 20:59
  bool hiring = false;    // hiring: 8:00 to 19:59
  // The secondary windows and their buttons, every day 6:00 to 21:59; the
  // buildings window is closed outside them (the night).
  bool windows = false;
  // Pausing the next sales hour, Monday to Saturday 8:00 to 19:59.
  bool pausing = false;
  // Praise may be given again, Monday to Saturday 8:00 to 20:59.
  bool praise = false;

  static OpeningHours at(int hour, int weekDay);
};

class GameClock {
 public:
  struct Windows {
    TMainForm& main;
    TPersForm& pers;
    TBuildForm& build;
    TReportForm& report;
  };
  // `takeSeed` gives the random seed of a new game; `endProgram` ends the program
  // after a victory or a lost game that is not played again.
  GameClock(Game& game, ViewPort& view, Windows windows, std::function<uint32_t()> takeSeed,
            std::function<void()> endProgram);

  // One timer event: the game time advances and the hourly step, the daily step
  // and the month end run when their boundary is crossed.
  void Timer1Timer();
  // Sales, the campaign's readiness, opening hours, market and chart, strikes.
  // `advance` is false for the step a resumed game runs at once.
  void HourlyStep(bool advance);
  // Upkeep, wages, overdraft, prestige, the day's report and the loss checks.
  void DailyStep();
  // A new company on the first morning of 2001 at the second speed.
  void NewGame();

 private:
  // A loss question: Yes starts a new game, anything else ends the program.
  void outcome(const Marked& text, GameOutcome how);
  void victory();
  // Tells the front end the game's result, once for each company.
  void finished(GameOutcome how);

  Game& game_;
  ViewPort& view_;
  Windows windows_;
  std::function<uint32_t()> takeSeed_;
  std::function<void()> endProgram_;
  // Each date is decoded twice: after the advance that reaches it and before the next.
  DateDecoder decode_;
  // The company whose result was told last (Game::companiesAdopted).
  uint64_t finished_ = 0;
};

}  // namespace kelpmark
