// SPDX-License-Identifier: GPL-3.0-or-later
// Random scripts, thousands of commands long: the runner never fails, every log
// line has one of the known forms, and the company's invariants hold after every
// command.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "commands/script_recorder.h"
#include "commands/state_dump.h"
#include "runner.h"
#include "script.h"
#include "support/invariants.h"

namespace kelpmark::sim {
namespace {

const char* const kClicks[] = {
    "MainForm.FishBtn",     "MainForm.TorgBtn",     "MainForm.MaxBtn",      "MainForm.StopBtn",
    "MainForm.StorageBtn",  "MainForm.LotBtn",      "MainForm.ShopBtn",     "MainForm.OfficeBtn",
    "MainForm.StuffBtn",    "MainForm.SalerBtn",    "MainForm.AccounterBtn", "MainForm.ManagerBtn",
    "MainForm.ActionsBtn",  "MainForm.StatsBtn",    "MainForm.WokrersBtn",  "MainForm.BuildingsBtn",
    "MainForm.TimeLbl",     "MainForm.Img1on",      "MainForm.Img4on",      "PersForm.UpBtn",
    "PersForm.LoBtn",       "PersForm.WokrersBtn",  "PersForm.BuildingsBtn", "PersForm.FireBtn",
    "PersForm.CloseBtn",    "PersForm.GradBtn1",    "BuildForm.RemBtn",     "BuildForm.UpgBtn",
    "BuildForm.FireBtn",    "BuildForm.CloseBtn",   "ActionForm.UpSalBtn",  "ActionForm.PayPremBtn",
    "ActionForm.GradBtn1",  "ActionForm.AdBtn"};

std::string randomScript(std::mt19937& rng, int commands) {
  std::ostringstream s;
  s << "new " << rng() << "\n";
  auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  for (int i = 0; i < commands; ++i) {
    switch (pick(12)) {
      case 0: s << "tick " << pick(200) << "\n"; break;
      case 1: s << "speed " << pick(6) << "\n"; break;
      case 2:
      case 3:
      case 4: s << "click " << kClicks[pick(std::size(kClicks))] << "\n"; break;
      case 5: s << "spin MainForm.PSpn " << (pick(2) ? "up" : "down") << " " << pick(5) << "\n"; break;
      case 6: {
        const char* boxes[] = {"ActionForm.AdBox 8", "ActionForm.DivBox 5", "PersForm.PersBox 4",
                               "BuildForm.BuildBox 3"};
        std::string b = boxes[pick(4)];
        const int items = b.back() - '0';
        b.pop_back();
        s << "choose " << b << pick(items) << "\n";
        break;
      }
      case 7: s << "select " << (pick(2) ? "PersForm.PersList " : "BuildForm.BuildList ") << pick(6) << "\n"; break;
      case 8: {
        const char* words[] = {"yes", "no", "cancel"};
        s << "answer " << words[pick(3)] << " " << words[pick(3)] << "\n";
        break;
      }
      case 9: s << "close " << (pick(3) == 0 ? "PersForm" : pick(2) ? "BuildForm" : "ActionForm") << "\n"; break;
      case 10: s << (pick(4) ? "tick 60" : pick(2) ? "minimize" : "restore") << "\n"; break;
      default: s << (pick(2) ? "help" : "about") << "\n"; break;
    }
  }
  return s.str();
}

bool knownLine(const std::string& line) {
  static const char* const prefixes[] = {"message: ", "error: ",  "question: ", "show: ",
                                         "label: ",   "help: ",   "ignored: ",  "saved: "};
  for (const char* p : prefixes)
    if (line.rfind(p, 0) == 0) return true;
  return line == "web" || line == "end";
}

TEST(RandomScripts, RunWithoutFailureAndKeepTheInvariants) {
  std::mt19937 rng(20011231);
  for (int round = 0; round < 200; ++round) {
    std::istringstream in(randomScript(rng, 400));
    const std::vector<Command> commands = parseScript(in);
    std::ostringstream log;
    Runner runner(log);
    for (const Command& c : commands) {
      runner.run({c});
      kmtest::expectInvariants(runner.program());
      if (testing::Test::HasFatalFailure()) {
        ADD_FAILURE() << "round " << round << ", line " << c.line << ": " << c.joined();
        return;
      }
      if (runner.finished()) break;
    }
    std::istringstream lines(log.str());
    std::string line;
    while (std::getline(lines, line)) ASSERT_TRUE(knownLine(line)) << line;
  }
}

// A recording of each script, played again, brings the game to the same state.
TEST(RandomScripts, RecordedGamePlaysAgainToTheSameState) {
  std::mt19937 rng(20010101);
  for (int round = 0; round < 100; ++round) {
    std::istringstream in(randomScript(rng, 400));
    std::ostringstream log;
    std::ostringstream script;
    Runner played(log);
    {
      ScriptRecorder recorder(played.program(), script, "unused.dat", "unused.dat");
      played.program().setObserver(&recorder);
      played.run(parseScript(in));
      played.program().setObserver(nullptr);
    }
    std::istringstream recorded(script.str());
    Runner replayed(log);
    replayed.run(parseScript(recorded));
    ASSERT_EQ(dumpLines(replayed.program()), dumpLines(played.program()))
        << "round " << round << ", recorded as:\n" << script.str();
  }
}

}  // namespace
}  // namespace kelpmark::sim
