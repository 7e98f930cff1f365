// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Watching a program from outside, e.g. to record a game as a script: what the
// player did, what each question was answered, which saved game was resumed.
#include <cstdint>
#include <string>

#include "commands/player_action.h"
#include "commands/view_port.h"

namespace kelpmark {

// What became of a player's action.
enum class ActionResult {
  // The handler ran (it may have refused with an error message).
  Done,
  // The control is disabled or its window is not shown: nothing happened, and the
  // scenario runner logs the action as ignored.
  Ignored,
  // Nothing happened, and nothing is logged: the clock, the lamps, the speed and
  // the window's minimize and restore before the first game; a tick while the timer
  // stands; any action once the program has ended.
  IgnoredQuietly,
};

class ProgramObserver {
 public:
  virtual ~ProgramObserver() = default;
  // A question was answered. Told while the action (or the start-up) that asked it
  // is still running, so before `performed` for that action.
  virtual void answered(const std::string& /*question*/, Answer /*answer*/) {}
  // An action has run or was refused. A new game carries the clock seed it took,
  // a tick the number of timer events that really ran.
  virtual void performed(const PlayerAction& /*action*/, ActionResult /*result*/) {}
  // The saved game at `path` is being resumed at start-up with `clockSeed` (the
  // question before it has already been told to `answered`).
  virtual void resumed(const std::string& /*path*/, uint32_t /*clockSeed*/) {}
};

// The front end's view port as the rules reach it: every call is passed on, and
// each answer is also told to the observer.
class ObservedViewPort final : public ViewPort {
 public:
  explicit ObservedViewPort(ViewPort& inner) : inner_(inner) {}
  void setObserver(ProgramObserver* observer) { observer_ = observer; }
  ProgramObserver* observer() const { return observer_; }

  void message(const Text& text) override { inner_.message(text); }
  void error(const Text& text) override { inner_.error(text); }
  Answer question(const Text& text, QuestionKind kind, bool withCancel) override {
    const Answer a = inner_.question(text, kind, withCancel);
    if (observer_ != nullptr) observer_->answered(text.russian(), a);
    return a;
  }
  void showModal(ModalWindow window) override { inner_.showModal(window); }
  void openHelp(int topic) override { inner_.openHelp(topic); }
  void openWeb() override { inner_.openWeb(); }
  void endProgram() override { inner_.endProgram(); }
  void gameFinished(const GameResult& result) override { inner_.gameFinished(result); }

 private:
  ViewPort& inner_;
  ProgramObserver* observer_ = nullptr;
};

}  // namespace kelpmark
