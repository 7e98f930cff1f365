// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/recording.h"

#include <QDir>
#include <QFileInfo>

#include "commands/program.h"
#include "ui/save_location.h"

namespace kelpmark::ui {

std::unique_ptr<Recording> Recording::start(Program& program, const QString& path) {
  std::unique_ptr<Recording> r(new Recording(program, path));
  if (!r->out_) return nullptr;
  return r;
}

Recording::Recording(Program& program, const QString& path)
    : program_(program), out_(nativePath(path), std::ios::binary | std::ios::trunc) {
  if (!out_) return;
  const QString name = resumedCopyName(path);
  recorder_ = std::make_unique<ScriptRecorder>(
      program_, out_, nativePath(QFileInfo(path).absoluteDir().filePath(name)), name.toStdString());
  program_.setObserver(recorder_.get());
}

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

}  // namespace kelpmark::ui
