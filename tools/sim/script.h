// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scripts of kelpmark-sim: one command a line, read whole before anything runs.
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include "commands/player_action.h"

namespace kelpmark::sim {

// A player's action, or one of the runner's own commands.
enum class Verb { Action, Resume, Answer, Save, Dump, Books };

struct Command {
  int64_t line = 0;
  Verb verb = Verb::Dump;
  std::vector<std::string> words;  // the line's words, as written
  PlayerAction action;             // Verb::Action
  uint32_t seed = 0;               // resume
  std::string path;                // resume, save
  std::vector<std::string> answers;
  std::string joined() const;      // the words joined by single blanks
};

struct ScriptError {
  int64_t line;
  std::string message;
};


// Parses a whole script; throws ScriptError for an unknown command or a bad argument.
std::vector<Command> parseScript(std::istream& in);

// The text with every byte a terminal would not show as a letter written as \xNN:
// control characters, C1 controls and bytes outside well-formed UTF-8.
std::string escapeUnprintable(const std::string& text);

}  // namespace kelpmark::sim
