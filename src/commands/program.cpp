#include "commands/program.h"

namespace kelpmark {

Program::Program(ViewPort& v, ProgramOptions o)
    : view(v),
      options(std::move(o)),
      game(v),
      mainForm(*this),
      persForm(*this),
      buildForm(*this),
      reportForm(*this),
      actionForm(*this) {
  game.format = options.format;
  game.ticker.set(options.welcomeText);
}

void Program::endProgram() {
  if (ended) return;
  ended = true;
  view.endProgram();
}

}  // namespace kelpmark
