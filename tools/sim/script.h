#pragma once
// Scripts of kelpmark-sim: one command a line, read whole before anything runs.
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace kelpmark::sim {

enum class Verb {
  New, Resume, Tick, Speed, Minimize, Restore, Help, About, Click, Close, Spin, Choose, Select,
  Answer, Save, Dump
};

struct Command {
  int64_t line = 0;
  Verb verb = Verb::Dump;
  std::vector<std::string> words;  // the line's words, as written
  std::string target;              // W.NAME for click, spin, choose, select; W for close
  uint32_t seed = 0;               // new, resume
  uint64_t count = 1;              // tick N, spin N, choose K, select I, speed L
  int direction = 0;               // spin: +1 up, -1 down
  std::string path;                // resume, save
  std::vector<std::string> answers;
  std::string joined() const;      // the words joined by single blanks
};

struct ScriptError {
  int64_t line;
  std::string message;
};

// The largest count a command takes (ticks, spin clicks, entries).
constexpr uint64_t kMaxCount = 1000000000000;

// Parses a whole script; throws ScriptError for an unknown command or a bad argument.
std::vector<Command> parseScript(std::istream& in);

// The text with every byte a terminal would not show as a letter written as \xNN:
// control characters, C1 controls and bytes outside well-formed UTF-8.
std::string escapeUnprintable(const std::string& text);

}  // namespace kelpmark::sim
