// SPDX-License-Identifier: GPL-3.0-or-later
// The hiring and building buttons and the office upgrade.
#include "commands/main_form.h"
#include "engine/game.h"
#include "commands/refusal.h"
#include "model/kinds.h"

namespace kelpmark {

namespace {

// What each of the seven buttons adds to the company: a building or an employee.
struct Addition {
  MainButton button;
  const BuildingKind* building;
  const EmployeeKind* employee;
  const Requirement& requirement() const {
    return building != nullptr ? building->requirement : employee->requirement;
  }
};

const Addition kAdditions[] = {
    {MainButton::StorageBtn, &kStoreKind, nullptr},
    {MainButton::LotBtn, &kStallKind, nullptr},
    {MainButton::ShopBtn, &kShopKind, nullptr},
    {MainButton::StuffBtn, nullptr, &kLoaderKind},
    {MainButton::SalerBtn, nullptr, &kSalesmanKind},
    {MainButton::AccounterBtn, nullptr, &kAccountantKind},
    {MainButton::ManagerBtn, nullptr, &kManagerKind},
};

const Addition* additionOf(MainButton b) {
  for (const Addition& a : kAdditions)
    if (a.button == b) return &a;
  return nullptr;
}

}  // namespace

Check TMainForm::requirementCheck(const Requirement& r) const {
  const TCorporation& c = game_.corp();
  if (c.Money < Currency::fromUnits(r.cash)) return Refusal::message(kNoMoney);
  if (r.officeLevel > 0 && c.Office->Level < r.officeLevel)
    return Refusal::message(r.smallOfficeText);
  return {};
}

Check TMainForm::workplaceCheck(const EmployeeKind& kind) const {
  if (!game_.corp().HasWorkplaceFor(kind)) return Refusal::message(kind.noPlaceText);
  return {};
}

void TMainForm::SpeedButtonClick(MainButton b) {
  const Addition* a = additionOf(b);
  if (a == nullptr) return;
  if (const Check no = requirementCheck(a->requirement())) return refuse(view_, *no);
  TCorporation& c = game_.corp();
  if (a->building != nullptr) {
    c.Build(*a->building);
  } else if (const Check no = workplaceCheck(*a->employee)) {
    // Without a free workplace nobody is hired; the display is refreshed all the same.
    refuse(view_, *no);
  } else {
    c.Hire(*a->employee, game_.random);
  }
  RefreshDisplay();
}

Check TMainForm::officeCheck() const {
  const TCorporation& c = game_.corp();
  if (c.Money < c.OfficeUpgradeCost()) return Refusal::message(kNoMoney);
  if (c.Office->Level >= c.Office->MaxLevel) return Refusal::message(kOfficeLevels.topText);
  return {};
}

void TMainForm::OfficeBtnClick() {
  if (const Check no = officeCheck()) return refuse(view_, *no);
  game_.corp().UpgradeOffice();
  RefreshDisplay();
}

}  // namespace kelpmark
