#pragma once
// A view for tests: records every message, error, question and window, and
// answers questions from a script (Yes when the script is empty).
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "commands/program.h"

namespace kmtest {

class FakeView : public kelpmark::ViewPort {
 public:
  void message(const std::string& text) override { messages.push_back(text); }
  void error(const std::string& text) override { errors.push_back(text); }
  kelpmark::Answer question(const std::string& text, kelpmark::QuestionKind kind,
                            bool withCancel) override {
    questions.push_back(text);
    questionKinds.push_back(kind);
    questionsWithCancel.push_back(withCancel);
    if (answers.empty()) return kelpmark::Answer::Yes;
    const kelpmark::Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  void showModal(kelpmark::ModalWindow window) override {
    modals.push_back(window);
    if (onModal) onModal(window);
  }
  void openHelp(int topic) override { helpTopics.push_back(topic); }
  void openWeb() override { ++webOpened; }
  void endProgram() override { ++endRequests; }

  void clear() {
    messages.clear();
    errors.clear();
    questions.clear();
    questionKinds.clear();
    questionsWithCancel.clear();
    modals.clear();
    helpTopics.clear();
  }

  std::vector<std::string> messages;
  std::vector<std::string> errors;
  std::vector<std::string> questions;
  std::vector<kelpmark::QuestionKind> questionKinds;
  std::vector<bool> questionsWithCancel;
  std::deque<kelpmark::Answer> answers;
  std::vector<kelpmark::ModalWindow> modals;
  std::vector<int> helpTopics;
  int webOpened = 0;
  int endRequests = 0;
  std::function<void(kelpmark::ModalWindow)> onModal;
};

// A program run with a fake view and a fixed clock seed for every new game.
struct TestProgram {
  explicit TestProgram(uint32_t seed = 1) : program(view, options(seed)) {}

  static kelpmark::ProgramOptions options(uint32_t seed) {
    kelpmark::ProgramOptions o;
    o.welcomeText = "WELCOME";
    o.clockSeed = [seed](std::optional<uint32_t> requested) { return requested.value_or(seed); };
    return o;
  }

  kelpmark::TMainForm& main() { return program.mainForm; }
  kelpmark::Game& game() { return program.game; }
  kelpmark::TCorporation& corp() { return program.game.corp(); }

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
};

}  // namespace kmtest
