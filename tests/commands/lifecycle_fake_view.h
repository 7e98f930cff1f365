#pragma once
// A screen for the start-up and exit tests: it records every message and question
// and answers questions from a queue (Yes when the queue is empty).
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "commands/program.h"

namespace kelpmark::lifecycle_test {

struct AskedQuestion {
  std::string text;
  QuestionKind kind;
  bool withCancel;
};

class LifecycleFakeView : public ViewPort {
 public:
  void message(const std::string& text) override { messages.push_back(text); }
  void error(const std::string& text) override { errors.push_back(text); }
  Answer question(const std::string& text, QuestionKind kind, bool withCancel) override {
    questions.push_back({text, kind, withCancel});
    if (answers.empty()) return Answer::Yes;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  void showModal(ModalWindow window) override { modals.push_back(window); }
  void openHelp(int topic) override { helpTopics.push_back(topic); }
  void openWeb() override {}
  void endProgram() override { ++endRequests; }

  std::vector<std::string> messages;
  std::vector<std::string> errors;
  std::vector<AskedQuestion> questions;
  std::vector<ModalWindow> modals;
  std::vector<int> helpTopics;
  std::deque<Answer> answers;
  int endRequests = 0;
};

// One run of the program with a fake screen. Every new game takes the next clock
// seed, starting at `firstSeed`.
class TestProgram {
 public:
  explicit TestProgram(uint32_t firstSeed = 1) : nextSeed_(firstSeed) {
    ProgramOptions options;
    options.welcomeText = "WELCOME";
    options.clockSeed = [this](std::optional<uint32_t> requested) {
      if (requested) nextSeed_ = *requested;
      return nextSeed_++;
    };
    program_ = std::make_unique<Program>(view, std::move(options));
  }

  Program& operator*() { return *program_; }
  Program* operator->() { return program_.get(); }
  uint32_t nextSeed() const { return nextSeed_; }

  LifecycleFakeView view;

 private:
  uint32_t nextSeed_;
  std::unique_ptr<Program> program_;
};

}  // namespace kelpmark::lifecycle_test
