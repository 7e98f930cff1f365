// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/pers_form.h"

#include "commands/game_clock.h"
#include "commands/program.h"

namespace kelpmark {

const std::array<const char*, 4> TPersForm::kDepartments = {"Менеджеры", "Бухгалтера",
                                                            "Продавцы", "Грузчики"};

TPersForm::TPersForm(Program& program) : program_(program) {}

StaffList* TPersForm::department() {
  if (!program_.game.hasCompany()) return nullptr;
  TCorporation& c = program_.game.corp();
  switch (PersBox) {
    case 0: return &c.Managers;
    case 1: return &c.Accountants;
    case 2: return &c.Salesmen;
    case 3: return &c.Loaders;
    default: return nullptr;
  }
}

void TPersForm::openHour(const OpeningHours& hours) {
  if (hours.praise) WokrersBtnEnabled = true;
}

void TPersForm::FormShow() {
  if (visible) return;
  visible = true;
  PersBoxChange();
}

void TPersForm::FormClose() {
  if (!visible) return;
  visible = false;
  program_.mainForm.RefreshDisplay();
}

void TPersForm::choose(int item) {
  PersBox = item;
  PersBoxChange();
}

void TPersForm::select(int entry) {
  PersList.selectPosition(entry);
  PersListClick();
}

void TPersForm::PersBoxChange() {
  if (StaffList* list = department()) PersList.fill(*list);
  PersList.selectPosition(SelIndex);
  PersListClick();
  UpdateStatus();
}

void TPersForm::PersListClick() {
  if (!PersList.hasSelection()) return;
  SelIndex = PersList.selected();
  auto worker = PersList.selectedObject(department());
  if (!worker) {
    // The employee has left since the list was filled: show whoever stands there now.
    if (department() != nullptr) PersBoxChange();
    return;
  }
  const std::string& name = PersList[static_cast<size_t>(SelIndex)].text;
  const size_t blank = name.find(' ');
  TopPanel = worker->Profession + " " + (blank == std::string::npos ? "" : name.substr(0, blank + 1));
  ExpGauge = worker->Experience;
  FunGauge = worker->Mood;
  SalaryLbl.caption = program_.game.money(worker->Salary);
}

void TPersForm::UpdateStatus() {
  const StaffList* list = department();
  if (list == nullptr) return;
  const Game& g = program_.game;
  Status[0] = "Всего: " + std::to_string(list->size());
  Status[1] = "Расходы: $" + g.money(TCorporation::TotalSalary(*list));
  Status[2] = "Средняя з/п $" + g.money(TCorporation::AverageSalary(*list));
  Status[3] = "Опыт/настроение: " + std::to_string(TCorporation::AverageExperience(*list)) + "/" +
              std::to_string(TCorporation::RoundedAverageMood(*list));
}

void TPersForm::reselect(const TWorkerBee* worker) {
  PersBoxChange();
  const int position = PersList.indexOf(worker);
  if (position < 0) return;
  PersList.selectPosition(position);
  PersListClick();
}

template <class Action>
void TPersForm::act(Action action) {
  if (!PersList.hasSelection()) return;
  auto worker = PersList.selectedObject(department());
  if (!worker) {
    PersBoxChange();
    return;
  }
  action(*worker);
}

void TPersForm::UpBtnClick() {
  act([this](TWorkerBee& w) {
    w.Salary = Currency::fromDoubleWholeUnits(1.1 * w.Salary.units());
    w.SetMood(static_cast<int64_t>(w.Mood) + 2);
    if (w.Mood < 40) w.SetMood(static_cast<int64_t>(w.Mood) + program_.game.random.integer(2));
    reselect(&w);
  });
}

void TPersForm::LoBtnClick() {
  act([this](TWorkerBee& w) {
    w.Salary = Currency::fromDoubleWholeUnits(0.9 * w.Salary.units());
    w.SetMood(static_cast<int64_t>(w.Mood) - 1);
    if (w.Mood < 40) w.SetMood(static_cast<int64_t>(w.Mood) - program_.game.random.integer(2));
    reselect(&w);
  });
}

void TPersForm::WokrersBtnClick() {
  act([this](TWorkerBee& w) {
    Random& random = program_.game.random;
    const int64_t m = w.Mood;
    // Praise pleases the content; a discontented employee may take it badly.
    const int32_t k = static_cast<int32_t>((100 - m) / 10);
    w.SetMood(m + 2 - random.integer(k));
    if (w.Mood > 50) w.SetMood(static_cast<int64_t>(w.Mood) + random.integer(2));
    if (w.Mood < 40) w.SetMood(static_cast<int64_t>(w.Mood) - random.integer(2));
    reselect(&w);
    WokrersBtnEnabled = false;
  });
}

void TPersForm::BuildingsBtnClick() {
  act([this](TWorkerBee& w) {
    TCorporation& c = program_.game.corp();
    if (w.Salary > c.Money) throw CommandError("Недостаточно денег!");
    c.pay(w.Salary);
    w.SetMood(static_cast<int64_t>(w.Mood) + 11 - program_.game.random.integer(4));
    if (w.Mood > 90) w.GainExperience();
    reselect(&w);
    program_.mainForm.RefreshDisplay();
  });
}

void TPersForm::FireBtnClick() {
  act([this](TWorkerBee& w) {
    TCorporation& c = program_.game.corp();
    StaffList& list = *department();
    // A discontented department is warned of first; No fires nobody.
    int32_t penalty = 0;
    if (!TCorporation::FiringUpsetsStaff(list, &w) ||
        program_.view.question(
            "Работники недовольны. Увольнения могут ухудшить ситуацию. Продолжить?",
            QuestionKind::Warning, false) == Answer::Yes)
      penalty = c.FireEmployee(list, &w);
    // The rest of the department as shown loses mood; entries that have left the
    // company meanwhile are not touched.
    if (penalty != 0) {
      for (const auto& e : PersList.entries()) {
        auto other = e.object.lock();
        if (other && list.indexOf(other.get()) >= 0)
          other->SetMood(static_cast<int64_t>(other->Mood) - penalty);
      }
    }
    if (SelIndex > 0) --SelIndex;
    PersBoxChange();
    program_.mainForm.RefreshDisplay();
  });
}

void TPersForm::GradBtn1Click() { program_.view.openHelp(30); }

}  // namespace kelpmark
