// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One run of the program: the game object, the windows' state and handlers, the
// clock, and the way to the screen. Both front ends (the Qt windows and the scenario runner)
// drive the game through it: every player action goes through perform(), which
// checks what the player could really do before any handler runs.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "commands/action_form.h"
#include "commands/build_form.h"
#include "commands/game_clock.h"
#include "commands/main_form.h"
#include "commands/pers_form.h"
#include "commands/player_action.h"
#include "commands/program_observer.h"
#include "commands/report_form.h"
#include "commands/view_port.h"
#include "engine/game.h"

namespace kelpmark {

struct ProgramOptions {
  FormatSettings format;
  // The ticker's text at program start.
  std::string welcomeText;
  // The seed a new game takes instead of the system clock. `requested` is the seed
  // a new-game action carries (a script's `new S`); every other new game (from an
  // outcome dialog, or the start-up resume) passes nothing.
  std::function<uint32_t(std::optional<uint32_t> requested)> clockSeed;
};

class Program {
 public:
  Program(ViewPort& view, ProgramOptions options);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Performs a player's action if the player could: there is a game where the
  // action needs one, its window is shown (and, for the buildings window, enabled
  // as a whole), its control is enabled. A refused command inside the handler is
  // shown in the error box and still counts as done.
  ActionResult perform(const PlayerAction& action);

  // Runs a command of the program's own (start-up, exit); a refused command is
  // shown in the error box.
  template <class F>
  void run(F&& command) {
    try {
      command();
    } catch (const CommandError& e) {
      view.error(e.message());
    }
  }

  // The program ends after the current event.
  void endProgram();

  // Who is told of every action, answer and resume (none by default).
  void setObserver(ProgramObserver* observer) { observed_.setObserver(observer); }
  ProgramObserver* observer() const { return observed_.observer(); }
  // The clock seed the last new game took.
  uint32_t lastClockSeed() const { return lastClockSeed_; }
  // True while a player's action runs (its questions are the player's answers in
  // the game; start-up and exit ask outside any action).
  bool performing() const { return performing_ > 0; }

 private:
  // The seed for a new game: the one a new-game action asked for, else the front
  // end's clock.
  uint32_t takeClockSeed();
  ActionResult performAction(PlayerAction& action);
  ActionResult click(Control control);
  ActionResult close(Control window);
  ActionResult choose(Control box, uint64_t item);
  ActionResult select(Control list, uint64_t entry);
  ActionResult tick(PlayerAction& action);
  // Runs the handler when the player could reach it; else the action is ignored.
  template <class F>
  ActionResult when(bool reachable, F&& handler) {
    if (!reachable) return ActionResult::Ignored;
    run(handler);
    return ActionResult::Done;
  }
  template <class F>
  ActionResult done(F&& handler) {
    return when(true, handler);
  }

  ObservedViewPort observed_;
  std::optional<uint32_t> requestedSeed_;
  uint32_t lastClockSeed_ = 0;
  int performing_ = 0;

 public:
  // The front end's view port, as the rules reach it (the observer hears the answers).
  ViewPort& view;
  ProgramOptions options;
  Game game;
  TMainForm mainForm;
  TPersForm persForm;
  TBuildForm buildForm;
  TReportForm reportForm;
  TActionForm actionForm;
  GameClock clock;
  bool ended = false;
};

}  // namespace kelpmark
