#include "script.h"

#include <limits>
#include <set>
#include <sstream>

namespace kelpmark::sim {

namespace {

std::vector<std::string> splitWords(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  for (char c : line) {
    if (c == ' ' || c == '\t' || c == '\r') {
      if (!word.empty()) words.push_back(std::move(word));
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

bool isDigits(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

// A non-negative decimal count of at most kMaxCount.
bool parseCount(const std::string& s, uint64_t& out) {
  if (!isDigits(s)) return false;
  uint64_t v = 0;
  for (char c : s) {
    v = v * 10 + static_cast<uint64_t>(c - '0');
    if (v > kMaxCount) return false;
  }
  out = v;
  return true;
}

// Any integer, taken modulo 2^32.
bool parseSeed(const std::string& s, uint32_t& out) {
  std::string digits = s;
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

const std::set<std::string>& clickTargets() {
  static const std::set<std::string> targets = {
      "MainForm.FishBtn",      "MainForm.TorgBtn",      "MainForm.MaxBtn",
      "MainForm.StopBtn",      "MainForm.StorageBtn",   "MainForm.LotBtn",
      "MainForm.ShopBtn",      "MainForm.OfficeBtn",    "MainForm.StuffBtn",
      "MainForm.SalerBtn",     "MainForm.AccounterBtn", "MainForm.ManagerBtn",
      "MainForm.ActionsBtn",   "MainForm.StatsBtn",     "MainForm.WokrersBtn",
      "MainForm.BuildingsBtn", "MainForm.TimeLbl",      "MainForm.Img1on",
      "MainForm.Img2on",       "MainForm.Img3on",       "MainForm.Img4on",
      "PersForm.UpBtn",        "PersForm.LoBtn",        "PersForm.WokrersBtn",
      "PersForm.BuildingsBtn", "PersForm.FireBtn",      "PersForm.CloseBtn",
      "PersForm.GradBtn1",     "BuildForm.RemBtn",      "BuildForm.UpgBtn",
      "BuildForm.FireBtn",     "BuildForm.CloseBtn",    "BuildForm.GradBtn1",
      "ActionForm.UpSalBtn",   "ActionForm.PayPremBtn", "ActionForm.GradBtn1",
      "ActionForm.AdBtn"};
  return targets;
}

// Items of each drop-down list.
int boxItems(const std::string& target) {
  if (target == "ActionForm.AdBox") return 8;
  if (target == "ActionForm.DivBox") return 5;
  if (target == "PersForm.PersBox") return 4;
  if (target == "BuildForm.BuildBox") return 3;
  return -1;
}

}  // namespace

std::string escapeUnprintable(const std::string& text) {
  static const char* const hex = "0123456789abcdef";
  std::string out;
  size_t i = 0;
  const auto escape = [&](unsigned char b) {
    out += "\\x";
    out += hex[b >> 4];
    out += hex[b & 15];
  };
  while (i < text.size()) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b >= 0x20 && b < 0x7f) {
      out += text[i++];
      continue;
    }
    // A well-formed UTF-8 sequence of a printable code point (U+00A0 and above).
    const size_t length = b >= 0xc2 && b < 0xe0   ? 2
                          : b >= 0xe0 && b < 0xf0 ? 3
                          : b >= 0xf0 && b < 0xf5 ? 4
                                                  : 0;
    uint32_t cp = length == 4 ? b & 7u : length == 3 ? b & 15u : b & 31u;
    bool ok = length > 0 && i + length <= text.size();
    for (size_t k = 1; ok && k < length; ++k) {
      const auto c = static_cast<unsigned char>(text[i + k]);
      ok = (c & 0xc0) == 0x80;
      cp = cp << 6 | (c & 0x3fu);
    }
    ok = ok && cp >= 0xa0 && cp <= 0x10ffff && !(cp >= 0xd800 && cp < 0xe000) &&
         !(length == 3 && cp < 0x800) && !(length == 4 && cp < 0x10000);
    if (ok) {
      out.append(text, i, length);
      i += length;
    } else {
      escape(b);
      ++i;
    }
  }
  return out;
}

std::string Command::joined() const {
  std::string s;
  for (const auto& w : words) {
    if (!s.empty()) s += ' ';
    s += w;
  }
  return s;
}

std::vector<Command> parseScript(std::istream& in) {
  std::vector<Command> commands;
  std::string text;
  int64_t lineNo = 0;
  while (std::getline(in, text)) {
    ++lineNo;
    std::vector<std::string> w = splitWords(text);
    if (w.empty() || w[0][0] == '#') continue;
    Command c;
    c.line = lineNo;
    c.words = w;
    const std::string& verb = w[0];
    const size_t args = w.size() - 1;
    auto fail = [&](const std::string& why) { throw ScriptError{lineNo, why}; };
    auto needArgs = [&](size_t lo, size_t hi) {
      if (args < lo || args > hi) fail("wrong number of arguments for '" + verb + "'");
    };
    if (verb == "new") {
      c.verb = Verb::New;
      needArgs(1, 1);
      if (!parseSeed(w[1], c.seed)) fail("bad seed '" + w[1] + "'");
    } else if (verb == "resume") {
      c.verb = Verb::Resume;
      needArgs(2, 2);
      c.path = w[1];
      if (!parseSeed(w[2], c.seed)) fail("bad seed '" + w[2] + "'");
      if (!commands.empty()) fail("'resume' must be the first command");
    } else if (verb == "tick") {
      c.verb = Verb::Tick;
      needArgs(0, 1);
      if (args == 1 && !parseCount(w[1], c.count)) fail("bad count '" + w[1] + "'");
    } else if (verb == "speed") {
      c.verb = Verb::Speed;
      needArgs(1, 1);
      if (!parseCount(w[1], c.count) || c.count > 5) fail("bad speed level '" + w[1] + "'");
    } else if (verb == "minimize" || verb == "restore" || verb == "help" || verb == "about" ||
               verb == "dump") {
      c.verb = verb == "minimize"  ? Verb::Minimize
               : verb == "restore" ? Verb::Restore
               : verb == "help"    ? Verb::Help
               : verb == "about"   ? Verb::About
                                   : Verb::Dump;
      needArgs(0, 0);
    } else if (verb == "click") {
      c.verb = Verb::Click;
      needArgs(1, 1);
      if (!clickTargets().count(w[1])) fail("unknown control '" + w[1] + "'");
      c.target = w[1];
    } else if (verb == "close") {
      c.verb = Verb::Close;
      needArgs(1, 1);
      if (w[1] != "PersForm" && w[1] != "BuildForm" && w[1] != "ActionForm")
        fail("unknown window '" + w[1] + "'");
      c.target = w[1];
    } else if (verb == "spin") {
      c.verb = Verb::Spin;
      needArgs(2, 3);
      if (w[1] != "MainForm.PSpn") fail("unknown spin edit '" + w[1] + "'");
      c.target = w[1];
      if (w[2] == "up")
        c.direction = 1;
      else if (w[2] == "down")
        c.direction = -1;
      else
        fail("bad direction '" + w[2] + "'");
      if (args == 3 && !parseCount(w[3], c.count)) fail("bad count '" + w[3] + "'");
    } else if (verb == "choose") {
      c.verb = Verb::Choose;
      needArgs(2, 2);
      const int items = boxItems(w[1]);
      if (items < 0) fail("unknown drop-down list '" + w[1] + "'");
      c.target = w[1];
      if (!parseCount(w[2], c.count) || c.count >= static_cast<uint64_t>(items))
        fail("item '" + w[2] + "' is not in " + w[1]);
    } else if (verb == "select") {
      c.verb = Verb::Select;
      needArgs(2, 2);
      if (w[1] != "PersForm.PersList" && w[1] != "BuildForm.BuildList")
        fail("unknown list '" + w[1] + "'");
      c.target = w[1];
      if (!parseCount(w[2], c.count)) fail("bad entry '" + w[2] + "'");
    } else if (verb == "answer") {
      c.verb = Verb::Answer;
      needArgs(1, std::numeric_limits<size_t>::max());
      for (size_t i = 1; i < w.size(); ++i) {
        if (w[i] != "yes" && w[i] != "no" && w[i] != "cancel") fail("bad answer '" + w[i] + "'");
        c.answers.push_back(w[i]);
      }
    } else if (verb == "save") {
      c.verb = Verb::Save;
      needArgs(1, 1);
      c.path = w[1];
    } else {
      fail("unknown command '" + verb + "'");
    }
    commands.push_back(std::move(c));
  }
  return commands;
}

}  // namespace kelpmark::sim
