#pragma once
// A view for tests: records every message, error, question and window, and
// answers questions from a script (Yes when the script is empty).
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "commands/program.h"
#include "model/view_port.h"

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
    o.clockSeed = [seed] { return seed; };
    return o;
  }

  kelpmark::TMainForm& main() { return program.mainForm; }
  kelpmark::Game& game() { return program.game; }
  kelpmark::TCorporation& corp() { return program.game.corp(); }

  FakeView view;
  kelpmark::Program program;
};

}  // namespace kmtest
