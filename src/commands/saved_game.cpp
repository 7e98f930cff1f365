// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/saved_game.h"

#include <filesystem>

#include "commands/program.h"
#include "commands/saved_books.h"
#include "model/random.h"
#include "model/save_disk.h"
#include "model/save_file.h"

namespace kelpmark {

const Marked kLoadFailedMessage = KM_TR("Messages", "Ошибка загрузки. Игра запущена заново.");

bool savedGameExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

namespace {

bool resumeFrom(Program& program, const std::string& path, bool withBooks,
                const std::function<bool(TCorporation&, SavedWorld&, Random&)>& read) {
  bool loaded = true;
  // The books are read before the game takes the company over: the step that a
  // resumed game runs at once may already sell.
  const auto readWithBooks = [&](TCorporation& company, SavedWorld& world, Random& random) {
    if (!read(company, world, random)) return false;
    if (withBooks) readBooksBeside(company, world.values.clock.GameDate, path);
    return true;
  };
  const uint32_t seed = resumeGame(program, readWithBooks,
                                   // The refused file is kept aside, so that a later save
                                   // cannot destroy the only copy; a file that is no
                                   // regular file is left alone.
                                   [&] {
                                     loaded = false;
                                     keepRefusedSave(path);
                                   });
  if (ProgramObserver* o = program.observer()) o->resumed(path, seed);
  return loaded;
}

}  // namespace

bool resumeSavedGame(Program& program, const std::string& path, bool withBooks) {
  if (!savedGameExists(path)) return false;
  return resumeFrom(program, path, withBooks, [&path](TCorporation& company, SavedWorld& world,
                                           Random& random) {
    return LoadGame(path, company, world, random);
  });
}

bool resumeIfWhole(Program& program, const std::string& path, bool withBooks) {
  std::string bytes;
  if (!readRegularFile(path, kMaxSaveFileBytes, bytes)) return false;
  {
    // A trial load into throw-away copies: the program's own random numbers stay
    // untouched.
    TCorporation company;
    SavedWorld world{program.game.values, {}};
    Random random;
    if (!LoadGameFromBytes(bytes, company, world, random)) return false;
  }
  return resumeFrom(program, path, withBooks, [&bytes](TCorporation& company, SavedWorld& world,
                                            Random& random) {
    return LoadGameFromBytes(bytes, company, world, random);
  });
}

uint32_t resumeGame(Program& program,
                    const std::function<bool(TCorporation&, SavedWorld&, Random&)>& read,
                    const std::function<void()>& refused) {
  Game& game = program.game;
  TMainForm& main = program.mainForm;
  main.NewGameMClick();
  const uint32_t seed = program.lastClockSeed();
  // The file is read into a fresh company and a copy of the engine values, which
  // are taken over only when the whole file was read.
  auto company = std::make_unique<TCorporation>();
  SavedWorld world{game.values, {}};
  if (read(*company, world, game.random)) {
    world.values.clock.ChartTick = game.values.clock.ChartTick;
    world.values.clock.HourStep = game.values.clock.HourStep;
    world.values.clock.SpeedDivider = game.values.clock.SpeedDivider;
    game.values = world.values;
    game.adoptCompany(std::move(company));
    game.ticker.set(world.tickerLine);
  } else {
    if (refused) refused();
    main.NewGameMClick();
    program.view.message(kLoadFailedMessage);
  }
  program.clock.HourlyStep(false);
  main.RefreshDisplay();
  return seed;
}

bool saveCurrentGame(Program& program, const std::string& path, int* error) {
  const Game& game = program.game;
  if (!game.hasCompany()) return false;
  return SaveGame(path, SaveLines(game.corp(), game.values, game.ticker.firstLine()), error);
}

bool saveGameWithBooks(Program& program, const std::string& path, int* error) {
  return saveCurrentGame(program, path, error) && writeBooksBeside(program.game, path, error);
}

}  // namespace kelpmark
