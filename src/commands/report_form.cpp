// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/report_form.h"

#include "commands/view_port.h"
#include "engine/game.h"
#include "model/text_format.h"

namespace kelpmark {

namespace {

struct LabelDesign {
  const char* name;
  Marked format;
};

constexpr std::array<LabelDesign, kReportLabelCount> kLabels = {{
    {"BuildingsLbl", KM_TR("TReportForm", "Содержание построек: $%s в сутки")},
    {"OfficeLbl", KM_TR("TReportForm", "Содержание офиса: $%s в сутки")},
    {"SalaryLbl", KM_TR("TReportForm", "Заработная плата: $%s в неделю")},
    {"DebitLbl", KM_TR("TReportForm", "Расход с начала месяца: $%s")},
    {"IncomeLbl", KM_TR("TReportForm", "Оборот за вчера: $%s с НДС и НСП")},
    {"CreditLbl", KM_TR("TReportForm", "Доход с начала месяца: $%s")},
    {"FreeTaxLbl", KM_TR("TReportForm", "Эффективный уход от налогов: %s%%")},
    {"MajorLbl", KM_TR("TReportForm", "Стоимость компании: $%s")},
    {"DeltaLbl", KM_TR("TReportForm", "Динамика с начала месяца: %s%%")},
}};

}  // namespace

const char* reportLabelName(ReportLabel l) { return kLabels[static_cast<size_t>(l)].name; }

TReportForm::TReportForm(const Game& game, ViewPort& view) : game_(game), view_(view) {
  for (size_t i = 0; i < kReportLabelCount; ++i) labels[i].format = kLabels[i].format;
}

void TReportForm::FormShow() {
  const Game& g = game_;
  if (!g.hasCompany()) return;
  const TCorporation& c = g.corp();
  const char sep = g.format.decimalSeparator;
  auto set = [this](ReportLabel l, std::string text) { label(l).caption = std::move(text); };
  set(ReportLabel::BuildingsLbl, g.money(c.ShopsUpkeep() + c.LotsUpkeep() + c.StoresUpkeep()));
  set(ReportLabel::OfficeLbl, g.money(c.OfficeUpkeep()));
  set(ReportLabel::SalaryLbl, g.money(c.TotalPayroll()));
  set(ReportLabel::DebitLbl, g.money((-c.MonthExpense).roundedToUnits()));
  set(ReportLabel::IncomeLbl, g.money(c.LastDayRevenue.roundedToUnits()));
  set(ReportLabel::CreditLbl, g.money(c.MonthIncome.roundedToUnits()));
  set(ReportLabel::FreeTaxLbl, formatFixedSignificant(c.TaxSavedShare * 100, 4, 2, sep));
  const Currency value = c.CompanyValue();
  set(ReportLabel::MajorLbl, g.money(value.roundedToUnits()));
  if (c.LastMonthValue > Currency()) {
    const double delta = value.countAsDouble() / c.LastMonthValue.countAsDouble() * 100 - 100;
    set(ReportLabel::DeltaLbl, formatFixedSignificant(delta, 6, 2, sep));
  } else {
    set(ReportLabel::DeltaLbl, "0");
  }
}

void TReportForm::clearChart() {
  line1.clear();
  line2.clear();
}

void TReportForm::showModal() {
  FormShow();
  view_.showModal(ModalWindow::ReportForm);
}

}  // namespace kelpmark
