// Runs one game year headless at one game minute per tick (speed 2) and prints the
// ticks per second: once for an idle company, once for one that trades every hour.
// Built as Release, each year should take at most 0.1 s.
#include <chrono>
#include <cstdio>
#include <string>

#include "commands/program.h"
#include "commands/quiet_view_port.h"

using namespace kelpmark;

namespace {

// A careful trader: a store, two stalls, staff for their places, and fish bought
// every hour the stock runs low.
void trade(Program& p, const TCorporation& c) {
  auto press = [&p](MainButton b) { p.perform(PlayerAction::click(b)); };
  if (c.Stores.empty()) press(MainButton::StorageBtn);
  if (c.Lots.count() < 2) press(MainButton::LotBtn);
  if (c.Loaders.count() < 2) press(MainButton::StuffBtn);
  if (c.Salesmen.count() < c.SalesmanPlaces()) press(MainButton::SalerBtn);
  if (c.FishStock < 150) {
    press(MainButton::MaxBtn);
    press(MainButton::FishBtn);
  }
}

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
      trade(program, program.game.corp());
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
