// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the saved game lives: "game.dat" in the user's data directory
// (~/.local/share/Vorlent/kelpmark on Linux), never beside the executable, which
// may be /usr/bin or a build folder. Earlier builds kept it beside the executable;
// such a file is still read when the data directory holds none.
#include <QString>
#include <string>

namespace kelpmark::ui {

// The user's data directory of the game, created when missing.
QString saveDirectory();
// The file every save goes to.
QString saveFilePath();
// Where earlier builds kept the saved game.
QString legacySaveFilePath();
// The file a resume reads: the save file when anything of that name exists, else
// a legacy file when there is one, else the save file.
QString resumeFilePath(const QString& savePath, const QString& legacyPath);
// A path in the file system's own encoding, for the core's file streams.
std::string nativePath(const QString& path);

}  // namespace kelpmark::ui
