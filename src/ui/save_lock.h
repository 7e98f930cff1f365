// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One game per save: while the program runs it holds a lock file beside the save,
// so that a second copy cannot resume the same game and overwrite the first one's
// progress at exit. A lock that no live copy of the game holds is taken over.
#include <QCoreApplication>
#include <QLockFile>
#include <QString>
#include <functional>

namespace kelpmark::ui {

// The message that another copy of the game holds the save (in Russian; the
// message box shows saveInUseMessage()).
extern const char* const kSaveInUseMessage;

class SaveLock {
  Q_DECLARE_TR_FUNCTIONS(kelpmark::ui::SaveLock)

 public:
  enum class Outcome {
    // The lock is ours, or cannot be made here at all (an unwritable directory):
    // the game goes on (it could not save there either).
    Play,
    // A running copy of the game holds it.
    InUse,
    // Written on another computer, and the player chose not to take it over.
    Declined,
    // A directory stands where the lock file belongs.
    Directory,
  };

  explicit SaveLock(const QString& savePath);
  SaveLock(const SaveLock&) = delete;
  SaveLock& operator=(const SaveLock&) = delete;

  // Takes the lock. A lock file that no running program holds locked is taken
  // over: an empty one (a power cut just after a start), one not readable as a
  // lock, one of a program on this computer that has ended. A lock written on
  // another computer (a shared home directory may really have the game running
  // there) is taken over only when `askTakeOver`, given that computer's name, says
  // so.
  Outcome acquire(const std::function<bool(const QString& host)>& askTakeOver = {});

  static QString lockPath(const QString& savePath);
  const QString& path() const { return path_; }

 private:
  QString path_;
  QLockFile lock_;
};

// The messages of the lock, in the game's language: another copy holds the save;
// the question whether to take over a lock written on `host`.
QString saveInUseMessage();
QString takeOverQuestion(const QString& host);
// The message for a directory in the lock file's place.
QString lockDirectoryMessage(const QString& lockPath);

}  // namespace kelpmark::ui
