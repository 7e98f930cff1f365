#pragma once
// The personnel window: one department at a time, with each employee's card.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "commands/controls.h"

namespace kelpmark {

class Program;
class TWorkerBee;

class TPersForm {
 public:
  explicit TPersForm(Program& program);

  void FormShow();
  void FormClose();
  void PersBoxChange();
  void PersListClick();
  void UpdateStatus();

  struct Entry {
    std::string text;
    std::weak_ptr<TWorkerBee> worker;
  };

  bool visible = false;
  int SelIndex = 0;
  int PersBox = -1;
  std::vector<Entry> PersList;
  int selected = -1;
  std::string TopPanel = "Личное дело";
  FormattedLabel SalaryLbl{"Оклад: $%s в неделю", ""};
  int ExpGauge = 0;
  int FunGauge = 0;
  bool WokrersBtnEnabled = true;
  bool FireBtnEnabled = true;
  std::array<std::string, 4> Status{};
  unsigned version = 0;

 private:
  Program& program_;
};

}  // namespace kelpmark
