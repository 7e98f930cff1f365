// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/recovery.h"

#include <filesystem>

#include "commands/lifecycle.h"
#include "commands/program.h"
#include "model/save_disk.h"

namespace kelpmark {

const char* const kRecoveryQuestion =
    "Прошлый запуск игры завершился аварийно.\nПродолжить прерванную игру?";

std::string recoveryPathFor(const std::string& savePath) { return savePath + ".recovery"; }

bool writeRecoveryFile(Program& program, const std::string& path) {
  return saveCurrentGame(program, path);
}

void removeRecoveryFile(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_directory(path, ec)) std::filesystem::remove(path, ec);
}

bool offerRecovery(Program& program, const std::string& path) {
  removeStaleSaveTemporary(path);
  if (!savedGameExists(path)) return false;
  if (program.view.question(kRecoveryQuestion, QuestionKind::Confirmation, false) == Answer::No) {
    removeRecoveryFile(path);
    return false;
  }
  // A damaged file is kept aside as "<path>.bad", like a refused save; the save
  // itself is never touched.
  if (!resumeSavedGame(program, path)) removeRecoveryFile(path);
  return true;
}

}  // namespace kelpmark
