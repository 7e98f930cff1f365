// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One game per save: while the program runs it holds a lock file beside the save,
// so that a second copy cannot resume the same game and overwrite the first one's
// progress at exit. A lock left by a crashed program is taken over.
#include <QLockFile>
#include <QString>

namespace kelpmark::ui {

extern const char* const kSaveInUseMessage;

class SaveLock {
 public:
  explicit SaveLock(const QString& savePath);
  SaveLock(const SaveLock&) = delete;
  SaveLock& operator=(const SaveLock&) = delete;

  // False only when another running program holds the lock. A lock that cannot
  // be created at all (an unwritable directory) does not stop the game: it could
  // not save there either.
  bool acquire();
  static QString lockPath(const QString& savePath);

 private:
  QLockFile lock_;
};

}  // namespace kelpmark::ui
