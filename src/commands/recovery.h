// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recovery file: a copy of the running game, in the save file's format, that
// the front end writes after every game day, so that a crash, a kill or a power cut
// loses at most the day in progress. An ordinary end of the program removes it; one
// found at start-up means the last run was interrupted, and the player is offered
// its game before the saved one.
#include <string>

#include "model/text.h"

namespace kelpmark {

class Program;

extern const Marked kRecoveryQuestion;
// The message that a recovery file could not be written: %1 is the reason, %2 the file.
extern const Marked kRecoveryWriteFailed;

// The recovery file that belongs to the save at `savePath`.
std::string recoveryPathFor(const std::string& savePath);

// Writes the running game to the recovery file the way a save is written (a
// temporary file renamed over the old one), and its books beside it. Draws no
// random number and changes nothing in the game; false when there is no game or a
// file could not be written (`error`, if given, then holds the reason as an errno
// value).
bool writeRecoveryFile(Program& program, const std::string& path, int* error = nullptr);

// Writes the recovery file at every game midnight for the front end, and tells the
// player when it cannot be written, with the reason: at the first write that fails,
// and again only after a write has succeeded in between. The game goes on.
class RecoveryWriter {
 public:
  bool write(Program& program, const std::string& path);

 private:
  bool failing_ = false;
};

// Removes the recovery file and the books beside it; a directory in its place is
// moved aside under its ".bad" name instead.
void removeRecoveryFile(const std::string& path);

// At start-up, before the resume question: when a recovery file is there, asks
// whether to continue the interrupted game. Yes loads it as a resume would; No
// removes it. A file that fails to load (damaged, cut, a directory) gives the load
// error and is kept aside under its ".bad" name, and nothing else happens: the start
// goes on as if there had been no recovery file. True only when the interrupted game
// was continued, so that no resume question follows.
bool offerRecovery(Program& program, const std::string& path);

// Why a file could not be written, in the player's words (from an errno value).
Text diskErrorText(int error);

}  // namespace kelpmark
