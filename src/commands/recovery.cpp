// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/recovery.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "commands/program.h"
#include "commands/saved_books.h"
#include "commands/saved_game.h"
#include "model/save_disk.h"

namespace kelpmark {

const Marked kRecoveryQuestion = KM_TR(
    "Messages", "Прошлый запуск игры завершился аварийно.\nПродолжить прерванную игру?");
const Marked kRecoveryWriteFailed =
    KM_TR("Messages",
          "Не удается записать файл восстановления: %1.\n%2\nИгра продолжается, но если "
          "программа завершится аварийно, будет потеряно все, что сделано после последней "
          "удачной записи.");

std::string recoveryPathFor(const std::string& savePath) { return savePath + ".recovery"; }

bool writeRecoveryFile(Program& program, const std::string& path, int* error) {
  return saveGameWithBooks(program, path, error);
}

void removeRecoveryFile(const std::string& path) {
  removeBooksBeside(path);
  std::error_code ec;
  // A directory of that name is no file of ours to delete, but it must not stay in
  // the way of every later start and every midnight's write.
  if (std::filesystem::is_directory(std::filesystem::symlink_status(path, ec)))
    moveAside(path);
  else
    std::filesystem::remove(path, ec);
}

bool offerRecovery(Program& program, const std::string& path) {
  removeStaleSaveTemporary(path);
  std::error_code ec;
  if (!std::filesystem::exists(std::filesystem::symlink_status(path, ec))) return false;
  if (program.view.question(kRecoveryQuestion, QuestionKind::Confirmation, false) == Answer::No) {
    removeRecoveryFile(path);
    return false;
  }
  if (resumeIfWhole(program, path, true)) return true;
  // A damaged file is kept aside as "<path>.bad" (before the message, which the
  // program may not outlive); the start goes on as if there had been none, and the
  // saved game is never touched.
  moveAside(path);
  removeBooksBeside(path);
  program.view.message(kLoadFailedMessage);
  return false;
}

Text diskErrorText(int error) {
  switch (error) {
    case ENOSPC: return KM_TR("Messages", "нет места на диске");
#if defined(EDQUOT)
    case EDQUOT: return KM_TR("Messages", "превышена дисковая квота");
#endif
    case EFBIG: return KM_TR("Messages", "превышен допустимый размер файла");
    case EACCES:
    case EPERM: return KM_TR("Messages", "нет прав на запись");
    case EROFS: return KM_TR("Messages", "диск доступен только для чтения");
    case EISDIR:
      return KM_TR("Messages", "на месте файла или его временной копии (.tmp) находится папка");
    case ENOENT:
    case ENOTDIR: return KM_TR("Messages", "папка для файла не найдена");
    case EPIPE: return KM_TR("Messages", "программа, читавшая канал, завершилась");
    case EIO: return KM_TR("Messages", "ошибка ввода-вывода");
    default:
      return Text(KM_TR("Messages", "ошибка %1 (%2)"))
          .arg(std::to_string(error))
          .arg(std::string(std::strerror(error)));
  }
}

bool RecoveryWriter::write(Program& program, const std::string& path) {
  if (!program.game.hasCompany()) return false;
  int error = 0;
  if (writeRecoveryFile(program, path, &error)) {
    failing_ = false;
    return true;
  }
  if (!failing_) {
    failing_ = true;
    program.view.message(Text(kRecoveryWriteFailed).arg(diskErrorText(error)).arg(path));
  }
  return false;
}

}  // namespace kelpmark
