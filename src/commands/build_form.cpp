#include "commands/build_form.h"

#include "commands/program.h"

namespace kelpmark {

TBuildForm::TBuildForm(Program& program) : program_(program) {}

void TBuildForm::FormShow() {
  if (visible) return;
  visible = true;
  BuildBoxChange();
  ++version;
}

void TBuildForm::FormClose() {
  if (!visible) return;
  visible = false;
  if (program_.game.hasCompany()) program_.mainForm.RefreshDisplay();
  ++version;
}

void TBuildForm::BuildBoxChange() {
  if (SelIndex >= 0 && SelIndex < static_cast<int>(BuildList.size())) {
    selected = SelIndex;
    BuildListClick();
  }
  UpdateStatus();
}

void TBuildForm::BuildListClick() {}

void TBuildForm::UpdateStatus() {}

}  // namespace kelpmark
