// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/action_form.h"

#include "commands/main_form.h"
#include "commands/view_port.h"
#include "engine/game.h"
#include "commands/refusal.h"
#include "engine/campaigns.h"
#include "model/calendar.h"
#include "model/int128.h"

namespace kelpmark {

const std::array<Marked, 5> TActionForm::kDepartments = {
    KM_TR("TActionForm", "Менеджеров"), KM_TR("TActionForm", "Бухгалтеров"),
    KM_TR("TActionForm", "Продавцов"), KM_TR("TActionForm", "Грузчиков"),
    KM_TR("TActionForm", "Всех")};

namespace {

// The department's name as the dismissal question writes it.
const std::array<Marked, 5> kDepartmentsLower = {
    KM_TR("TActionForm", "менеджеров"), KM_TR("TActionForm", "бухгалтеров"),
    KM_TR("TActionForm", "продавцов"), KM_TR("TActionForm", "грузчиков"),
    KM_TR("TActionForm", "всех")};

}  // namespace

TActionForm::TActionForm(Game& game, ViewPort& view, TMainForm& main)
    : game_(game), view_(view), main_(main) {}

std::vector<StaffList*> TActionForm::departments() {
  if (!game_.hasCompany()) return {};
  TCorporation& c = game_.corp();
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
  if (game_.hasCompany()) {
    const TCorporation& c = game_.corp();
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
  if (DivBox < 0 || !game_.hasCompany()) return;
  Currency payroll;
  for (const StaffList* list : departments()) payroll += TCorporation::TotalSalary(*list);
  raiseAmount = Currency::fromCount(divRoundHalfEven(payroll.count(), 10));
  premiumAmount = payroll;
  SalaryLbl.caption = game_.money(raiseAmount);
  PayPremLbl.caption = game_.money(premiumAmount);
}

Check TActionForm::cashCheck(Currency amount) const {
  if (amount > game_.corp().Money) return Refusal::error(kNoMoney);
  return {};
}

void TActionForm::UpSalBtnClick() {
  if (const Check no = cashCheck(raiseAmount)) return refuse(view_, *no);
  for (const StaffList* list : departments()) TCorporation::RaiseSalaries(*list, game_.random);
}

void TActionForm::PayPremBtnClick() {
  if (const Check no = cashCheck(premiumAmount)) return refuse(view_, *no);
  TCorporation& c = game_.corp();
  for (const StaffList* list : departments()) c.PayPremiums(*list, game_.random);
  main_.RefreshDisplay();
}

void TActionForm::GradBtn1Click() {
  // With no department chosen the question names none.
  const Text question = DivBox >= 0 ? Text(KM_TR("TActionForm", "Уволить всех %1?"))
                                          .arg(kDepartmentsLower[static_cast<size_t>(DivBox)])
                                    : Text(KM_TR("TActionForm", "Уволить всех ?"));
  if (view_.question(question, QuestionKind::Confirmation, false) != Answer::Yes) return;
  // The question comes first; a dismissal then needs cash for a tenth of the payroll.
  if (const Check no = cashCheck(raiseAmount)) return refuse(view_, *no);
  for (StaffList* list : departments()) list->clear();
  main_.RefreshDisplay();
}

void TActionForm::AdBoxChange() {
  if (!game_.hasCompany()) return;
  Game& g = game_;
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
  const TCorporation& c = game_.corp();
  if (!c.ManagersWork) return Refusal::error(KM_TR("TActionForm", "Ваши менеджеры бастуют!"));
  if (c.Managers.empty()) return Refusal::error(KM_TR("TActionForm", "У вас нет менеджеров!"));
  if (campaignAmount > c.Money) return Refusal::error(KM_TR("TActionForm", "Мало денег!"));
  return {};
}

void TActionForm::AdBtnClick() {
  // With no campaign chosen there is nothing to order.
  if (AdBox < 0) return;
  if (const Check no = campaignCheck()) return refuse(view_, *no);
  Game& g = game_;
  OrderCampaign(g.corp(), AdBox + 1, g.values.clock.GameDate, campaignAmount);
  AdBtnEnabled = false;
  main_.RefreshDisplay();
}

}  // namespace kelpmark
