// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole state a player can see, as the scenario runner's `dump` prints it:
// the save file's lines, the clock and speed, every label, flag, chart and
// secondary window value. Two programs in the same state give the same lines.
#include <string>
#include <vector>

namespace kelpmark {

class Program;

// The dump's lines, from "--- dump" to "--- end" (line breaks inside texts as they are).
std::vector<std::string> dumpLines(const Program& program);

// The books of the current game as the runner's `books` prints them, from
// "--- books" to "--- end": for every month its opening and closing money, then
// each category with an amount, in the books' order. Amounts are exact, with a
// decimal point and no trailing zeros.
std::vector<std::string> booksLines(const Program& program);

}  // namespace kelpmark
