// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One run of the program with a fake view. Every new game takes the next clock
// seed, counting from the first one (a seed that the new-game action names is
// taken instead, and counting goes on from there).
#include <cstdint>
#include <optional>

#include "commands/program.h"
#include "support/fake_view.h"

namespace kmtest {

class TestProgram {
 public:
  explicit TestProgram(uint32_t firstSeed = 1, kelpmark::FormatSettings format = {})
      : program(view, options(format)), nextSeed_(firstSeed) {}
  TestProgram(const TestProgram&) = delete;
  TestProgram& operator=(const TestProgram&) = delete;

  kelpmark::TMainForm& main() { return program.mainForm; }
  kelpmark::Game& game() { return program.game; }
  kelpmark::TCorporation& corp() { return program.game.corp(); }
  // The seed the next new game will take.
  uint32_t nextSeed() const { return nextSeed_; }

  // The player's way in.
  kelpmark::ActionResult perform(const kelpmark::PlayerAction& action) {
    return program.perform(action);
  }
  void newGame() { perform(kelpmark::PlayerAction::newGame()); }
  void speed(int level) { perform(kelpmark::PlayerAction::speed(level)); }
  void ticks(int n) { perform(kelpmark::PlayerAction::tick(static_cast<uint64_t>(n))); }
  kelpmark::ActionResult click(kelpmark::MainButton b) {
    return perform(kelpmark::PlayerAction::click(b));
  }
  // A click on a main window button at any hour: the button is first opened as the
  // clock opens it in working hours.
  kelpmark::ActionResult press(kelpmark::MainButton b) {
    main().flag(b) = true;
    return click(b);
  }

  FakeView view;
  kelpmark::Program program;

 private:
  kelpmark::ProgramOptions options(const kelpmark::FormatSettings& format) {
    kelpmark::ProgramOptions o;
    o.welcomeText = "WELCOME";
    o.format = format;
    o.clockSeed = [this](std::optional<uint32_t> requested) {
      if (requested) nextSeed_ = *requested;
      return nextSeed_++;
    };
    return o;
  }

  uint32_t nextSeed_;
};

}  // namespace kmtest
