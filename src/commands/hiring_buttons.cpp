// SPDX-License-Identifier: GPL-3.0-or-later
// The hiring and construction buttons and the office upgrade.
#include "commands/main_form.h"
#include "commands/program.h"
#include "commands/refusal.h"

namespace kelpmark {

namespace {

const char* const kNoMoney = "Недостаточно денег!";

}  // namespace

void TMainForm::SpeedButton1Click() {
  Program& p = program_;
  TCorporation& c = p.game.corp();
  if (c.Money < Currency::fromUnits(1000)) return p.view.message(kNoMoney);
  if (c.Office->Level < 2)
    return p.view.message("Офис маловат будет! Не пойдут бухгалтеры в такую дыру работать.");
  if (!c.HireAccountant(p.game.random)) p.view.message("Новому бухгалтеру будет негде работать!");
  RefreshDisplay();
}

void TMainForm::SpeedButton2Click() {
  Program& p = program_;
  TCorporation& c = p.game.corp();
  if (c.Money < Currency::fromUnits(1000)) return p.view.message(kNoMoney);
  if (c.Office->Level < 3)
    return p.view.message("Офис маловат будет! Не пойдут менеджеры в такую дыру работать.");
  if (!c.HireManager(p.game.random)) p.view.message("Новому менеджеру будет негде работать!");
  RefreshDisplay();
}

void TMainForm::SpeedButton3Click() {
  Program& p = program_;
  TCorporation& c = p.game.corp();
  if (c.Money < Currency::fromUnits(100)) return p.view.message(kNoMoney);
  if (!c.HireSalesman(p.game.random)) p.view.message("Новому продавцу будет негде работать!");
  RefreshDisplay();
}

void TMainForm::SpeedButton4Click() {
  Program& p = program_;
  TCorporation& c = p.game.corp();
  if (c.Money < Currency::fromUnits(100)) return p.view.message(kNoMoney);
  if (!c.HireLoader(p.game.random)) p.view.message("Новому грузчику будет негде работать!");
  RefreshDisplay();
}

void TMainForm::SpeedButton5Click() {
  TCorporation& c = game().corp();
  if (c.Money < Currency::fromUnits(3000)) return program_.view.message(kNoMoney);
  c.BuildStore();
  RefreshDisplay();
}

void TMainForm::SpeedButton6Click() {
  TCorporation& c = game().corp();
  if (c.Money < Currency::fromUnits(1500)) return program_.view.message(kNoMoney);
  c.BuildLot();
  RefreshDisplay();
}

void TMainForm::SpeedButton7Click() {
  TCorporation& c = game().corp();
  if (c.Money < Currency::fromUnits(10000)) return program_.view.message(kNoMoney);
  c.BuildShop();
  RefreshDisplay();
}

Check TMainForm::officeCheck() const {
  const TCorporation& c = program_.game.corp();
  if (c.Money < c.OfficeUpgradeCost()) return Refusal::message(kNoMoney);
  if (c.Office->Level >= c.Office->MaxLevel) return Refusal::message("Офис уже круче некуда!");
  return {};
}

void TMainForm::OfficeBtnClick() {
  if (const Check no = officeCheck()) return refuse(program_.view, *no);
  game().corp().UpgradeOffice();
  RefreshDisplay();
}

}  // namespace kelpmark
