#pragma once
// One run of the program: the game object, the windows' state and handlers, and
// the way to the screen. Both front ends (the Qt windows and the scenario runner)
// drive the game through it.
#include <cstdint>
#include <functional>
#include <string>

#include "commands/action_form.h"
#include "commands/build_form.h"
#include "commands/main_form.h"
#include "commands/pers_form.h"
#include "commands/report_form.h"
#include "engine/game.h"

namespace kelpmark {

struct ProgramOptions {
  FormatSettings format;
  // The ticker's text at program start.
  std::string welcomeText;
  // The seed a new game takes instead of the system clock.
  std::function<uint32_t()> clockSeed;
};

class Program {
 public:
  Program(ViewPort& view, ProgramOptions options);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Runs a command; a refused command is shown in the error box.
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

  ViewPort& view;
  ProgramOptions options;
  Game game;
  TMainForm mainForm;
  TPersForm persForm;
  TBuildForm buildForm;
  TReportForm reportForm;
  TActionForm actionForm;
  bool ended = false;
};

}  // namespace kelpmark
