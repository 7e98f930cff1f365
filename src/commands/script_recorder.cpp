// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/script_recorder.h"

#include <filesystem>

#include "commands/program.h"

namespace kelpmark {

namespace {

// A tick count as the open line holds it: padded, so that it grows in place.
constexpr size_t kCountWidth = 20;

std::string paddedCount(uint64_t n) {
  std::string s = std::to_string(n);
  s.resize(kCountWidth, ' ');
  return s;
}

}  // namespace

ScriptRecorder::ScriptRecorder(const Program& program, std::ostream& out, std::string copyPath,
                               std::string copyName)
    : program_(program), out_(out), copyPath_(std::move(copyPath)), copyName_(std::move(copyName)) {
  write("# A game of Kelpmark as the player played it: kelpmark-sim plays it again.");
}

ScriptRecorder::~ScriptRecorder() { finish(); }

void ScriptRecorder::answered(const std::string&, Answer answer) {
  // Start-up and exit ask outside the game's actions; a script has no words for them.
  if (!finished_ && program_.performing()) answers_.push_back(answer);
}

void ScriptRecorder::performed(const PlayerAction& action, ActionResult result) {
  if (finished_ || result != ActionResult::Done) {
    answers_.clear();
    return;
  }
  if (action.verb == ActionVerb::Tick) {
    // The answers of a tick's questions are queued before its line.
    if (!answers_.empty()) {
      closeTicks();
      writeAnswers();
    }
    addTicks(action.number);
    return;
  }
  closeTicks();
  writeAnswers();
  write(action.scriptLine());
}

void ScriptRecorder::resumed(const std::string& path, uint32_t clockSeed) {
  if (finished_) return;
  std::error_code ec;
  std::filesystem::copy_file(path, copyPath_, std::filesystem::copy_options::overwrite_existing,
                             ec);
  write("resume " + copyName_ + " " + std::to_string(clockSeed));
}

void ScriptRecorder::finish() {
  if (finished_) return;
  closeTicks();
  write("dump");
  finished_ = true;
}

void ScriptRecorder::write(const std::string& line) {
  out_ << line << '\n';
  out_.flush();
}

void ScriptRecorder::writeAnswers() {
  if (answers_.empty()) return;
  std::string line = "answer";
  for (Answer a : answers_) line += a == Answer::Yes ? " yes" : a == Answer::No ? " no" : " cancel";
  answers_.clear();
  write(line);
}

void ScriptRecorder::addTicks(uint64_t ticks) {
  if (ticks_ == 0) {
    ticks_ = ticks;
    const std::streampos at = out_.tellp();
    if (at == std::streampos(-1)) return;
    countAt_ = static_cast<std::streamoff>(at) + 5;
    write("tick " + paddedCount(ticks_));
    return;
  }
  ticks_ += ticks;
  if (countAt_ < 0) return;
  out_.seekp(countAt_);
  out_ << paddedCount(ticks_);
  out_.seekp(0, std::ios::end);
  out_.flush();
}

void ScriptRecorder::closeTicks() {
  if (ticks_ == 0) return;
  // A stream that cannot seek gets the line only now.
  if (countAt_ < 0) write("tick " + std::to_string(ticks_));
  ticks_ = 0;
  countAt_ = -1;
}

}  // namespace kelpmark
