// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up and exit of the main window: resuming the saved game and the save
// question when the window closes.
#include <cstdint>
#include <functional>
#include <string>

namespace kelpmark {

class Program;
class Random;
class TCorporation;
struct SavedWorld;

extern const char* const kResumeQuestion;
extern const char* const kLoadFailedMessage;

bool savedGameExists(const std::string& path);

// When the main window is first shown: the ticker scrolls, the forbidden cursor
// shows until a game starts, a temporary file left by an interrupted save is
// removed, and the player is asked whether to resume. A recovery file at
// `recoveryPath` (empty: none is kept) is offered first; when the player continues
// that game, the resume question is not asked.
void FormShow(Program& program, const std::string& path, const std::string& recoveryPath = {});

// Resumes the saved game (the question was answered Yes): a new game, then the
// file loaded over it. A file that fails to load is kept aside as "<path>.bad"
// (keepRefusedSave), then a second new game starts with a message. False when the
// file was refused.
bool resumeSavedGame(Program& program, const std::string& path);

// Resumes the game in the file at `path` as resumeSavedGame does, but only when the
// whole file loads: otherwise nothing happens (no new game, no message, no random
// number drawn) and the result is false.
bool resumeIfWhole(Program& program, const std::string& path);

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

// The close request of the main window: true when the window may close.
bool FormCloseQuery(Program& program, const std::string& path);

}  // namespace kelpmark
