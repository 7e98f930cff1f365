// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/refusal.h"

#include "commands/view_port.h"

namespace kelpmark {

const Marked kNoMoney = KM_TR("Messages", "Недостаточно денег!");

void refuse(ViewPort& view, const Refusal& refusal) {
  if (refusal.box == Refusal::Box::Error) throw CommandError(refusal.text);
  view.message(refusal.text);
}

}  // namespace kelpmark
