// kelpmark-sim: plays the game without a screen from a script of player actions
// and clock ticks, and prints what a player would have seen.
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
      std::ifstream in(name, std::ios::binary);
      if (!in) {
        std::cerr << "kelpmark-sim: cannot read " << name << "\n";
        return 2;
      }
      commands = parseScript(in);
    }
  } catch (const ScriptError& e) {
    std::cerr << "kelpmark-sim: line " << e.line << ": " << e.message << "\n";
    return 2;
  }
  Runner runner(std::cout);
  std::ios::sync_with_stdio(false);
  runner.run(commands);
  std::cout.flush();
  return 0;
}
