// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the rules reach the screen. Each front end implements it: the Qt windows
// with real dialogs, the scenario runner with its log, tests with a fake.
#include <stdexcept>
#include <string>

#include "model/results.h"
#include "model/text.h"

namespace kelpmark {

enum class Answer { Yes, No, Cancel };

// The look of a question dialog.
enum class QuestionKind { Confirmation, Warning };

enum class ModalWindow { ReportForm, WelcomeForm };

class ViewPort {
 public:
  virtual ~ViewPort() = default;
  // A plain modal message with an OK button and the application's title.
  virtual void message(const Text& text) = 0;
  // The application's error box, for a refused command.
  virtual void error(const Text& text) = 0;
  // A modal question with Yes and No (and Cancel when withCancel).
  virtual Answer question(const Text& text, QuestionKind kind, bool withCancel) = 0;
  // Shows a modal window of the game (its state is already filled in the core)
  // and returns when it is closed.
  virtual void showModal(ModalWindow window) = 0;
  // Opens the help viewer at a topic number.
  virtual void openHelp(int topic) = 0;
  // Opens the maker's web address in the browser.
  virtual void openWeb() = 0;
  // Ends the program once the current event (a tick, a click) has finished.
  virtual void endProgram() = 0;
  // A game has ended, won or lost: told once per game, as the game ends, before
  // any message or question about it. (The runner keeps no results.)
  virtual void gameFinished(const GameResult& /*result*/) {}
};

// A refused command: the front end shows the message in its error box; the state
// stays as it was at the point of the refusal.
class CommandError : public std::runtime_error {
 public:
  explicit CommandError(const Text& message)
      : std::runtime_error(message.russian()), message_(message) {}
  const Text& message() const { return message_; }

 private:
  Text message_;
};

}  // namespace kelpmark
