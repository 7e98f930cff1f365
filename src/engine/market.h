// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The market model: the hourly update of the market level and the two prices,
// the daily resets and the effects of finished advertising campaigns.
namespace kelpmark {

class Game;

// The hourly update (hours 6..19 except Sunday). Draws r1, r2 and, at hours 8..19,
// r3 and r4. Once a day it appends the trend word to the ticker.
void UpdateMarket(Game& game);

// Daily: the market bias returns to 0.1 once no campaign effect is running.
void ResetMarketBias(Game& game);
// Daily: the day's waves start again.
void ResetDailyPhases(Game& game);

// Carries out the pending campaign.
void RunCampaign(Game& game);

}  // namespace kelpmark
