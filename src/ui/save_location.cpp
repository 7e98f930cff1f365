#include "ui/save_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace kelpmark::ui {

namespace {

bool directoryWritable(const QString& dir) {
  // A real attempt: permission bits do not tell about read-only mounts.
  QTemporaryFile probe(dir + QStringLiteral("/.kelpmark-write-test-XXXXXX"));
  return probe.open();
}

}  // namespace

QString saveFilePath() {
  const QString exeDir = QCoreApplication::applicationDirPath();
  if (!exeDir.isEmpty() && directoryWritable(exeDir)) return QDir(exeDir).filePath("game.dat");
  QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (data.isEmpty()) data = QDir::homePath() + QStringLiteral("/.kelpmark");
  QDir().mkpath(data);
  return QDir(data).filePath("game.dat");
}

}  // namespace kelpmark::ui
