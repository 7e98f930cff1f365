// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The actions window: measures for whole departments (left) and advertising
// campaigns (right).
#include <array>
#include <string>
#include <vector>

#include "commands/controls.h"
#include "commands/refusal.h"
#include "model/corporation.h"

namespace kelpmark {

class Game;
class TMainForm;
class ViewPort;

class TActionForm {
 public:
  TActionForm(Game& game, ViewPort& view, TMainForm& main);

  static const std::array<Marked, 5> kDepartments;

  bool visible = false;
  int DivBox = -1;
  FormattedLabel SalaryLbl{KM_TR("TActionForm", "Увеличит расходы на $%s в неделю"), "0"};
  FormattedLabel PayPremLbl{KM_TR("TActionForm", "$%s единовременно"), "0"};
  int AdBox = -1;
  FormattedLabel AdCostLbl{KM_TR("TActionForm", "Примерная стоимость: $%s"), "0"};
  // "Описание:", then the chosen campaign's description.
  Text AdDescLbl = KM_TR("TActionForm", "Описание:");
  FormattedLabel AdReady{KM_TR("TActionForm", "Будет готова к: %s"), ""};
  // The amounts the labels show: what the buttons check and charge.
  Currency raiseAmount;
  Currency premiumAmount;
  Currency campaignAmount;
  bool AdBtnEnabled = true;

  // --- handlers -------------------------------------------------------------
  // Front ends reach them through Program::perform, which checks first what the
  // player could really click (the window shown, the control enabled).
  // Shows the window: "Провести!" is set for the chosen campaign.
  void FormShow();
  // Hides the window.
  void FormClose();
  // A department chosen: the cost of a raise and of premiums for it are shown.
  void DivBoxChange();
  // "Поднять оклады": the whole department gets a raise.
  void UpSalBtnClick();
  // "Выдать премии": every employee of the department gets a week's salary.
  void PayPremBtnClick();
  // "Распустить": dismisses the whole department after a question.
  void GradBtn1Click();
  // A campaign chosen: its cost, description and ready date; "Провести!" is
  // available unless a campaign is pending.
  void AdBoxChange();
  // "Провести!": orders the campaign, paid at once, ready after its lead time.
  void AdBtnClick();

  // A measure needs cash for the amount shown; an order, managers at work and
  // cash for its cost.
  Check cashCheck(Currency amount) const;
  Check campaignCheck() const;

  void chooseDepartment(int item);
  void chooseCampaign(int item);

 private:
  std::vector<StaffList*> departments();

  Game& game_;
  ViewPort& view_;
  TMainForm& main_;
};

}  // namespace kelpmark
