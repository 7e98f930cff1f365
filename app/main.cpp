// SPDX-License-Identifier: GPL-3.0-or-later
// Kelpmark: the game's start-up.
#include <QApplication>
#include <clocale>

#include "ui/command_line.h"
#include "ui/game_start.h"

int main(int argc, char** argv) {
  kelpmark::ui::identifyApplication();
  // Help and version need no display: they are answered before Qt connects to one.
  const auto early = kelpmark::ui::readCommandLine(kelpmark::ui::argumentList(argc, argv), false);
  if (early.exitStatus) return *early.exitStatus;

  QApplication app(argc, argv);
  // Qt takes the numeric locale from the desktop; the game's texts never depend on it.
  std::setlocale(LC_NUMERIC, "C");
  const auto line = kelpmark::ui::readCommandLine(QApplication::arguments(), true);
  if (line.exitStatus) return *line.exitStatus;
  return kelpmark::ui::runGame(line.recordPath,
                               line.language.value_or(kelpmark::ui::userLanguage()));
}
