// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game_start.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

#include "commands/recovery.h"
#include "model/save_disk.h"
#include "ui/main_window.h"
#include "ui/qt_view_port.h"
#include "ui/recording.h"
#include "ui/save_location.h"
#include "ui/save_lock.h"
#include "ui/translations.h"

namespace kelpmark::ui {

namespace {

// A message before the game's windows exist, also on standard error.
void tellBeforeStart(const QString& text) {
  std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
  QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kApplicationTitle), text,
                  QMessageBox::Ok);
  prepareMessageBox(box);
  box.exec();
}

bool askTakeOver(const QString& host) {
  QMessageBox box(QMessageBox::Warning, QtViewPort::tr("Внимание"), takeOverQuestion(host),
                  QMessageBox::Yes | QMessageBox::No);
  box.setDefaultButton(QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  prepareMessageBox(box);
  return box.exec() == QMessageBox::Yes;
}

// The files the game itself reads and writes: a recording must go elsewhere.
QStringList gameFiles(const GameUiOptions& options) {
  const QString books = QStringLiteral(".books");
  return {options.savePath,          options.resumePath,          options.recoveryPath,
          options.savePath + books,  options.resumePath + books,  options.recoveryPath + books,
          options.resultsPath,       SaveLock::lockPath(options.savePath)};
}

}  // namespace

GameUiOptions savedGameOptions() {
  GameUiOptions options;
  options.savePath = saveFilePath();
  options.resumePath = resumeFilePath(options.savePath, legacySaveFilePath());
  options.recoveryPath = QString::fromStdString(recoveryPathFor(options.savePath.toStdString()));
  options.resultsPath = saveDirectory() + QStringLiteral("/results");
  return options;
}

int runGame(const QString& recordPath, Language language) {
  // Every text from here on, the lock's messages included, is in the game's language.
  const Translations translations(language);
  GameUiOptions options = savedGameOptions();
  if (!recordPath.isEmpty()) {
    const QString why = Recording::refusal(recordPath, gameFiles(options));
    if (!why.isEmpty()) {
      std::fprintf(stderr, "kelpmark: will not record into %s: %s\n",
                   recordPath.toLocal8Bit().constData(), why.toLocal8Bit().constData());
      return 2;
    }
  }
  options.consecutiveSeeds = !recordPath.isEmpty();
  SaveLock lock(options.savePath);
  switch (lock.acquire(askTakeOver)) {
    case SaveLock::Outcome::Play: break;
    case SaveLock::Outcome::InUse: tellBeforeStart(saveInUseMessage()); return 1;
    case SaveLock::Outcome::Declined: return 1;
    case SaveLock::Outcome::Directory: tellBeforeStart(lockDirectoryMessage(lock.path())); return 1;
  }
  // A save killed half-way leaves its temporary file; with the lock held it is ours.
  removeStaleSaveTemporary(nativePath(options.savePath));
  options.language = language;
  GameUi game(options);
  std::unique_ptr<Recording> recording;
  if (!recordPath.isEmpty()) {
    // The message waits until the event that failed to be written is over.
    recording = Recording::start(game.program(), recordPath, [&game](const Text& text) {
      QTimer::singleShot(0, &game.mainWindow(), [&game, text] {
        game.mainWindow().runCommand([&game, &text] { game.program().view.message(text); });
      });
    });
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
