// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/save_lock.h"

namespace kelpmark::ui {

const char* const kSaveInUseMessage =
    "Игра уже запущена: сохранённую игру использует другая копия программы. "
    "Эта копия будет закрыта.";

SaveLock::SaveLock(const QString& savePath) : lock_(lockPath(savePath)) {
  // A live program keeps its lock however long it runs; only a lock whose program
  // is gone is stale.
  lock_.setStaleLockTime(0);
}

QString SaveLock::lockPath(const QString& savePath) { return savePath + QStringLiteral(".lock"); }

bool SaveLock::acquire() {
  if (lock_.tryLock(0)) return true;
  return lock_.error() != QLockFile::LockFailedError;
}

}  // namespace kelpmark::ui
