// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The saved game: a text file of one value per line, in Windows-1251, without
// header or checksum. It is written with CR LF line ends; a line read ends at
// CR LF, at a lone LF or at a lone CR.
#include <string>
#include <vector>

#include "model/corporation.h"
#include "model/engine_values.h"

namespace kelpmark {

class Random;

// What a save holds besides the company: the engine values and the ticker's first line.
struct SavedWorld {
  EngineValues values;
  std::string tickerLine;
};

// The lines the file holds for this state (UTF-8, without line ends).
std::vector<std::string> SaveLines(const TCorporation& company, const EngineValues& values,
                                   const std::string& tickerLine);

// The bytes of a file holding these lines: Windows-1251, CR LF after each line.
std::string SaveFileBytes(const std::vector<std::string>& lines);

// Writes the lines to a temporary file beside `path` (or beside the target of the
// link `path` names), flushes it and renames it over that file. On any failure the
// previous file stays as it was, the temporary file is removed and the result is
// false; `error` (if given) then receives the reason as an errno value.
bool SaveGame(const std::string& path, const std::vector<std::string>& lines,
              int* error = nullptr);

// Where a sink of bytes fails, for tests of the failure path: the writer stops
// after this many lines (a negative value never fails).
void setSaveFailureAfterLinesForTesting(int lines);

}  // namespace kelpmark

namespace kelpmark {

// Reads a saved game into a fresh new-game company and a copy of the engine
// values (whose clock speed values and chart counter are kept). Returns false on
// any failure: a missing file or one that is not a regular file, a file that ends
// before a line it should hold, a line without a valid number where one is
// expected, or a count or value that the game could never use. The company
// and the values are then in an unspecified state and must be discarded.
// Employees are built with their constructors, which draw from `random`.
bool LoadGame(const std::string& path, TCorporation& company, SavedWorld& world, Random& random);
bool LoadGameFromBytes(const std::string& bytes, TCorporation& company, SavedWorld& world,
                       Random& random);

// The largest file the reader accepts.
constexpr size_t kMaxSaveFileBytes = 64u << 20;

}  // namespace kelpmark
