#include "commands/action_form.h"

#include "commands/program.h"

namespace kelpmark {

TActionForm::TActionForm(Program& program) : program_(program) {}

void TActionForm::FormShow() {
  if (visible) return;
  visible = true;
  ++version;
}

void TActionForm::FormClose() {
  if (!visible) return;
  visible = false;
  ++version;
}

}  // namespace kelpmark
