// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "commands/refusal.h"
#include "model/corporation.h"

namespace kelpmark {

class Game;
class TMainForm;
class ViewPort;
struct OpeningHours;

class TPersForm {
 public:
  TPersForm(Game& game, ViewPort& view, TMainForm& main);

  static const std::array<Marked, 4> kDepartments;

  bool visible = false;
  int SelIndex = 0;
  int PersBox = -1;
  BoundList<TWorkerBee> PersList;
  // "Личное дело", then the chosen employee's profession and surname.
  Text TopPanel = KM_TR("TPersForm", "Личное дело");
  FormattedLabel SalaryLbl{KM_TR("TPersForm", "Оклад: $%s в неделю"), ""};
  int ExpGauge = 0;
  int FunGauge = 0;
  bool WokrersBtnEnabled = true;
  bool FireBtnEnabled = true;
  std::array<Text, 4> Status{};

  // Praise may be given again in the working hours of a new hour.
  void openHour(const OpeningHours& hours);

  // --- handlers -------------------------------------------------------------
  // Front ends reach them through Program::perform, which checks first what the
  // player could really click (the window shown, the control enabled).
  // Shows the window with the chosen department's list refilled.
  void FormShow();
  // Hides the window; the main window's labels are brought up to date.
  void FormClose();
  // "Ok": closes the window.
  void CloseBtnClick() { FormClose(); }
  // Refills the list from the chosen department and shows the remembered entry.
  void PersBoxChange();
  // Shows the selected employee's card.
  void PersListClick();
  // The department's head count, payroll, average pay, experience and mood.
  void UpdateStatus();
  // "Поднять": a tenth more salary from the next payday; the employee is pleased.
  void UpBtnClick();
  // "Снизить": a tenth less salary; the employee is displeased.
  void LoBtnClick();
  // "Похвалить": praise, once an hour in the whole company; pleases the content.
  void WokrersBtnClick();
  // "Дать премию": a week's salary as a premium; a big lift in mood.
  void BuildingsBtnClick();
  // The premium needs cash for the salary.
  Check premiumCheck(const TWorkerBee& worker) const;
  // "Уволить": fires the employee (after a warning when the department is
  // discontented); the rest of the department loses mood.
  void FireBtnClick();
  // "Help": the personnel window's help page.
  void GradBtn1Click();

  // Chooses a department (the drop-down's change handler runs).
  void choose(int item);
  // A click on an entry of the list.
  void select(int entry);

 private:
  StaffList* department();
  // Runs a personal action on the selected employee. An entry whose employee has
  // left changes nothing and only refreshes the list.
  template <class Action>
  void act(Action action);
  void reselect(const TWorkerBee* worker);

  Game& game_;
  ViewPort& view_;
  TMainForm& main_;
};

}  // namespace kelpmark
