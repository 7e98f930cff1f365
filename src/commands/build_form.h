#pragma once
// The buildings window: stores, stalls or shops, with the chosen building's card.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "commands/controls.h"

namespace kelpmark {

class Program;
class TBuilding;

class TBuildForm {
 public:
  explicit TBuildForm(Program& program);

  void FormShow();
  void FormClose();
  void BuildBoxChange();
  void BuildListClick();
  void UpdateStatus();

  struct Entry {
    std::string text;
    std::weak_ptr<TBuilding> building;
  };

  bool visible = false;
  bool enabled = true;  // the whole window, opened and closed by the clock
  int SelIndex = 0;
  int BuildBox = -1;
  std::vector<Entry> BuildList;
  int selected = -1;
  std::string TopPanel = "Постройка";
  int OffGauge = 1000;
  FormattedLabel SalaryLbl{"Содержание: $%s в сутки", ""};
  FormattedLabel StoredLbl{"Вместимость, максимум: %s кг", ""};
  FormattedLabel SallLbl{"Оборот, максимум: %s кг в день", ""};
  FormattedLabel RemLbl{"(стоит $%s)", ""};
  FormattedLabel UpgLbl{"(стоит $%s)", ""};
  int picture = -1;
  bool RemBtnEnabled = true;
  bool UpgBtnEnabled = true;
  bool FireBtnEnabled = true;
  std::array<std::string, 3> Status{};
  unsigned version = 0;

 private:
  Program& program_;
};

}  // namespace kelpmark
