#pragma once
// Where "game.dat" lives: beside the executable when that directory is writable,
// else in the user's application data directory. Resume and save use the same place.
#include <QString>

namespace kelpmark::ui {

QString saveFilePath();

}  // namespace kelpmark::ui
