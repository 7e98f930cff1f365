// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every player command is a check and an action. The check answers whether the
// command may run now and, if not, which box tells the player why; it changes
// nothing and draws no random number. The action carries the command out. The
// window's handler runs the check, shows its refusal or asks its questions, then
// runs the action and refreshes what the windows show.
#include <optional>
#include <utility>

#include "model/text.h"

namespace kelpmark {

class ViewPort;

struct Refusal {
  // A plain message box, or the error box of a refused command.
  enum class Box { Message, Error };
  Box box = Box::Message;
  Text text;

  static Refusal message(Text text) { return {Box::Message, std::move(text)}; }
  static Refusal error(Text text) { return {Box::Error, std::move(text)}; }
};

// The text of every refusal for want of cash (but the campaign's own).
extern const Marked kNoMoney;

// A check's answer: nothing when the command may run.
using Check = std::optional<Refusal>;

// Shows the refusal. A message box returns to the handler, which ends; the error
// box is raised as a CommandError, which ends the handler (and any handler that
// called it) at once.
void refuse(ViewPort& view, const Refusal& refusal);

}  // namespace kelpmark
