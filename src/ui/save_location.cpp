// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/save_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace kelpmark::ui {

namespace {

const QString kSaveName = QStringLiteral("game.dat");

}  // namespace

QString saveDirectory() {
  QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (data.isEmpty()) data = QDir::homePath() + QStringLiteral("/.kelpmark");
  QDir().mkpath(data);
  return data;
}

QString saveFilePath() { return QDir(saveDirectory()).filePath(kSaveName); }

QString legacySaveFilePath() {
  return QDir(QCoreApplication::applicationDirPath()).filePath(kSaveName);
}

QString resumeFilePath(const QString& savePath, const QString& legacyPath) {
  const QFileInfo save(savePath);
  if (save.exists() || save.isSymLink()) return savePath;
  if (!legacyPath.isEmpty() && QFileInfo(legacyPath).isFile()) return legacyPath;
  return savePath;
}

std::string nativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace kelpmark::ui
