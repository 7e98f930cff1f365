// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/lifecycle.h"

#include "commands/program.h"
#include "commands/recovery.h"
#include "commands/saved_game.h"
#include "model/save_disk.h"

namespace kelpmark {

const Marked kResumeQuestion = KM_TR("Messages", "Загрузить предыдущую игру?");

void FormShow(Program& program, const std::string& path, const std::string& recoveryPath) {
  program.mainForm.forbiddenCursor = true;
  removeStaleSaveTemporary(path);
  if (!recoveryPath.empty() && offerRecovery(program, recoveryPath)) return;
  if (!savedGameExists(path)) return;
  if (program.view.question(kResumeQuestion, QuestionKind::Confirmation, false) == Answer::No)
    return;
  resumeSavedGame(program, path, true);
}

bool FormCloseQuery(Program& program, const std::string& path) {
  if (!program.game.hasCompany()) return true;
  const Answer a =
      program.view.question(KM_TR("Messages", "Сохранить текущую игру?"),
                            QuestionKind::Confirmation, true);
  if (a == Answer::Cancel) return false;
  if (a == Answer::No) return true;
  if (!saveGameWithBooks(program, path)) {
    program.view.message(KM_TR("Messages", "Ошибка сохранения!"));
    return false;
  }
  return true;
}

}  // namespace kelpmark
