// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/recording.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

#include "commands/program.h"
#include "commands/recovery.h"
#include "ui/save_location.h"

namespace kelpmark::ui {

namespace {

// The place a path names: its folder's real path and its name (the file need not
// exist).
QString placeOf(const QString& path) {
  const QFileInfo info(path);
  const QString folder = info.absoluteDir().canonicalPath();
  return folder.isEmpty() ? info.absoluteFilePath() : folder + QLatin1Char('/') + info.fileName();
}

// Whether two existing paths name one file (also through a hard link).
bool sameFile(const QString& a, const QString& b) {
#if defined(_WIN32)
  const QFileInfo x(a), y(b);
  return x.exists() && y.exists() && x.canonicalFilePath() == y.canonicalFilePath();
#else
  struct stat x, y;
  return ::stat(QFile::encodeName(a).constData(), &x) == 0 &&
         ::stat(QFile::encodeName(b).constData(), &y) == 0 && x.st_dev == y.st_dev &&
         x.st_ino == y.st_ino;
#endif
}

}  // namespace

std::unique_ptr<Recording> Recording::start(Program& program, const QString& path,
                                            std::function<void(const Text&)> tell) {
  std::unique_ptr<Recording> r(new Recording(program));
  int error = 0;
  if (!r->file_.open(nativePath(path), error)) return nullptr;
  if (tell)
    r->file_.setFailureHandler(
        [tell, path](int why) { tell(Recording::failureMessage(path, why)); });
  const QString name = resumedCopyName(path);
  r->recorder_ = std::make_unique<ScriptRecorder>(
      program, r->out_, nativePath(QFileInfo(path).absoluteDir().filePath(name)),
      name.toStdString());
  program.setObserver(r->recorder_.get());
  return r;
}

Recording::Recording(Program& program) : program_(program) {}

Recording::~Recording() {
  if (!recorder_) return;
  program_.setObserver(nullptr);
  recorder_->finish();
}

QString Recording::resumedCopyName(const QString& path) {
  // A script's words are separated by blanks, and its lines by line ends.
  QString name = QFileInfo(path).fileName() + QStringLiteral(".resumed.dat");
  for (QChar& c : name)
    if (c.isSpace()) c = QLatin1Char('_');
  return name;
}

QString Recording::refusal(const QString& path, const QStringList& gameFiles) {
  const QFileInfo info(path);
  if (info.isSymLink()) return QStringLiteral("it is a link");
  for (const QString& file : gameFiles) {
    const QFileInfo own(file);
    // The same file under another name (a hard link, another spelling), or the
    // place where the game will write one.
    if (sameFile(path, file) || placeOf(path) == placeOf(file) ||
        (own.isSymLink() && placeOf(path) == placeOf(own.symLinkTarget())))
      return QStringLiteral("it is the game's own file %1").arg(file);
  }
  return {};
}

Text Recording::failureMessage(const QString& path, int error) {
  return Text(KM_TR("kelpmark::ui::Recording",
                    "Не удается продолжить запись игры в файл %1: %2.\nИгра продолжается; "
                    "недописанное будет добавлено в файл, как только запись в него снова "
                    "станет возможной."))
      .arg(QDir::toNativeSeparators(path).toStdString())
      .arg(diskErrorText(error));
}

}  // namespace kelpmark::ui
