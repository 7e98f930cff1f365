// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Records a game as a script of the scenario runner: what the player did, the
// ticks that ran and the answers given, so that kelpmark-sim plays the same game
// to the same state. Attached to a program as its observer.
//
// The script is current after every event: the line of the ticks that run one
// after another is rewritten in place as it grows (on a stream that can seek;
// on one that cannot, it is written when something else happens), so a game cut
// short by a crash is recorded up to its last tick.
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "commands/program_observer.h"

namespace kelpmark {

class Program;

class ScriptRecorder final : public ProgramObserver {
 public:
  // Writes the script to `out`. A saved game that is resumed is copied to
  // `copyPath`, and the script's `resume` line names it `copyName`.
  ScriptRecorder(const Program& program, std::ostream& out, std::string copyPath,
                 std::string copyName);
  ~ScriptRecorder() override;
  ScriptRecorder(const ScriptRecorder&) = delete;
  ScriptRecorder& operator=(const ScriptRecorder&) = delete;

  void answered(const std::string& question, Answer answer) override;
  void performed(const PlayerAction& action, ActionResult result) override;
  void resumed(const std::string& path, uint32_t clockSeed) override;

  // Ends the script with `dump`; nothing is written after it.
  void finish();

 private:
  void write(const std::string& line);
  void writeAnswers();
  void addTicks(uint64_t ticks);
  void closeTicks();

  const Program& program_;
  std::ostream& out_;
  std::string copyPath_;
  std::string copyName_;
  // The answers given while the action now running asked.
  std::vector<Answer> answers_;
  // The ticks of the open `tick` line, and where its count stands in the stream
  // (-1 when the stream cannot seek: the line is not written yet).
  uint64_t ticks_ = 0;
  std::streamoff countAt_ = -1;
  bool finished_ = false;
};

}  // namespace kelpmark
