// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reports window: nine figures of running costs, income, tax saving and
// company value, and the chart of the company value at each month end.
#include <array>
#include <string>

#include "commands/controls.h"

namespace kelpmark {

class Game;
class ViewPort;

enum class ReportLabel {
  BuildingsLbl, OfficeLbl, SalaryLbl, DebitLbl, IncomeLbl, CreditLbl, FreeTaxLbl, MajorLbl,
  DeltaLbl, Count
};
constexpr size_t kReportLabelCount = static_cast<size_t>(ReportLabel::Count);
const char* reportLabelName(ReportLabel l);

class TReportForm {
 public:
  TReportForm(const Game& game, ViewPort& view);

  // Fills the nine figures from the current state.
  void FormShow();

  std::array<FormattedLabel, kReportLabelCount> labels;
  ChartLine line1;  // "Расходы": the company value at each month end
  ChartLine line2;  // "Доходы": never receives points

  FormattedLabel& label(ReportLabel l) { return labels[static_cast<size_t>(l)]; }
  const FormattedLabel& label(ReportLabel l) const { return labels[static_cast<size_t>(l)]; }

  // Fills the figures and shows the window modally ("Отчеты", and at the victory).
  void showModal();
  // A new game's chart starts empty.
  void clearChart();

 private:
  const Game& game_;
  ViewPort& view_;
};

}  // namespace kelpmark
