// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/player_action.h"

#include <stdexcept>

namespace kelpmark {

namespace {

const char* const kVerbs[] = {"new",  "tick",  "speed", "minimize", "restore", "help",
                              "about", "click", "close", "spin",     "choose",  "select"};

bool isDigits(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

PlayerAction PlayerAction::newGame(std::optional<uint32_t> seed) {
  PlayerAction a;
  a.verb = ActionVerb::New;
  a.seed = seed;
  return a;
}

PlayerAction PlayerAction::tick(uint64_t events) {
  PlayerAction a;
  a.number = events;
  return a;
}

PlayerAction PlayerAction::speed(int level) {
  PlayerAction a;
  a.verb = ActionVerb::Speed;
  a.number = static_cast<uint64_t>(level);
  return a;
}

PlayerAction PlayerAction::plain(ActionVerb verb) {
  PlayerAction a;
  a.verb = verb;
  return a;
}

PlayerAction PlayerAction::click(Control c) {
  PlayerAction a;
  a.verb = ActionVerb::Click;
  a.control = c;
  return a;
}

PlayerAction PlayerAction::close(Control window) {
  PlayerAction a;
  a.verb = ActionVerb::Close;
  a.control = window;
  return a;
}

PlayerAction PlayerAction::spin(int direction, uint64_t clicks) {
  PlayerAction a;
  a.verb = ActionVerb::Spin;
  a.control = Control::MainPSpn;
  a.direction = direction;
  a.number = clicks;
  return a;
}

PlayerAction PlayerAction::choose(Control box, int item) {
  PlayerAction a;
  a.verb = ActionVerb::Choose;
  a.control = box;
  a.number = static_cast<uint64_t>(item);
  return a;
}

PlayerAction PlayerAction::select(Control list, int entry) {
  PlayerAction a;
  a.verb = ActionVerb::Select;
  a.control = list;
  a.number = static_cast<uint64_t>(entry);
  return a;
}

std::string PlayerAction::scriptLine() const {
  std::string line = kVerbs[static_cast<size_t>(verb)];
  const std::string n = std::to_string(number);
  switch (verb) {
    case ActionVerb::New:
      if (seed) line += " " + std::to_string(*seed);
      break;
    case ActionVerb::Tick:
      if (number != 1) line += " " + n;
      break;
    case ActionVerb::Speed: line += " " + n; break;
    case ActionVerb::Click:
    case ActionVerb::Close: line += std::string(" ") + controlName(control); break;
    case ActionVerb::Spin:
      line += std::string(" ") + controlName(control) + (direction < 0 ? " down" : " up");
      if (number != 1) line += " " + n;
      break;
    case ActionVerb::Choose:
    case ActionVerb::Select: line += std::string(" ") + controlName(control) + " " + n; break;
    default: break;
  }
  return line;
}

bool readCount(const std::string& word, uint64_t& out) {
  if (!isDigits(word)) return false;
  uint64_t v = 0;
  for (char c : word) {
    v = v * 10 + static_cast<uint64_t>(c - '0');
    if (v > kMaxActionCount) return false;
  }
  out = v;
  return true;
}

bool readSeed(const std::string& word, uint32_t& out) {
  std::string digits = word;
  bool negative = false;
  if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) {
    negative = digits[0] == '-';
    digits.erase(0, 1);
  }
  if (!isDigits(digits)) return false;
  uint32_t v = 0;
  for (char c : digits) v = v * 10u + static_cast<uint32_t>(c - '0');
  out = negative ? 0u - v : v;
  return true;
}

std::optional<PlayerAction> parsePlayerAction(const std::vector<std::string>& words) {
  if (words.empty()) return std::nullopt;
  const std::string& verbWord = words[0];
  size_t v = 0;
  while (v < std::size(kVerbs) && verbWord != kVerbs[v]) ++v;
  if (v == std::size(kVerbs)) return std::nullopt;
  PlayerAction a;
  a.verb = static_cast<ActionVerb>(v);
  const size_t args = words.size() - 1;
  auto fail = [](const std::string& why) { throw std::invalid_argument(why); };
  auto needArgs = [&](size_t lo, size_t hi) {
    if (args < lo || args > hi) fail("wrong number of arguments for '" + verbWord + "'");
  };
  // The control named by the second word, of the kind the verb takes.
  auto control = [&](ControlKind kind, const char* what) {
    const Control c = controlNamed(words[1]);
    if (c == Control::None || controlKind(c) != kind)
      fail(std::string("unknown ") + what + " '" + words[1] + "'");
    return c;
  };
  switch (a.verb) {
    case ActionVerb::New: {
      needArgs(1, 1);
      uint32_t seed = 0;
      if (!readSeed(words[1], seed)) fail("bad seed '" + words[1] + "'");
      a.seed = seed;
      break;
    }
    case ActionVerb::Tick:
      needArgs(0, 1);
      if (args == 1 && !readCount(words[1], a.number)) fail("bad count '" + words[1] + "'");
      break;
    case ActionVerb::Speed:
      needArgs(1, 1);
      if (!readCount(words[1], a.number) || a.number > 5)
        fail("bad speed level '" + words[1] + "'");
      break;
    case ActionVerb::Click:
      needArgs(1, 1);
      a.control = control(ControlKind::Button, "control");
      break;
    case ActionVerb::Close:
      needArgs(1, 1);
      a.control = control(ControlKind::Window, "window");
      break;
    case ActionVerb::Spin:
      needArgs(2, 3);
      a.control = control(ControlKind::SpinEdit, "spin edit");
      if (words[2] == "up")
        a.direction = 1;
      else if (words[2] == "down")
        a.direction = -1;
      else
        fail("bad direction '" + words[2] + "'");
      if (args == 3 && !readCount(words[3], a.number)) fail("bad count '" + words[3] + "'");
      break;
    case ActionVerb::Choose:
      needArgs(2, 2);
      a.control = control(ControlKind::DropDown, "drop-down list");
      if (!readCount(words[2], a.number) ||
          a.number >= static_cast<uint64_t>(controlItems(a.control)))
        fail("item '" + words[2] + "' is not in " + words[1]);
      break;
    case ActionVerb::Select:
      needArgs(2, 2);
      a.control = control(ControlKind::List, "list");
      if (!readCount(words[2], a.number)) fail("bad entry '" + words[2] + "'");
      break;
    default:
      needArgs(0, 0);
      break;
  }
  return a;
}

}  // namespace kelpmark
