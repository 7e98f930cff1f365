// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/save_lock.h"

#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#if !defined(_WIN32)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kelpmark::ui {

const char* const kSaveInUseMessage =
    QT_TRANSLATE_NOOP("kelpmark::ui::SaveLock",
                      "Игра уже запущена: сохранённую игру использует другая копия программы. "
                      "Эта копия будет закрыта.");

namespace {

constexpr qint64 kLongestLockFile = 4096;
constexpr qsizetype kLongestHostName = 64;

// Who wrote a lock file, as its lines tell: the process, the program, the
// computer's name and the computer's own id (the last one not in older files).
struct LockOwner {
  bool readable = false;
  QString host;
  QByteArray hostId;
};

LockOwner ownerOf(const QString& path) {
  LockOwner owner;
  QFile file(path);
  if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) return owner;
  const QList<QByteArray> lines = file.read(kLongestLockFile).split('\n');
  bool isNumber = false;
  owner.readable = lines.size() >= 3 && lines[0].toLongLong(&isNumber) > 0 && isNumber;
  if (owner.readable) {
    owner.host = QString::fromUtf8(lines[2]);
    if (lines.size() >= 4) owner.hostId = lines[3];
  }
  return owner;
}

// The computer's name as the question shows it: without control characters and not
// longer than a line.
QString shownHostName(QString host) {
  host.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
  if (host.size() > kLongestHostName) host = host.left(kLongestHostName) + QChar(0x2026);
  return host;
}

bool writtenOnThisComputer(const LockOwner& owner) {
  // The computer's own id decides where both are known (a renamed computer keeps
  // its id); else its name.
  const QByteArray ourId = QSysInfo::machineUniqueId();
  if (!owner.hostId.isEmpty() && !ourId.isEmpty()) return owner.hostId == ourId;
  return owner.host.isEmpty() || owner.host == QSysInfo::machineHostName();
}

}  // namespace

SaveLock::SaveLock(const QString& savePath) : path_(lockPath(savePath)), lock_(path_) {
  // A live program keeps its lock however long it runs: a lock's age says nothing.
  lock_.setStaleLockTime(0);
}

QString SaveLock::lockPath(const QString& savePath) { return savePath + QStringLiteral(".lock"); }

SaveLock::Outcome SaveLock::acquire(const std::function<bool(const QString&)>& askTakeOver) {
  const QFileInfo info(path_);
  if (info.isDir() && !info.isSymLink()) return Outcome::Directory;
#if !defined(_WIN32)
  // A FIFO, a socket or a link in its place is no program's lock; reading one could
  // wait for ever.
  struct stat st;
  const QByteArray name = QFile::encodeName(path_);
  if (::lstat(name.constData(), &st) == 0 && !S_ISREG(st.st_mode)) ::unlink(name.constData());
#endif
  // Qt takes over the lock of a program that has ended on this computer itself.
  if (lock_.tryLock(0)) return Outcome::Play;
  if (lock_.error() != QLockFile::LockFailedError) return Outcome::Play;
  const LockOwner owner = ownerOf(path_);
  if (owner.readable && !writtenOnThisComputer(owner) &&
      !(askTakeOver && askTakeOver(shownHostName(owner.host))))
    return Outcome::Declined;
  // What is left: a lock that a running program may hold, written here or on another
  // computer, or one that cannot be read as a lock (empty after a power cut). Only
  // a running program keeps the file locked, so a removal that gets that lock
  // proves the file stale. Two copies starting together take turns, under a second
  // lock that is stale in the same way when a copy was killed while it held it.
  QLockFile turn(path_ + QStringLiteral(".rmlock"));
  if (!turn.tryLock(0) && !(turn.removeStaleLockFile() && turn.tryLock(0))) return Outcome::InUse;
  if (!lock_.removeStaleLockFile()) return Outcome::InUse;
  if (lock_.tryLock(0)) return Outcome::Play;
  return lock_.error() == QLockFile::LockFailedError ? Outcome::InUse : Outcome::Play;
}

QString saveInUseMessage() { return SaveLock::tr(kSaveInUseMessage); }

QString takeOverQuestion(const QString& host) {
  return SaveLock::tr("Сохранённую игру заняла копия программы на компьютере «%1».\n"
                      "Если там игра уже не запущена, блокировку можно снять и играть здесь. "
                      "Если она ещё запущена, при выходе одна копия сотрёт сохранение "
                      "другой.\nСнять блокировку?")
      .arg(host);
}

QString lockDirectoryMessage(const QString& lockPath) {
  return SaveLock::tr("Не удается создать файл блокировки сохранённой игры: на его месте "
                      "находится папка:\n%1\nУдалите или переименуйте её. Эта копия будет "
                      "закрыта.")
      .arg(lockPath);
}

}  // namespace kelpmark::ui
