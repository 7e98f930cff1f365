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
  int line = 0;
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
  int line;
  std::string message;
};

// Parses a whole script; throws ScriptError for an unknown command or a bad argument.
std::vector<Command> parseScript(std::istream& in);

}  // namespace kelpmark::sim
