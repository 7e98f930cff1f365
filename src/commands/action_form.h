#pragma once
// The actions window: measures for whole departments (left) and advertising
// campaigns (right).
#include <array>
#include <string>
#include <vector>

#include "commands/controls.h"
#include "model/corporation.h"

namespace kelpmark {

class Program;

class TActionForm {
 public:
  explicit TActionForm(Program& program);

  static const std::array<const char*, 5> kDepartments;

  void FormShow();
  void FormClose();
  void DivBoxChange();
  void UpSalBtnClick();
  void PayPremBtnClick();
  void GradBtn1Click();  // dismiss the department
  void AdBoxChange();
  void AdBtnClick();

  void chooseDepartment(int item);
  void chooseCampaign(int item);

  bool visible = false;
  int DivBox = -1;
  FormattedLabel SalaryLbl{"Увеличит расходы на $%s в неделю", "0"};
  FormattedLabel PayPremLbl{"$%s единовременно", "0"};
  int AdBox = -1;
  FormattedLabel AdCostLbl{"Примерная стоимость: $%s", "0"};
  std::string AdDescLbl = "Описание:";
  FormattedLabel AdReady{"Будет готова к: %s", ""};
  // The amounts the labels show: what the buttons check and charge.
  Currency raiseAmount;
  Currency premiumAmount;
  Currency campaignAmount;
  bool AdBtnEnabled = true;
  unsigned version = 0;

 private:
  std::vector<StaffList*> departments();
  Program& program_;
};

}  // namespace kelpmark
