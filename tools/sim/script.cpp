// SPDX-License-Identifier: GPL-3.0-or-later
#include "script.h"

#include <cstring>
#include <limits>
#include <stdexcept>

namespace kelpmark::sim {

namespace {

// An error echoes at most this many bytes of a word.
constexpr size_t kEchoLimit = 80;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Reads a script a line at a time, in large blocks, and splits each line into its
// words. A comment, and a first word too long for any command, are skipped unread,
// so that a huge line costs neither time nor memory.
class LineReader {
 public:
  explicit LineReader(std::istream& in) : in_(in), buffer_(size_t{1} << 16) {}

  // The words of the next line; false at the end of the input. A comment line gives
  // the one word "#". `cut` tells a first word that was longer than kEchoLimit: only
  // its first bytes are kept, and the rest of the line is skipped.
  bool next(std::vector<std::string>& words, bool& cut) {
    words.clear();
    cut = false;
    std::string word;
    bool any = false;
    const auto endWord = [&] {
      if (!word.empty()) words.push_back(std::move(word));
      word.clear();
    };
    for (;;) {
      if (at_ == end_ && !fill()) {
        endWord();
        return any;
      }
      any = true;
      const char c = buffer_[at_];
      if (c == '\n') {
        ++at_;
        endWord();
        return true;
      }
      if (isBlank(c)) {
        ++at_;
        endWord();
        continue;
      }
      if (words.empty() && word.empty() && c == '#') {
        skipLine();
        words.emplace_back("#");
        return true;
      }
      size_t run = at_;
      while (run < end_ && !isBlank(buffer_[run]) && buffer_[run] != '\n') ++run;
      word.append(buffer_.data() + at_, run - at_);
      at_ = run;
      if (words.empty() && word.size() > kEchoLimit) {
        word.resize(kEchoLimit + 1);
        words.push_back(std::move(word));
        skipLine();
        cut = true;
        return true;
      }
    }
  }

 private:
  bool fill() {
    in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    end_ = static_cast<size_t>(in_.gcount());
    at_ = 0;
    return end_ > 0;
  }
  void skipLine() {
    for (;;) {
      if (at_ == end_ && !fill()) return;
      const void* lineEnd = std::memchr(buffer_.data() + at_, '\n', end_ - at_);
      if (lineEnd != nullptr) {
        at_ = static_cast<size_t>(static_cast<const char*>(lineEnd) - buffer_.data()) + 1;
        return;
      }
      at_ = end_;
    }
  }

  std::istream& in_;
  std::vector<char> buffer_;
  size_t at_ = 0;
  size_t end_ = 0;
};

// A word as an error shows it: at most kEchoLimit bytes (never half a UTF-8
// character), then "…".
std::string echoed(const std::string& word) {
  if (word.size() <= kEchoLimit) return word;
  size_t keep = kEchoLimit;
  while (keep > 0 && (static_cast<unsigned char>(word[keep]) & 0xc0) == 0x80) --keep;
  return word.substr(0, keep) + "\u2026";
}

// The error's text with every long word of the line cut as echoed() cuts it.
std::string withEchoedWords(std::string message, const std::vector<std::string>& words) {
  for (const std::string& w : words) {
    if (w.size() <= kEchoLimit) continue;
    const size_t at = message.find(w);
    if (at != std::string::npos) message.replace(at, w.size(), echoed(w));
  }
  return message;
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
  LineReader reader(in);
  std::vector<std::string> w;
  bool cut = false;
  int64_t lineNo = 0;
  while (reader.next(w, cut)) {
    ++lineNo;
    if (w.empty() || w[0][0] == '#') continue;
    Command c;
    c.line = lineNo;
    const std::string& verb = w[0];
    const size_t args = w.size() - 1;
    auto fail = [&](const std::string& why) { throw ScriptError{lineNo, withEchoedWords(why, w)}; };
    auto needArgs = [&](size_t lo, size_t hi) {
      if (args < lo || args > hi) fail("wrong number of arguments for '" + verb + "'");
    };
    if (cut) fail("unknown command '" + verb + "'");
    try {
      if (std::optional<PlayerAction> action = parsePlayerAction(w)) {
        c.verb = Verb::Action;
        c.action = *action;
        c.words = std::move(w);
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
    } else if (verb == "books") {
      c.verb = Verb::Books;
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
    c.words = std::move(w);
    commands.push_back(std::move(c));
  }
  return commands;
}

}  // namespace kelpmark::sim
