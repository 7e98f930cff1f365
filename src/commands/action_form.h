#pragma once
// The actions window: measures for whole departments and advertising campaigns.
#include <string>

#include "commands/controls.h"

namespace kelpmark {

class Program;

class TActionForm {
 public:
  explicit TActionForm(Program& program);

  void FormShow();
  void FormClose();

  bool visible = false;
  int DivBox = -1;
  FormattedLabel SalaryLbl{"Увеличит расходы на $%s в неделю", "0"};
  FormattedLabel PayPremLbl{"$%s единовременно", "0"};
  int AdBox = -1;
  FormattedLabel AdCostLbl{"Примерная стоимость: $%s", "0"};
  std::string AdDescLbl = "Описание:";
  FormattedLabel AdReady{"Будет готова к: %s", ""};
  bool UpSalBtnEnabled = true;
  bool PayPremBtnEnabled = true;
  bool GradBtn1Enabled = true;
  bool AdBtnEnabled = true;
  unsigned version = 0;

 private:
  Program& program_;
};

}  // namespace kelpmark
