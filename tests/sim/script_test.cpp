// SPDX-License-Identifier: GPL-3.0-or-later
// Scripts the runner must refuse, with the line it names, and the fine points of
// the words it accepts.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <streambuf>

#include "runner.h"
#include "script.h"

namespace kelpmark::sim {
namespace {

int64_t rejectedLine(const std::string& text) {
  std::istringstream in(text);
  try {
    parseScript(in);
  } catch (const ScriptError& e) {
    return e.line;
  }
  return 0;
}

std::vector<Command> parse(const std::string& text) {
  std::istringstream in(text);
  return parseScript(in);
}

TEST(ScriptParsing, RejectsUnknownCommandsAndBadArgumentsNamingTheLine) {
  EXPECT_EQ(rejectedLine("new 1\n\n# note\nfly\n"), 4);
  EXPECT_EQ(rejectedLine("new\n"), 1);
  EXPECT_EQ(rejectedLine("new x\n"), 1);
  EXPECT_EQ(rejectedLine("new 1 2\n"), 1);
  EXPECT_EQ(rejectedLine("tick -1\n"), 1);
  EXPECT_EQ(rejectedLine("tick 1.5\n"), 1);
  EXPECT_EQ(rejectedLine("tick 99999999999999999999999\n"), 1);
  EXPECT_EQ(rejectedLine("tick 18446744073709551615\n"), 1);
  EXPECT_EQ(rejectedLine("tick 1000000000001\n"), 1);
  EXPECT_EQ(rejectedLine("spin MainForm.PSpn up 1000000000001\n"), 1);
  EXPECT_EQ(rejectedLine("tick 1000000000000\nspin MainForm.PSpn up 1000000000000\n"), 0);
  EXPECT_EQ(rejectedLine("speed 6\n"), 1);
  EXPECT_EQ(rejectedLine("speed\n"), 1);
  EXPECT_EQ(rejectedLine("click MainForm.NoSuchBtn\n"), 1);
  EXPECT_EQ(rejectedLine("click FishBtn\n"), 1);
  EXPECT_EQ(rejectedLine("close MainForm\n"), 1);
  EXPECT_EQ(rejectedLine("spin MainForm.PSpn sideways\n"), 1);
  EXPECT_EQ(rejectedLine("spin MainForm.Other up\n"), 1);
  EXPECT_EQ(rejectedLine("choose ActionForm.AdBox 8\n"), 1);
  EXPECT_EQ(rejectedLine("choose ActionForm.DivBox 5\n"), 1);
  EXPECT_EQ(rejectedLine("choose PersForm.PersBox 4\n"), 1);
  EXPECT_EQ(rejectedLine("choose BuildForm.BuildBox 3\n"), 1);
  EXPECT_EQ(rejectedLine("select PersForm.PersBox 0\n"), 1);
  EXPECT_EQ(rejectedLine("answer maybe\n"), 1);
  EXPECT_EQ(rejectedLine("answer\n"), 1);
  EXPECT_EQ(rejectedLine("save\n"), 1);
  EXPECT_EQ(rejectedLine("dump now\n"), 1);
  EXPECT_EQ(rejectedLine("books now\n"), 1);
  // resume only as the first command
  EXPECT_EQ(rejectedLine("resume game.dat 1\n"), 0);
  EXPECT_EQ(rejectedLine("# first\nresume game.dat 1\n"), 0);
  EXPECT_EQ(rejectedLine("new 1\nresume game.dat 1\n"), 2);
}

TEST(ScriptParsing, AcceptsTheFinePoints) {
  const auto c = parse(
      "  new\t-1  \r\n"
      "#comment\n"
      "tick\n"
      "tick 0\n"
      "new 4294967297\n"
      "spin MainForm.PSpn down 3\n"
      "choose ActionForm.AdBox 7\n"
      "answer yes no cancel\n"
      "click   MainForm.Img4on\n");
  ASSERT_EQ(c.size(), 8u);
  EXPECT_EQ(c[0].action.seed, 4294967295u);  // any integer, modulo 2^32
  EXPECT_EQ(c[0].line, 1);
  EXPECT_EQ(c[1].action.number, 1u);  // tick without a count is one tick
  EXPECT_EQ(c[2].action.number, 0u);
  EXPECT_EQ(c[3].action.seed, 1u);
  EXPECT_EQ(c[4].action.direction, -1);
  EXPECT_EQ(c[4].action.number, 3u);
  EXPECT_EQ(c[5].action.control, Control::ActionAdBox);
  EXPECT_EQ(c[5].action.number, 7u);
  EXPECT_EQ(c[6].answers, (std::vector<std::string>{"yes", "no", "cancel"}));
  // The words joined by single blanks, for the ignored: line.
  EXPECT_EQ(c[7].joined(), "click MainForm.Img4on");
  EXPECT_EQ(c[7].line, 9);
}

TEST(ScriptErrors, UnprintableBytesOfABadWordAreEscaped) {
  // A terminal must not take a bad word's bytes as its own escape sequences.
  EXPECT_EQ(escapeUnprintable("fly\x1b[2J\x07"), "fly\\x1b[2J\\x07");
  EXPECT_EQ(escapeUnprintable("\x7f\xff\xc3(\xc2\x9b"), "\\x7f\\xff\\xc3(\\xc2\\x9b");
  EXPECT_EQ(escapeUnprintable("\xe0\x80\xaf\xed\xa0\x80"),  // overlong, surrogate
            "\\xe0\\x80\\xaf\\xed\\xa0\\x80");
  EXPECT_EQ(escapeUnprintable("прыжок \xc2\xa0€ \xf0\x9f\x90\x9f"), "прыжок \xc2\xa0€ \xf0\x9f\x90\x9f");
  std::istringstream in("new 1\njump\x1b]0;x\x07 3\n");
  try {
    parseScript(in);
    FAIL() << "the script was accepted";
  } catch (const ScriptError& e) {
    EXPECT_EQ(e.line, 2);
    EXPECT_EQ(escapeUnprintable(e.message), "unknown command 'jump\\x1b]0;x\\x07'");
  }
}

// A stream of one line: `count` times `unit`, then a line end; made as it is read,
// so that only the parser can hold the line.
class OneWordLine : public std::streambuf {
 public:
  OneWordLine(const std::string& unit, size_t count) : left_(count) {
    for (size_t i = 0; i < 20000; ++i) block_ += unit;
    unitSize_ = unit.size();
  }

