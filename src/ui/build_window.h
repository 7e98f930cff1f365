// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The buildings window («Ваши сооружения»).
#include <array>
#include <vector>

#include "ui/secondary_window.h"
#include "ui/shown_text.h"

class QSvgWidget;

namespace kelpmark {
class Program;
namespace widgets {
class Gauge;
}
}  // namespace kelpmark

namespace kelpmark::ui {

class BuildWindow : public SecondaryWindow {
  Q_OBJECT
 public:
  BuildWindow(Program& program, MainWindow& main);
  void syncFromGame() override;

 protected:

 private:
  Program& program_;
  QLabel* header_;
  widgets::Gauge* wear_;
  widgets::ShadowLabel* upkeep_;
  widgets::ShadowLabel* stored_;
  widgets::ShadowLabel* sales_;
  widgets::ShadowLabel* repairCost_;
  widgets::ShadowLabel* upgradeCost_;
  QSvgWidget* picture_;
  int pictureShown_ = -2;
  widgets::GradientButton* repair_;
  widgets::GradientButton* upgrade_;
  std::vector<widgets::ShadowLabel*> status_;
  ShownText headerText_;
  ShownLabel upkeepText_, storedText_, salesText_, repairCostText_, upgradeCostText_;
  std::array<ShownText, 3> statusTexts_;
};

}  // namespace kelpmark::ui
