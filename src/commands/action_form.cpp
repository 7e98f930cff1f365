// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/action_form.h"

#include "commands/program.h"
#include "commands/refusal.h"
#include "engine/campaigns.h"
#include "model/calendar.h"
#include "model/int128.h"

namespace kelpmark {

const std::array<const char*, 5> TActionForm::kDepartments = {
    "Менеджеров", "Бухгалтеров", "Продавцов", "Грузчиков", "Всех"};

namespace {

// The department's name as the dismissal question writes it.
const std::array<const char*, 5> kDepartmentsLower = {"менеджеров", "бухгалтеров", "продавцов",
                                                      "грузчиков", "всех"};

const char* const kNoMoney = "Недостаточно денег!";

}  // namespace

TActionForm::TActionForm(Program& program) : program_(program) {}

std::vector<StaffList*> TActionForm::departments() {
  if (!program_.game.hasCompany()) return {};
  TCorporation& c = program_.game.corp();
  switch (DivBox) {
    case 0: return {&c.Managers};
    case 1: return {&c.Accountants};
    case 2: return {&c.Salesmen};
    case 3: return {&c.Loaders};
    case 4: return {&c.Managers, &c.Accountants, &c.Salesmen, &c.Loaders};
    default: return {};
  }
}

void TActionForm::FormShow() {
  if (visible) return;
  visible = true;
  if (program_.game.hasCompany()) {
    const TCorporation& c = program_.game.corp();
    AdBtnEnabled = c.PendingCampaign == 0 && c.Managers.count() > 1;
    AdBoxChange();
  }
}

void TActionForm::FormClose() {
  if (!visible) return;
  visible = false;
}

void TActionForm::chooseDepartment(int item) {
  DivBox = item;
  DivBoxChange();
}

void TActionForm::chooseCampaign(int item) {
  AdBox = item;
  AdBoxChange();
}

void TActionForm::DivBoxChange() {
  if (DivBox < 0 || !program_.game.hasCompany()) return;
  Currency payroll;
  for (const StaffList* list : departments()) payroll += TCorporation::TotalSalary(*list);
  raiseAmount = Currency::fromCount(divRoundHalfEven(payroll.count(), 10));
  premiumAmount = payroll;
  SalaryLbl.caption = program_.game.money(raiseAmount);
  PayPremLbl.caption = program_.game.money(premiumAmount);
}

Check TActionForm::cashCheck(Currency amount) const {
  if (amount > program_.game.corp().Money) return Refusal::error(kNoMoney);
  return {};
}

void TActionForm::UpSalBtnClick() {
  if (const Check no = cashCheck(raiseAmount)) return refuse(program_.view, *no);
  for (const StaffList* list : departments()) TCorporation::RaiseSalaries(*list, program_.game.random);
}

void TActionForm::PayPremBtnClick() {
  if (const Check no = cashCheck(premiumAmount)) return refuse(program_.view, *no);
  TCorporation& c = program_.game.corp();
  for (const StaffList* list : departments()) c.PayPremiums(*list, program_.game.random);
  program_.mainForm.RefreshDisplay();
}

void TActionForm::GradBtn1Click() {
  const std::string name = DivBox >= 0 ? kDepartmentsLower[static_cast<size_t>(DivBox)] : "";
  if (program_.view.question("Уволить всех " + name + "?", QuestionKind::Confirmation, false) !=
      Answer::Yes)
    return;
  // The question comes first; a dismissal then needs cash for a tenth of the payroll.
  if (const Check no = cashCheck(raiseAmount)) return refuse(program_.view, *no);
  for (StaffList* list : departments()) list->clear();
  program_.mainForm.RefreshDisplay();
}

void TActionForm::AdBoxChange() {
  if (!program_.game.hasCompany()) return;
  Game& g = program_.game;
  const int kind = AdBox + 1;
  const CampaignInfo* campaign = campaignInfo(kind);
  // With no campaign chosen there is nothing to order; while one is pending no
  // second order may replace it (its cost would be lost).
  AdBtnEnabled = campaign != nullptr && g.corp().PendingCampaign == 0;
  if (campaign != nullptr) {
    campaignAmount = Currency::fromUnits(CampaignCost(g.corp(), *campaign));
    AdCostLbl.caption = g.money(campaignAmount);
    AdDescLbl = campaign->description;
    if (g.values.market.WholesaleFactor < campaign->minWholesaleFactor) AdBtnEnabled = false;
  }
  const double ready = g.values.clock.GameDate + CampaignLeadTime(g.corp(), kind);
  NoteCampaignDuration(g.corp(), kind);
  AdReady.caption = formatDate(decodeDate(ready), g.format.shortDateFormat);
}

Check TActionForm::campaignCheck() const {
  const TCorporation& c = program_.game.corp();
  if (!c.ManagersWork) return Refusal::error("Ваши менеджеры бастуют!");
  if (c.Managers.empty()) return Refusal::error("У вас нет менеджеров!");
  if (campaignAmount > c.Money) return Refusal::error("Мало денег!");
  return {};
}

void TActionForm::AdBtnClick() {
  // With no campaign chosen there is nothing to order.
  if (AdBox < 0) return;
  if (const Check no = campaignCheck()) return refuse(program_.view, *no);
  Game& g = program_.game;
  OrderCampaign(g.corp(), AdBox + 1, g.values.clock.GameDate, campaignAmount);
  AdBtnEnabled = false;
  program_.mainForm.RefreshDisplay();
}

}  // namespace kelpmark
