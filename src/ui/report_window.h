// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reports window: nine figures and the chart of month-end company values.
// Shown modally; the game pauses while it is open.
#include <QDialog>
#include <array>

#include "commands/report_form.h"

namespace kelpmark {
class Program;
namespace widgets {
class ShadowLabel;
class XYPlot;
}  // namespace widgets
}  // namespace kelpmark

namespace kelpmark::ui {

class ReportWindow : public QDialog {
  Q_OBJECT
 public:
  explicit ReportWindow(Program& program, QWidget* parent = nullptr);
  // Shows the figures the game has just filled in.
  void syncFromGame();
  widgets::ShadowLabel* label(ReportLabel l) const { return labels_[static_cast<size_t>(l)]; }

 signals:
  void helpRequested(int topic);
  void financeRequested();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Program& program_;
  std::array<widgets::ShadowLabel*, kReportLabelCount> labels_{};
  widgets::XYPlot* chart_;
};

}  // namespace kelpmark::ui
