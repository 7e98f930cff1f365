// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A view port for runs without a screen (benchmarks, fuzzing, long headless
// games): nothing is shown, every question is answered Yes (so a lost game
// starts a new one), and messages, errors and questions are only counted.
#include "commands/view_port.h"

namespace kelpmark {

class QuietViewPort : public ViewPort {
 public:
  void message(const Text&) override { ++messages; }
  void error(const Text&) override { ++errors; }
  Answer question(const Text&, QuestionKind, bool) override {
    ++questions;
    return Answer::Yes;
  }
  void showModal(ModalWindow) override {}
  void openHelp(int) override {}
  void openWeb() override {}
  void endProgram() override {}

  long messages = 0;
  long errors = 0;
  long questions = 0;
};

}  // namespace kelpmark
