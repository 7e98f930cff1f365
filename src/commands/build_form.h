// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The buildings window: stores, stalls or shops, with the chosen building's card,
// repair, upgrade and sale. It keeps its own copy of the category's list; an entry
// whose building has since gone is refreshed, never acted on.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "commands/bound_list.h"
#include "commands/controls.h"
#include "commands/refusal.h"
#include "model/corporation.h"

namespace kelpmark {

class Game;
class TMainForm;
class ViewPort;
struct OpeningHours;

class TBuildForm {
 public:
  TBuildForm(Game& game, ViewPort& view, TMainForm& main);

  static const std::array<Marked, 3> kCategories;

  bool visible = false;
  bool enabled = true;  // the whole window, opened and closed by the clock
  int SelIndex = 0;
  int BuildBox = -1;
  BoundList<TBuilding> BuildList;
  // "Постройка", then the chosen building's type name.
  Text TopPanel = KM_TR("TBuildForm", "Постройка");
  int OffGauge = 1000;
  FormattedLabel SalaryLbl{KM_TR("TBuildForm", "Содержание: $%s в сутки"), ""};
  FormattedLabel StoredLbl{KM_TR("TBuildForm", "Вместимость, максимум: %s кг"), ""};
  FormattedLabel SallLbl{KM_TR("TBuildForm", "Оборот, максимум: %s кг в день"), ""};
  FormattedLabel RemLbl{KM_TR("TBuildForm", "(стоит $%s)"), ""};
  FormattedLabel UpgLbl{KM_TR("TBuildForm", "(стоит $%s)"), ""};
  // The amounts the two cost labels show: what the buttons charge.
  Currency repairCost;
  Currency upgradeCost;
  int picture = -1;
  bool RemBtnEnabled = true;
  bool UpgBtnEnabled = true;
  std::array<Text, 3> Status{};

  // At night the window is disabled as a whole.
  void openHour(const OpeningHours& hours);

  // --- handlers -------------------------------------------------------------
  // Front ends reach them through Program::perform, which checks first what the
  // player could really click (the window shown, the control enabled).
  // Shows the window with the chosen category's list refilled.
  void FormShow();
  // Hides the window; the main window's labels are brought up to date.
  void FormClose();
  // "Ok": closes the window.
  void CloseBtnClick() { FormClose(); }
  // Refills the list from the chosen category and shows the remembered entry.
  void BuildBoxChange();
  // Shows the selected building's card, its repair and upgrade costs and buttons.
  void BuildListClick();
  // The category's count, upkeep and average wear.
  void UpdateStatus();
  // "Капремонт": the building is as new again, for the cost shown.
  void RemBtnClick();
  // "Улучшить": the building rises a level (a repair comes first), for the cost shown.
  void UpgBtnClick();
  // Each needs cash for the cost shown; an upgrade also a building in repair.
  Check repairCheck() const;
  Check upgradeCheck() const;
  // "Продать": sells the building after a question (and a warning when fish would
  // be lost); reports staff left without a workplace.
  void FireBtnClick();
  // "Help": the buildings window's help page.
  void GradBtn1Click();

  // Chooses a category (the drop-down's change handler runs).
  void choose(int item);
  // A click on an entry of the list.
  void select(int entry);

 private:
  BuildingList* category();
  template <class Action>
  void act(Action action);

  Game& game_;
  ViewPort& view_;
  TMainForm& main_;
};

}  // namespace kelpmark
