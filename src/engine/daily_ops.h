// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The company's daily and weekly rhythm: upkeep and wear, the payday, the morning
// strike check, the overdraft charge, prestige and market share, the day's report.
#include <string>

#include "model/currency.h"
#include "model/text.h"

namespace kelpmark {

class Game;

void PayUpkeep(Game& game);
void PayWages(Game& game);
// Returns the strike announcement, empty when nobody strikes.
Text CheckStrikes(Game& game);
void ChargeOverdraft(Game& game, Currency amount);
void UpdatePrestige(Game& game);
void DailyReport(Game& game);

}  // namespace kelpmark
