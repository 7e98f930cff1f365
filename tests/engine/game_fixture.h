#pragma once
// A game object with a fresh company and a fake view, for the engine's steps.
#include <memory>

#include "commands/fake_view.h"
#include "engine/game.h"
#include "model/corporation.h"

namespace kmtest {

struct GameWithCompany {
  GameWithCompany() { game.company = std::make_unique<kelpmark::TCorporation>(); }
  kelpmark::TCorporation& c() { return game.corp(); }
  kelpmark::MarketValues& market() { return game.values.market; }

  FakeView view;
  kelpmark::Game game{view};
};

}  // namespace kmtest
