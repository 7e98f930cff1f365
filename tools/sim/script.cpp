// SPDX-License-Identifier: GPL-3.0-or-later
#include "script.h"

#include <limits>
#include <stdexcept>

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
    try {
      if (std::optional<PlayerAction> action = parsePlayerAction(w)) {
        c.verb = Verb::Action;
        c.action = *action;
        commands.push_back(std::move(c));
        continue;
      }
    } catch (const std::invalid_argument& e) {
      fail(e.what());
    }
    if (verb == "resume") {
      c.verb = Verb::Resume;
      needArgs(2, 2);
      c.path = w[1];
      if (!readSeed(w[2], c.seed)) fail("bad seed '" + w[2] + "'");
      if (!commands.empty()) fail("'resume' must be the first command");
    } else if (verb == "dump") {
      c.verb = Verb::Dump;
      needArgs(0, 0);
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
