// Runs one game year headless at one game minute per tick (speed 2) and prints the
// ticks per second: once for an idle company, once for one that trades every hour.
// Built as Release, each year should take at most 0.1 s.
#include <chrono>
#include <cstdio>
#include <string>

#include "commands/program.h"
#include "commands/quiet_view_port.h"
#include "support/careful_trader.h"

using namespace kelpmark;

namespace {

struct Result {
  long ticks;
  double seconds;
  long messages;
  long hoursWithSales;
};

Result runYear(bool trading) {
  QuietViewPort view;
  ProgramOptions options;
  options.welcomeText = "KELPMARK";
  uint32_t seed = 1;
  options.clockSeed = [&seed](std::optional<uint32_t>) { return seed++; };
  Program program(view, options);
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
  return {ticks, std::chrono::duration<double>(end - start).count(), view.messages + view.errors,
          salesTicks};
}

}  // namespace

int main() {
  for (bool trading : {false, true}) {
    const Result r = runYear(trading);
    std::printf("%-8s year at speed 2: %ld ticks in %.3f s = %.0f ticks/s (%ld messages, %ld hours with sales)\n",
                trading ? "trading" : "idle", r.ticks, r.seconds,
                static_cast<double>(r.ticks) / r.seconds, r.messages, r.hoursWithSales);
  }
  return 0;
}