 protected:
  int_type underflow() override {
    if (left_ == 0) {
      if (ended_) return traits_type::eof();
      ended_ = true;
      static char lineEnd = '\n';
      setg(&lineEnd, &lineEnd, &lineEnd + 1);
      return '\n';
    }
    const size_t units = std::min(left_, block_.size() / unitSize_);
    left_ -= units;
    setg(block_.data(), block_.data(), block_.data() + units * unitSize_);
    return traits_type::to_int_type(block_[0]);
  }

 private:
  std::string block_;
  size_t unitSize_ = 1;
  size_t left_;
  bool ended_ = false;
};

#if defined(__linux__)
// The most memory the process has held so far, in kB.
long peakKilobytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}
#endif

TEST(ScriptErrors, AHugeWordIsEchoedCutShortAndReadWithoutKeepingIt) {
  // 80 bytes at most, never half a character ("€" has three): 26 signs, then an
  // ellipsis.
  std::string euros;
  for (int i = 0; i < 26; ++i) euros += "€";
#if defined(__linux__)
  const long before = peakKilobytes();
#endif
  OneWordLine huge("€", 20u << 20);  // 60 MB
  std::istream in(&huge);
  try {
    parseScript(in);
    FAIL() << "the script was accepted";
  } catch (const ScriptError& e) {
    EXPECT_EQ(e.line, 1);
    EXPECT_EQ(e.message, "unknown command '" + euros + "\u2026'");
  }
#if defined(__linux__)
  EXPECT_LT(peakKilobytes() - before, 50 * 1024) << "the line was held in memory";
#endif
  std::istringstream count("tick " + std::string(100, '7') + "\n");
  try {
    parseScript(count);
    FAIL() << "the script was accepted";
  } catch (const ScriptError& e) {
    EXPECT_EQ(e.message, "bad count '" + std::string(80, '7') + "\u2026'");
  }
}

// A spin that no longer changes the quantity stops clicking: a count no game could
// click through ends at once, and logs as a count that just reaches the limits.
TEST(RunnerSpin, ClicksEndOnceTheQuantityStopsChanging) {
  const auto play = [](const std::string& count) {
    std::ostringstream log;
    Runner runner(log);
    // Without room the quantity cannot leave 0; with a store and two loaders the
    // purchase limit stops it at 200, below its maximum.
    std::istringstream in("new 7\ntick\nspin MainForm.PSpn up " + count + "\ndump\n" +
                          "click MainForm.StorageBtn\nclick MainForm.StuffBtn\n" +
                          "click MainForm.StuffBtn\nspin MainForm.PSpn up " + count + "\ndump\n" +
                          "spin MainForm.PSpn down " + count + "\ndump\n");
    runner.run(parseScript(in));
    return log.str();
  };
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(play("900000000000"), play("200"));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

// Every control by its name, with the verb its kind takes: what a recording writes
// is read back as the same action.
TEST(ScriptParsing, PlayerActionsReadBackFromTheirScriptLines) {
  std::vector<PlayerAction> actions = {
      PlayerAction::newGame(4294967295u), PlayerAction::tick(), PlayerAction::tick(0),
      PlayerAction::tick(600),            PlayerAction::speed(0), PlayerAction::speed(5),
      PlayerAction::plain(ActionVerb::Minimize), PlayerAction::plain(ActionVerb::Restore),
      PlayerAction::plain(ActionVerb::Help),     PlayerAction::plain(ActionVerb::About)};
  for (int i = 0; i < static_cast<int>(Control::None); ++i) {
    const auto c = static_cast<Control>(i);
    switch (controlKind(c)) {
      case ControlKind::Button: actions.push_back(PlayerAction::click(c)); break;
      case ControlKind::Window: actions.push_back(PlayerAction::close(c)); break;
      case ControlKind::DropDown:
        actions.push_back(PlayerAction::choose(c, 0));
        actions.push_back(PlayerAction::choose(c, controlItems(c) - 1));
        break;
      case ControlKind::List: actions.push_back(PlayerAction::select(c, 12)); break;
      case ControlKind::SpinEdit:
        actions.push_back(PlayerAction::spin(+1));
        actions.push_back(PlayerAction::spin(-1, 0));
        actions.push_back(PlayerAction::spin(-1, 3));
        break;
    }
  }
  std::string script;
  for (const PlayerAction& a : actions) script += a.scriptLine() + "\n";
  const std::vector<Command> read = parse(script);
  ASSERT_EQ(read.size(), actions.size());
  for (size_t i = 0; i < actions.size(); ++i) {
    EXPECT_EQ(read[i].verb, Verb::Action) << read[i].joined();
    EXPECT_TRUE(read[i].action == actions[i]) << read[i].joined();
  }
  EXPECT_EQ(PlayerAction::click(MainButton::StuffBtn).scriptLine(), "click MainForm.StuffBtn");
  EXPECT_EQ(PlayerAction::spin(-1, 3).scriptLine(), "spin MainForm.PSpn down 3");
  EXPECT_EQ(PlayerAction::choose(Control::PersBox, 3).scriptLine(), "choose PersForm.PersBox 3");
}

}  // namespace
}  // namespace kelpmark::sim
