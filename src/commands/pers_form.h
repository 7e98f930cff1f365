#pragma once
// The personnel window: one department at a time, with each employee's card and
// five personal actions. It keeps its own copy of the department's list; an entry
// whose employee has since left the company is refreshed, never acted on.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "commands/bound_list.h"
#include "commands/controls.h"
#include "model/corporation.h"

namespace kelpmark {

class Program;

class TPersForm {
 public:
  explicit TPersForm(Program& program);

  static const std::array<const char*, 4> kDepartments;

  void FormShow();
  void FormClose();
  void PersBoxChange();
  void PersListClick();
  void UpdateStatus();
  void UpBtnClick();
  void LoBtnClick();
  void WokrersBtnClick();
  void BuildingsBtnClick();
  void FireBtnClick();
  void GradBtn1Click();

  // Chooses a department (the drop-down's change handler runs).
  void choose(int item);
  // A click on an entry of the list.
  void select(int entry);

  bool visible = false;
  int SelIndex = 0;
  int PersBox = -1;
  BoundList<TWorkerBee> PersList;
  std::string TopPanel = "Личное дело";
  FormattedLabel SalaryLbl{"Оклад: $%s в неделю", ""};
  int ExpGauge = 0;
  int FunGauge = 0;
  bool WokrersBtnEnabled = true;
  bool FireBtnEnabled = true;
  std::array<std::string, 4> Status{};
  unsigned version = 0;

 private:
  StaffList* department();
  // Runs a personal action on the selected employee. An entry whose employee has
  // left changes nothing and only refreshes the list.
  template <class Action>
  void act(Action action);
  void reselect(const TWorkerBee* worker);

  Program& program_;
};

}  // namespace kelpmark
