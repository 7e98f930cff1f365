// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The personnel window («Ваш персонал»).
#include <vector>

#include "ui/secondary_window.h"

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
};

}  // namespace kelpmark::ui
