// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The month end and how a game ends.
#include <vector>

#include "model/text.h"

namespace kelpmark {

class Game;

// Closes the month's accounts: records the company value, reports the result,
// charges profit tax, ends the tax holiday after January. Returns the messages
// for the player in the order they are shown; nothing in the month end waits
// for them, so they are shown once it is done.
std::vector<Text> CloseMonth(Game& game);

// The three ways to lose; each question's Yes starts a new game, No ends the program.
extern const Marked kYearOverText;
extern const Marked kValueHalvedText;
extern const Marked kPrestigeLostText;
extern const Marked kVictoryText;

// The year of the game date (before it advances) lies after 2001.
bool yearOver(const Game& game);
// The company value fell below half of the last month end's (a positive yardstick only).
bool valueHalved(const Game& game);
// Prestige fell below -9 (checked only when a month end has recorded a value).
bool prestigeCollapsed(const Game& game);
// Market share and market use both reached 100%.
bool marketWon(const Game& game);

}  // namespace kelpmark
