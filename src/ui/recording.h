// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A game recorded with --record FILE: the script file, and the recorder that the
// game's program tells of every action. A resumed saved game is copied beside the
// script as "<file name>.resumed.dat" (white space made "_"), which the script names
// without a folder: kelpmark-sim plays it in the folder that holds both.
//
// Every write is checked: the first that fails tells the player (the game goes on),
// and the recording carries on once writing works again (see ScriptFile).
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "commands/script_recorder.h"
#include "model/text.h"
#include "ui/script_file.h"

namespace kelpmark {
class Program;
}

namespace kelpmark::ui {

class Recording {
 public:
  // Opens (replaces) the file and starts recording the program; nothing when the
  // file cannot be written. `tell` (if any) is given the player's message when a
  // write fails.
  static std::unique_ptr<Recording> start(Program& program, const QString& path,
                                          std::function<void(const Text&)> tell = {});
  // Ends the script (with its dump) and stops recording.
  ~Recording();
  Recording(const Recording&) = delete;
  Recording& operator=(const Recording&) = delete;

  // The name under which the script resumes a copy of a saved game.
  static QString resumedCopyName(const QString& path);

  // Why a recording may not go to `path` (empty: it may): a link, or one of the
  // game's own files (`gameFiles`: the save, the recovery file, …) under any name.
  static QString refusal(const QString& path, const QStringList& gameFiles);

  // The player's message for a recording that cannot be written (an errno value).
  static Text failureMessage(const QString& path, int error);

 private:
  explicit Recording(Program& program);

  Program& program_;
  ScriptFile file_;
  std::ostream out_{&file_};
  std::unique_ptr<ScriptRecorder> recorder_;
};

}  // namespace kelpmark::ui
