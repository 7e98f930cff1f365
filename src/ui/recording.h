// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A game recorded with --record FILE: the script file, and the recorder that the
// game's program tells of every action. A resumed saved game is copied beside the
// script as "<file name>.resumed.dat" (white space made "_"), which the script names
// without a folder: kelpmark-sim plays it in the folder that holds both.
#include <QString>
#include <fstream>
#include <memory>

#include "commands/script_recorder.h"

namespace kelpmark {
class Program;
}

namespace kelpmark::ui {

class Recording {
 public:
  // Opens (replaces) the file and starts recording the program; nothing when the
  // file cannot be written.
  static std::unique_ptr<Recording> start(Program& program, const QString& path);
  // Ends the script (with its dump) and stops recording.
  ~Recording();
  Recording(const Recording&) = delete;
  Recording& operator=(const Recording&) = delete;

  // The name under which the script resumes a copy of a saved game.
  static QString resumedCopyName(const QString& path);

 private:
  Recording(Program& program, const QString& path);

  Program& program_;
  std::ofstream out_;
  std::unique_ptr<ScriptRecorder> recorder_;
};

}  // namespace kelpmark::ui
