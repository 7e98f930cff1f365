// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A view for tests: records every message, error, question, window and help topic,
// and answers questions from a queue (Yes when the queue is empty).
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "commands/view_port.h"

namespace kmtest {

struct AskedQuestion {
  std::string text;
  kelpmark::QuestionKind kind;
  bool withCancel;
};

class FakeView : public kelpmark::ViewPort {
 public:
  // Texts are kept as the game's own language writes them.
  void message(const kelpmark::Text& text) override { messages.push_back(text.russian()); }
  void error(const kelpmark::Text& text) override { errors.push_back(text.russian()); }
  kelpmark::Answer question(const kelpmark::Text& text, kelpmark::QuestionKind kind,
                            bool withCancel) override {
    questions.push_back({text.russian(), kind, withCancel});
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
  void gameFinished(const kelpmark::GameResult& result) override { results.push_back(result); }

  void clear() {
    messages.clear();
    errors.clear();
    questions.clear();
    modals.clear();
    helpTopics.clear();
  }

  std::vector<std::string> messages;
  std::vector<std::string> errors;
  std::vector<AskedQuestion> questions;
  std::deque<kelpmark::Answer> answers;
  std::vector<kelpmark::ModalWindow> modals;
  std::vector<int> helpTopics;
  int webOpened = 0;
  int endRequests = 0;
  std::vector<kelpmark::GameResult> results;
  std::function<void(kelpmark::ModalWindow)> onModal;
};

}  // namespace kmtest
