// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The actions window («Ваши действия»): department measures and campaigns.
#include "ui/secondary_window.h"
#include "ui/shown_text.h"

namespace kelpmark {
class Program;
}

namespace kelpmark::ui {

class ActionWindow : public SecondaryWindow {
  Q_OBJECT
 public:
  ActionWindow(Program& program, MainWindow& main);
  void syncFromGame() override;

 protected:

 private:
  Program& program_;
  QComboBox* departments_;
  QComboBox* campaigns_;
  widgets::ShadowLabel* raise_;
  widgets::ShadowLabel* premium_;
  widgets::ShadowLabel* cost_;
  widgets::ShadowLabel* description_;
  widgets::ShadowLabel* ready_;
  widgets::GradientButton* order_;
  ShownLabel raiseText_, premiumText_, costText_, readyText_;
  ShownText descriptionText_;
};

}  // namespace kelpmark::ui
