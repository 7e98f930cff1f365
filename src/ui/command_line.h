// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's command line: --help and --version answer and end the program;
// --record FILE records the game as a script of the scenario runner; --language
// chooses the game's language over the user's interface languages.
#include <QStringList>
#include <optional>

#include "ui/language.h"

namespace kelpmark::ui {

// The program's names, version and desktop identity; set before anything else.
void identifyApplication();

// The arguments of main() as text (argv[0] included).
QStringList argumentList(int argc, char** argv);

struct CommandLine {
  // Set when the program ends at once (help, version, a bad argument) with this status.
  std::optional<int> exitStatus;
  // Where the game is recorded (empty: it is not).
  QString recordPath;
  // The language asked for (nothing: the user's own).
  std::optional<Language> language;
};

// Reads the arguments; help and version go to standard output, errors to standard
// error. Before the application object exists Qt's own options (-platform …) are
// still among them, so an unknown option is left for the second reading, made
// with what Qt left (qtOptionsRemoved), which refuses it.
CommandLine readCommandLine(const QStringList& arguments, bool qtOptionsRemoved);

}  // namespace kelpmark::ui
