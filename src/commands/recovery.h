// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recovery file: a copy of the running game, in the save file's format, that
// the front end writes after every game day, so that a crash, a kill or a power cut
// loses at most the day in progress. An ordinary end of the program removes it; one
// found at start-up means the last run was interrupted, and the player is offered
// its game before the saved one.
#include <string>

namespace kelpmark {

class Program;

extern const char* const kRecoveryQuestion;

// The recovery file that belongs to the save at `savePath`.
std::string recoveryPathFor(const std::string& savePath);

// Writes the running game to the recovery file the way a save is written (a
// temporary file renamed over the old one). Draws no random number and changes
// nothing in the game; false when there is no game or the file could not be written.
bool writeRecoveryFile(Program& program, const std::string& path);

// Removes the recovery file (a directory in its place is left alone).
void removeRecoveryFile(const std::string& path);

// At start-up, before the resume question: when a recovery file is there, asks
// whether to continue the interrupted game. Yes loads it as a resume would (a file
// that fails to load gives the load error and is removed); No removes it. True when
// the player chose to continue, so that no resume question follows.
bool offerRecovery(Program& program, const std::string& path);

}  // namespace kelpmark
