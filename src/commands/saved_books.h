// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The books file beside a saved game ("<save>.books", see model/books_file.h):
// written after the save of the running game and after every recovery write, with
// the same safe write, and read when that game is resumed. A books file of
// another save, or none, leaves the books to start at the resume; a damaged one
// is kept aside under its ".bad" name first.
#include <string>

namespace kelpmark {

class Game;
class TCorporation;

std::string booksPathFor(const std::string& savePath);

// Writes the running game's books beside the save at `savePath`; false when there
// is no game or the file could not be written (`error`, if given, then holds the
// reason as an errno value).
bool writeBooksBeside(const Game& game, const std::string& savePath, int* error = nullptr);

// Gives the company just loaded from `savePath` (at `gameDate`) the books beside
// that file when they belong to it; otherwise its books start at the resume.
void readBooksBeside(TCorporation& company, double gameDate, const std::string& savePath);

// Removes the books beside the file at `savePath`, if any.
void removeBooksBeside(const std::string& savePath);

}  // namespace kelpmark
