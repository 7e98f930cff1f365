// SPDX-License-Identifier: GPL-3.0-or-later
// Runs one game year headless at one game minute per tick (speed 2) and prints the
// ticks per second: once for an idle company, once for one that trades every hour,
// each also recorded into a script file (what --record costs a tick). Then the
// trading year with and without the books, in turns, to show what keeping them
// costs (at most 10%). Built as Release, each year should take at most 0.1 s
// unrecorded.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "commands/program.h"
#include "commands/quiet_view_port.h"
#include "commands/script_recorder.h"
#include "support/careful_trader.h"

using namespace kelpmark;

namespace {

struct Result {
  long ticks;
  double seconds;
  long messages;
  long hoursWithSales;
};

Result runYear(bool trading, bool recorded, bool books = true) {
  QuietViewPort view;
  ProgramOptions options;
  options.welcomeText = "KELPMARK";
  uint32_t seed = 1;
  options.clockSeed = [&seed](std::optional<uint32_t>) { return seed++; };
  Program program(view, options);
  program.game.keepBooks = books;
  const std::filesystem::path script =
      std::filesystem::temp_directory_path() / "kelpmark-year-bench.txt";
  std::ofstream out;
  std::unique_ptr<ScriptRecorder> recorder;
  if (recorded) {
    out.open(script, std::ios::binary | std::ios::trunc);
    recorder = std::make_unique<ScriptRecorder>(program, out, script.string() + ".dat", "x");
    program.setObserver(recorder.get());
  }
  program.perform(PlayerAction::newGame());
  const long ticks = 365L * 24 * 60;
  const auto start = std::chrono::steady_clock::now();
  int lastHour = -1;
  long salesTicks = 0;
  for (long i = 0; i < ticks && !program.ended; ++i) {
    program.perform(PlayerAction::tick());
    if (trading && program.game.values.clock.CurrentHour != lastHour) {
      lastHour = program.game.values.clock.CurrentHour;
      kmtest::tradeCarefully(program);
      if (program.game.corp().TodayRevenue > Currency()) ++salesTicks;
    }
  }
  const auto end = std::chrono::steady_clock::now();
  if (recorded) {
    program.setObserver(nullptr);
    recorder.reset();
    out.close();
    std::filesystem::remove(script);
  }
  return {ticks, std::chrono::duration<double>(end - start).count(), view.messages + view.errors,
          salesTicks};
}

}  // namespace

int main() {
  for (bool trading : {false, true}) {
    const Result r = runYear(trading, false);
    std::printf("%-8s year at speed 2: %ld ticks in %.3f s = %.0f ticks/s (%ld messages, %ld hours with sales)\n",
                trading ? "trading" : "idle", r.ticks, r.seconds,
                static_cast<double>(r.ticks) / r.seconds, r.messages, r.hoursWithSales);
    const Result rec = runYear(trading, true);
    std::printf("%-8s recorded:        %ld ticks in %.3f s: the recording costs %.2f us a tick\n",
                trading ? "trading" : "idle", rec.ticks, rec.seconds,
                (rec.seconds - r.seconds) * 1e6 / static_cast<double>(rec.ticks));
  }
  // The books: trading years with and without them take turns, so that the load
  // of the machine weighs on both alike; the fastest of each counts.
  double with = 1e9, without = 1e9;
  for (int round = 0; round < 5; ++round) {
    without = std::min(without, runYear(true, false, false).seconds);
    with = std::min(with, runYear(true, false, true).seconds);
  }
  std::printf("trading year with the books %.3f s, without %.3f s: the books cost %+.1f%%\n", with,
              without, (with / without - 1) * 100);
  return 0;
}
