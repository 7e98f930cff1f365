// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a parsed script through the game and writes the log.
#include <deque>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "commands/program.h"
#include "script.h"

namespace kelpmark::sim {

// The headless view: every message, question and window goes to the log.
class LogView : public ViewPort {
 public:
  explicit LogView(std::ostream& out) : out_(out) {}
  void attach(Program* program) { program_ = program; }
  void queueAnswer(const std::string& a);

  void message(const Text& text) override;
  void error(const Text& text) override;
  Answer question(const Text& text, QuestionKind kind, bool withCancel) override;
  void showModal(ModalWindow window) override;
  void openHelp(int topic) override;
  void openWeb() override;
  void endProgram() override {}

  void line(const std::string& text);

 private:
  std::ostream& out_;
  std::deque<Answer> answers_;
  Program* program_ = nullptr;
};

class Runner {
 public:
  explicit Runner(std::ostream& out);
  // Runs the commands; stops when the game ends the program.
  void run(const std::vector<Command>& commands);
  // True once the game has ended the program (the rest of a script is ignored).
  bool finished() const { return program_->ended; }
  const Program& program() const { return *program_; }
  Program& program() { return *program_; }

 private:
  void execute(const Command& c);

  LogView view_;
  uint32_t clockSeed_ = 0;
  std::unique_ptr<Program> program_;
};

// The welcome text of the ticker in the headless view.
std::string headlessWelcomeText();

}  // namespace kelpmark::sim
