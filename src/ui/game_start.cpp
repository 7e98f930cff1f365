// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game_start.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>

#include "commands/recovery.h"
#include "model/save_disk.h"
#include "ui/qt_view_port.h"
#include "ui/recording.h"
#include "ui/save_location.h"
#include "ui/save_lock.h"

namespace kelpmark::ui {

GameUiOptions savedGameOptions() {
  GameUiOptions options;
  options.savePath = saveFilePath();
  options.resumePath = resumeFilePath(options.savePath, legacySaveFilePath());
  options.recoveryPath = QString::fromStdString(recoveryPathFor(options.savePath.toStdString()));
  return options;
}

int runGame(const QString& recordPath) {
  GameUiOptions options = savedGameOptions();
  options.consecutiveSeeds = !recordPath.isEmpty();
  SaveLock lock(options.savePath);
  if (!lock.acquire()) {
    std::fprintf(stderr, "%s\n", kSaveInUseMessage);
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kApplicationTitle),
                    QString::fromUtf8(kSaveInUseMessage), QMessageBox::Ok);
    setRussianButtonTexts(box);
    box.exec();
    return 1;
  }
  // A save killed half-way leaves its temporary file; with the lock held it is ours.
  removeStaleSaveTemporary(nativePath(options.savePath));
  GameUi game(options);
  std::unique_ptr<Recording> recording;
  if (!recordPath.isEmpty()) {
    recording = Recording::start(game.program(), recordPath);
    if (!recording) {
      std::fprintf(stderr, "kelpmark: cannot write the recording %s\n",
                   recordPath.toLocal8Bit().constData());
      return 2;
    }
  }
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/icon.svg")));
  game.show();
  const int status = QApplication::exec();
  recording.reset();
  // The event loop ends only the ordinary way (the exit question answered, an
  // outcome that ends the program); a crash or a kill never comes here, and leaves
  // the recovery file for the next start.
  removeRecoveryFile(nativePath(options.recoveryPath));
  return status;
}

}  // namespace kelpmark::ui
