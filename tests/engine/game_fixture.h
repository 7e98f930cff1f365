// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A game object with a fresh company, for the engine's steps.
#include <memory>

#include "engine/game.h"
#include "model/corporation.h"

namespace kmtest {

struct GameWithCompany {
  GameWithCompany() { game.company = std::make_unique<kelpmark::TCorporation>(); }
  kelpmark::TCorporation& c() { return game.corp(); }
  kelpmark::MarketValues& market() { return game.values.market; }

  kelpmark::Game game;
};

}  // namespace kmtest
