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
#include "model/corporation.h"

namespace kelpmark {

class Program;

class TBuildForm {
 public:
  explicit TBuildForm(Program& program);

  static const std::array<const char*, 3> kCategories;

  void FormShow();
  void FormClose();
  void BuildBoxChange();
  void BuildListClick();
  void UpdateStatus();
  void RemBtnClick();
  void UpgBtnClick();
  void FireBtnClick();
  void GradBtn1Click();

  void choose(int item);
  void select(int entry);

  bool visible = false;
  bool enabled = true;  // the whole window, opened and closed by the clock
  int SelIndex = 0;
  int BuildBox = -1;
  BoundList<TBuilding> BuildList;
  std::string TopPanel = "Постройка";
  int OffGauge = 1000;
  FormattedLabel SalaryLbl{"Содержание: $%s в сутки", ""};
  FormattedLabel StoredLbl{"Вместимость, максимум: %s кг", ""};
  FormattedLabel SallLbl{"Оборот, максимум: %s кг в день", ""};
  FormattedLabel RemLbl{"(стоит $%s)", ""};
  FormattedLabel UpgLbl{"(стоит $%s)", ""};
  // The amounts the two cost labels show: what the buttons charge.
  Currency repairCost;
  Currency upgradeCost;
  int picture = -1;
  bool RemBtnEnabled = true;
  bool UpgBtnEnabled = true;
  bool FireBtnEnabled = true;
  std::array<std::string, 3> Status{};
  unsigned version = 0;

 private:
  BuildingList* category();
  template <class Action>
  void act(Action action);

  Program& program_;
};

}  // namespace kelpmark
