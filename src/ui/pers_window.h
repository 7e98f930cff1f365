// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The personnel window («Ваш персонал»).
#include <array>
#include <vector>

#include "ui/secondary_window.h"
#include "ui/shown_text.h"

namespace kelpmark {
class Program;
namespace widgets {
class Gauge;
}
}  // namespace kelpmark

namespace kelpmark::ui {

class PersWindow : public SecondaryWindow {
  Q_OBJECT
 public:
  PersWindow(Program& program, MainWindow& main);
  void syncFromGame() override;

 protected:

 private:
  Program& program_;
  QLabel* header_;
  widgets::Gauge* experience_;
  widgets::Gauge* mood_;
  widgets::ShadowLabel* salary_;
  widgets::GradientButton* praise_;
  widgets::GradientButton* fire_;
  std::vector<widgets::ShadowLabel*> status_;
  ShownText headerText_;
  ShownLabel salaryText_;
  std::array<ShownText, 4> statusTexts_;
};

}  // namespace kelpmark::ui
