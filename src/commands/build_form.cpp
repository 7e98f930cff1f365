// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/build_form.h"

#include "commands/game_clock.h"
#include "commands/main_form.h"
#include "commands/view_port.h"
#include "engine/game.h"
#include "commands/refusal.h"
#include "model/int128.h"

namespace kelpmark {

const std::array<Marked, 3> TBuildForm::kCategories = {KM_TR("TBuildForm", "Хранилища"),
                                                      KM_TR("TBuildForm", "Торговые лотки"),
                                                      KM_TR("TBuildForm", "Магазины")};

TBuildForm::TBuildForm(Game& game, ViewPort& view, TMainForm& main)
    : game_(game), view_(view), main_(main) {}

BuildingList* TBuildForm::category() {
  if (!game_.hasCompany()) return nullptr;
  TCorporation& c = game_.corp();
  switch (BuildBox) {
    case 0: return &c.Stores;
    case 1: return &c.Lots;
    case 2: return &c.Shops;
    default: return nullptr;
  }
}

void TBuildForm::openHour(const OpeningHours& hours) { enabled = hours.windows; }

void TBuildForm::FormShow() {
  if (visible) return;
  visible = true;
  BuildBoxChange();
}

void TBuildForm::FormClose() {
  if (!visible) return;
  visible = false;
  main_.RefreshDisplay();
}

void TBuildForm::choose(int item) {
  BuildBox = item;
  BuildBoxChange();
}

void TBuildForm::select(int entry) {
  BuildList.selectPosition(entry);
  BuildListClick();
}

void TBuildForm::BuildBoxChange() {
  if (BuildingList* list = category()) BuildList.fill(*list);
  BuildList.selectPosition(SelIndex);
  BuildListClick();
  UpdateStatus();
}

void TBuildForm::BuildListClick() {
  if (!BuildList.hasSelection()) return;
  SelIndex = BuildList.selected();
  auto b = BuildList.selectedObject(category());
  if (!b) {
    // The building has gone since the list was filled: show what stands there now.
    if (category() != nullptr) BuildBoxChange();
    return;
  }
  const Game& g = game_;
  TopPanel = storedKindText(b->TypeName);
  OffGauge = 1000 - b->Condition;
  SalaryLbl.caption = g.money(b->Upkeep);
  StoredLbl.caption = "0";
  SallLbl.caption = "0";
  if (b->isStorage()) StoredLbl.caption = std::to_string(static_cast<TStorageBuilding&>(*b).Capacity);
  if (b->isSale()) SallLbl.caption = std::to_string(static_cast<TSaleBuilding&>(*b).SalesCapacity);
  picture = static_cast<int>(b->Picture);
  repairCost = Currency::fromDoubleWholeUnits(b->Value.units() * (1000 - b->Condition) / 1000);
  RemBtnEnabled = b->Condition < 900 && !b->isLot();
  if (!RemBtnEnabled) repairCost = Currency();
  RemLbl.caption = g.money(repairCost);
  upgradeCost = b->UpgradeCost * b->Level;
  UpgBtnEnabled = b->Level < b->MaxLevel && !b->isLot();
  if (!UpgBtnEnabled) upgradeCost = Currency();
  UpgLbl.caption = g.money(upgradeCost);
  // No building may rise above the office.
  if (b->Level >= g.corp().Office->Level) UpgBtnEnabled = false;
}

void TBuildForm::UpdateStatus() {
  const BuildingList* list = category();
  if (list == nullptr) return;
  const Game& g = game_;
  Status[0] = Text(KM_TR("TBuildForm", "Всего: %1")).arg(std::to_string(list->size()));
  Status[1] =
      Text(KM_TR("TBuildForm", "Расходы: $%1")).arg(g.money(TCorporation::CategoryUpkeep(*list)));
  const double wear = (1000 - TCorporation::AverageCondition(*list)) / 10.0;
  Status[2] =
      Text(KM_TR("TBuildForm", "Средний износ: %1%")).arg(std::to_string(roundToInt32(wear)));
}

template <class Action>
void TBuildForm::act(Action action) {
  if (!BuildList.hasSelection()) return;
  auto b = BuildList.selectedObject(category());
  if (!b) {
    BuildBoxChange();
    return;
  }
  action(*b);
}

Check TBuildForm::repairCheck() const {
  if (repairCost > game_.corp().Money) return Refusal::error(kNoMoney);
  return {};
}

void TBuildForm::RemBtnClick() {
  act([this](TBuilding& b) {
    if (const Check no = repairCheck()) return refuse(view_, *no);
    game_.corp().Repair(b, repairCost);
    BuildListClick();
    main_.RefreshDisplay();
  });
}

Check TBuildForm::upgradeCheck() const {
  if (RemBtnEnabled) return Refusal::error(KM_TR("TBuildForm", "Сначала отремонтируйте здание!"));
  if (upgradeCost > game_.corp().Money) return Refusal::error(kNoMoney);
  return {};
}

void TBuildForm::UpgBtnClick() {
  act([this](TBuilding& b) {
    if (const Check no = upgradeCheck()) return refuse(view_, *no);
    game_.corp().UpgradeBuilding(b, upgradeCost);
    BuildListClick();
    main_.RefreshDisplay();
  });
}

void TBuildForm::FireBtnClick() {
  act([this](TBuilding& b) {
    ViewPort& view = view_;
    if (view.question(KM_TR("TBuildForm", "Удалить выбранную постройку?"),
                      QuestionKind::Confirmation, false) != Answer::Yes)
      return;
    TCorporation& c = game_.corp();
    int32_t idle = 0;
    if (BuildBox == 0) {
      // Selling a store that holds fish which would not fit elsewhere is warned of.
      if (!c.SaleLosesFish(&b) ||
          view.question(
              KM_TR("TBuildForm", "Удаление этого склада приведет к потере товара. Продолжить?"),
              QuestionKind::Warning, false) == Answer::Yes)
        idle = c.SellStore(&b);
    } else {
      idle = c.SellSalePoint(*category(), &b);
    }
    if (idle < 0) {
      view.message(Text(BuildBox == 0 ? KM_TR_N("TBuildForm", "У вас %n грузчиков не заняты!")
                                      : KM_TR_N("TBuildForm", "У вас %n продавцов не заняты!"))
                       .count(-static_cast<int64_t>(idle)));
    }
    if (SelIndex > 0) --SelIndex;
    BuildBoxChange();
    main_.RefreshDisplay();
  });
}

void TBuildForm::GradBtn1Click() { view_.openHelp(20); }

}  // namespace kelpmark
