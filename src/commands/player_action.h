// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a player does, as a value: a verb, the control it is aimed at and a number.
// Every front end hands its player's actions to Program::perform in this form; the
// scenario runner reads them from its script lines, and a recording can write them
// back as such lines (scriptLine).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "commands/control_ids.h"

namespace kelpmark {

enum class ActionVerb {
  New, Tick, Speed, Minimize, Restore, Help, About, Click, Close, Spin, Choose, Select
};

struct PlayerAction {
  ActionVerb verb = ActionVerb::Tick;
  Control control = Control::None;  // click, close, spin, choose, select
  // tick: the timer events; speed: the level; spin: the clicks; choose: the item;
  // select: the entry.
  uint64_t number = 1;
  int direction = 0;  // spin: +1 up, -1 down
  // new: the clock seed the game starts from; without one the front end reads its
  // clock (an action a program reports as performed always carries the seed taken).
  std::optional<uint32_t> seed;

  static PlayerAction newGame(std::optional<uint32_t> seed = std::nullopt);
  static PlayerAction tick(uint64_t events = 1);
  static PlayerAction speed(int level);
  // minimize, restore, help, about
  static PlayerAction plain(ActionVerb verb);
  static PlayerAction click(Control c);
  static PlayerAction click(MainButton b) { return click(controlOf(b)); }
  static PlayerAction close(Control window);
  static PlayerAction spin(int direction, uint64_t clicks = 1);
  static PlayerAction choose(Control box, int item);
  static PlayerAction select(Control list, int entry);

  // The action as a line of a kelpmark-sim script ("click PersForm.UpBtn",
  // "spin MainForm.PSpn down 3"); parsePlayerAction reads it back as it was.
  std::string scriptLine() const;
  bool operator==(const PlayerAction&) const = default;
};

// Reads the words of a script line as a player action. Returns nothing when the
// first word is not a player's verb (resume, answer, save, dump, unknown words);
// throws std::invalid_argument, saying what is wrong, for a player's verb with bad
// arguments (an unknown control, a level above 5, an item not in the drop-down).
std::optional<PlayerAction> parsePlayerAction(const std::vector<std::string>& words);

// The largest count a script line takes (ticks, spin clicks, entries).
constexpr uint64_t kMaxActionCount = 1000000000000;

// Script numbers: a non-negative decimal count of at most kMaxActionCount, and a
// seed that may be any integer, taken modulo 2^32.
bool readCount(const std::string& word, uint64_t& out);
bool readSeed(const std::string& word, uint32_t& out);

}  // namespace kelpmark
