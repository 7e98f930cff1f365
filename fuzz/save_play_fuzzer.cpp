// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes what a loaded game does to the rules: any bytes that load as a saved game
// are resumed the way the start-up does it and played for two game days at one
// hour a tick, with the player buying, bargaining, hiring and building every
// hour. Under the sanitizers no value the reader accepts may overflow, divide by
// zero or loop without end anywhere in the game.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "commands/saved_game.h"
#include "commands/program.h"
#include "commands/quiet_view_port.h"
#include "model/random.h"
#include "model/save_file.h"

namespace {

using namespace kelpmark;

constexpr MainButton kPlayerButtons[] = {
    MainButton::MaxBtn,     MainButton::TorgBtn,   MainButton::FishBtn,      MainButton::StuffBtn,
    MainButton::SalerBtn,   MainButton::ShopBtn,   MainButton::StorageBtn,   MainButton::LotBtn,
    MainButton::OfficeBtn,  MainButton::ManagerBtn, MainButton::AccounterBtn, MainButton::StatsBtn};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  // A quick look first, so that only loadable inputs pay for a program.
  {
    TCorporation probe;
    SavedWorld probeWorld;
    Random probeRandom;
    if (!LoadGameFromBytes(bytes, probe, probeWorld, probeRandom)) return 0;
  }

  QuietViewPort view;
  ProgramOptions options;
  options.welcomeText = "fuzz";
  uint32_t seed = static_cast<uint32_t>(size);
  options.clockSeed = [&seed](std::optional<uint32_t>) { return seed++; };
  Program p(view, std::move(options));

  // The resume of the start-up, from bytes instead of a file.
  resumeGame(
      p,
      [&bytes](TCorporation& company, SavedWorld& world, Random& random) {
        return LoadGameFromBytes(bytes, company, world, random);
      },
      {});

  for (int hour = 0; hour < 48 && !p.ended; ++hour) {
    // An hour a tick, whatever the last hour's buttons (the reports) or a new game did.
    p.perform(PlayerAction::speed(5));
    if (p.perform(PlayerAction::tick()) != ActionResult::Done) break;
    const MainButton b = kPlayerButtons[static_cast<size_t>(hour) % std::size(kPlayerButtons)];
    p.perform(PlayerAction::click(b));
    p.perform(PlayerAction::click(MainButton::MaxBtn));
    p.perform(PlayerAction::click(MainButton::FishBtn));
  }
  return 0;
}
