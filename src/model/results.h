// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The results of finished games, kept in the file "results" in the data
// directory: a text file whose first line is "kelpmark results 1", then one line
// per finished game, its fields separated by a tab:
//
//   PLAYED  OUTCOME  ENDED  VALUE  MONEY  SHARE
//
// PLAYED  the real date and time the game ended, "YYYY-MM-DD HH:MM" (local time)
// OUTCOME won, value_halved, prestige_lost or year_over
// ENDED   the game date and time it ended, "DD.MM.YYYY HH:MM"
// VALUE   the company's value then, MONEY its cash, as exact amounts with a
//         decimal point ("-1234.5", "10000")
// SHARE   its market share in percent, 1 to 100
//
// A file with anything else in it is damaged: it is kept with ".bad" added and a
// new one is started. Results are written through the safe writer (a temporary
// file renamed over the old one).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/currency.h"

namespace kelpmark {

enum class GameOutcome { Won, ValueHalved, PrestigeLost, YearOver };

struct GameResult {
  std::string played;  // "YYYY-MM-DD HH:MM"
  GameOutcome outcome = GameOutcome::YearOver;
  double ended = 0;  // the game date
  Currency value;
  Currency money;
  int32_t marketShare = 1;
};

// "won", "value_halved", "prestige_lost", "year_over".
const char* gameOutcomeId(GameOutcome outcome);

std::string resultsText(const std::vector<GameResult>& results);
// The results a file holds, in its order; nothing for a damaged file.
std::optional<std::vector<GameResult>> parseResults(const std::string& text);

// Best first: the wins by the earliest game date, then the losses by the highest
// company value; a tie keeps the order in which the games were played.
std::vector<GameResult> rankResults(std::vector<GameResult> results);

// The results in the file at `path` (none when it is missing). A damaged file is
// kept aside under its ".bad" name and reads as none.
std::vector<GameResult> readResults(const std::string& path);
// Adds a finished game to the file at `path` (a damaged file is kept aside first
// and a new one started); false when it could not be written, with the errno value
// in `error` (if given).
bool addResult(const std::string& path, const GameResult& result, int* error = nullptr);

// The largest results file a reader takes.
constexpr size_t kMaxResultsFileBytes = 1u << 20;

}  // namespace kelpmark
