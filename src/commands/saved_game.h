// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The saved game as the program reads and writes it: resuming a game from a file
// (the resume question's Yes, the continuation of an interrupted game, the
// runner's resume) and writing the running game to a file.
#include <cstdint>
#include <functional>
#include <string>

#include "model/text.h"

namespace kelpmark {

class Program;
class Random;
class TCorporation;
struct SavedWorld;

extern const Marked kLoadFailedMessage;

bool savedGameExists(const std::string& path);

// Resumes the saved game (the question was answered Yes): a new game, then the
// file loaded over it. A file that fails to load is kept aside as "<path>.bad"
// (keepRefusedSave), then a second new game starts with a message. False when the
// file was refused. With `withBooks`, the books beside the file come along
// (readBooksBeside).
bool resumeSavedGame(Program& program, const std::string& path, bool withBooks = false);

// Resumes the game in the file at `path` as resumeSavedGame does, but only when the
// whole file loads: otherwise nothing happens (no new game, no message, no random
// number drawn) and the result is false.
bool resumeIfWhole(Program& program, const std::string& path, bool withBooks = false);

// The same resume from whatever `read` reads: it fills a fresh company and a copy
// of the engine values and returns false when the saved game is refused; then
// `refused` (if any) runs before the second new game. Returns the clock seed of
// the new game the resume began with.
uint32_t resumeGame(Program& program,
                    const std::function<bool(TCorporation&, SavedWorld&, Random&)>& read,
                    const std::function<void()>& refused);

// Writes the current game; false when the file could not be written (`error`, if
// given, then holds the reason as an errno value).
bool saveCurrentGame(Program& program, const std::string& path, int* error = nullptr);
// The same, and then the game's books beside the file (writeBooksBeside); false
// when either could not be written.
bool saveGameWithBooks(Program& program, const std::string& path, int* error = nullptr);

}  // namespace kelpmark
