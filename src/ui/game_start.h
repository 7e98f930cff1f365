// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's start once the application object exists: the save's place and
// lock, the windows, the event loop.
#include "ui/game_ui.h"
#include "ui/language.h"

namespace kelpmark::ui {

// The save and resume files of this user.
GameUiOptions savedGameOptions();

// Runs the game to its end and gives the program's exit status. When another
// copy of the game holds the save (or the player leaves it to a copy on another
// computer, or a directory stands in the lock's place), says so and ends at once
// (status 1) without reading or writing the save. A game recorded into
// `recordPath` (empty: none) that is a link or one of the game's own files ends at
// once with status 2, before anything is touched; so does one that cannot be
// written at all. Every window, message and help page is in `language`.
int runGame(const QString& recordPath = {}, Language language = Language::Russian);

}  // namespace kelpmark::ui
