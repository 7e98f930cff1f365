// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up and exit of the main window: the offer of an interrupted game, the
// resume question, and the save question when the window closes.
#include <string>

#include "model/text.h"

namespace kelpmark {

class Program;

extern const Marked kResumeQuestion;

// When the main window is first shown: the ticker scrolls, the forbidden cursor
// shows until a game starts, a temporary file left by an interrupted save is
// removed, and the player is asked whether to resume. A recovery file at
// `recoveryPath` (empty: none is kept) is offered first; when the player continues
// that game, the resume question is not asked.
void FormShow(Program& program, const std::string& path, const std::string& recoveryPath = {});

// The close request of the main window: true when the window may close.
bool FormCloseQuery(Program& program, const std::string& path);

}  // namespace kelpmark
