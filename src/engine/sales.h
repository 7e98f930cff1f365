// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hourly sales.
#include "model/currency.h"

namespace kelpmark {

class Game;

// One sales hour. Returns true when the market is won at its end.
bool SellHour(Game& game);

// Sales tax the accountants save on one hour's revenue, in whole units as a real.
double TaxSaving(const Game& game, Currency revenue);

}  // namespace kelpmark
