// SPDX-License-Identifier: GPL-3.0-or-later
// kelpmark-sim: plays the game without a screen from a script of player actions
// and clock ticks, and prints what a player would have seen.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "runner.h"
#include "script.h"

int main(int argc, char** argv) {
  using namespace kelpmark::sim;
  if (argc != 2) {
    std::cerr << "usage: kelpmark-sim SCRIPT   (SCRIPT is a file, or - for standard input)\n";
    return 2;
  }
  const std::string name = argv[1];
  std::vector<Command> commands;
  try {
    if (name == "-") {
      commands = parseScript(std::cin);
    } else {
      std::error_code ec;
      if (std::filesystem::is_directory(name, ec)) {
        std::cerr << "kelpmark-sim: cannot read " << escapeUnprintable(name)
                  << ": it is a directory\n";
        return 2;
      }
      std::ifstream in(name, std::ios::binary);
      if (!in) {
        std::cerr << "kelpmark-sim: cannot read " << escapeUnprintable(name) << "\n";
        return 2;
      }
      commands = parseScript(in);
      if (in.bad()) {
        std::cerr << "kelpmark-sim: cannot read " << escapeUnprintable(name) << "\n";
        return 2;
      }
    }
  } catch (const ScriptError& e) {
    std::cerr << "kelpmark-sim: line " << e.line << ": " << escapeUnprintable(e.message) << "\n";
    return 2;
  }
  Runner runner(std::cout);
  std::ios::sync_with_stdio(false);
  runner.run(commands);
  std::cout.flush();
  return 0;
}
