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

}  // namespace kelpmark
