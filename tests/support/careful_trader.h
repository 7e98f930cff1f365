// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A careful trader, for long games played by a test or a benchmark: a store, two
// stalls, staff for their places, and fish bought only while the stock runs low,
// so that cash never runs out. Called once an hour; it clicks as a player would.
#include "commands/program.h"

namespace kmtest {

inline void tradeCarefully(kelpmark::Program& p) {
  using kelpmark::MainButton;
  const kelpmark::TCorporation& c = p.game.corp();
  auto press = [&p](MainButton b) { p.perform(kelpmark::PlayerAction::click(b)); };
  if (c.Stores.empty()) press(MainButton::StorageBtn);
  if (c.Lots.count() < 2) press(MainButton::LotBtn);
  if (c.Loaders.count() < 2) press(MainButton::StuffBtn);
  if (c.Salesmen.count() < c.SalesmanPlaces()) press(MainButton::SalerBtn);
  if (c.FishStock < 150) {
    press(MainButton::MaxBtn);
    press(MainButton::FishBtn);
  }
}

}  // namespace kmtest
