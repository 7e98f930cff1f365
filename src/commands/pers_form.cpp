#include "commands/pers_form.h"

#include "commands/program.h"

namespace kelpmark {

TPersForm::TPersForm(Program& program) : program_(program) {}

void TPersForm::FormShow() {
  if (visible) return;
  visible = true;
  PersBoxChange();
  ++version;
}

void TPersForm::FormClose() {
  if (!visible) return;
  visible = false;
  if (program_.game.hasCompany()) program_.mainForm.RefreshDisplay();
  ++version;
}

void TPersForm::PersBoxChange() {
  if (SelIndex >= 0 && SelIndex < static_cast<int>(PersList.size())) {
    selected = SelIndex;
    PersListClick();
  }
  UpdateStatus();
}

void TPersForm::PersListClick() {}

void TPersForm::UpdateStatus() {}

}  // namespace kelpmark
