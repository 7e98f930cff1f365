#include "commands/pers_form.h"

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

void TPersForm::FormShow() {
  if (visible) return;
  visible = true;
  PersBoxChange();
  ++version;
}

void TPersForm::FormClose() {
  if (!visible) return;
  visible = false;
  if (program_.game.hasCompany()) program_.mainForm.RefreshDisplay();
  ++version;
}

void TPersForm::choose(int item) {
  PersBox = item;
  PersBoxChange();
}

void TPersForm::select(int entry) {
  selected = entry;
  PersListClick();
}

void TPersForm::PersBoxChange() {
  if (StaffList* list = department()) {
    PersList.clear();
    for (const auto& e : *list) PersList.push_back({e.text, e.object});
  }
  selected = SelIndex >= 0 && SelIndex < static_cast<int>(PersList.size()) ? SelIndex : -1;
  PersListClick();
  UpdateStatus();
  ++version;
}

std::shared_ptr<TWorkerBee> TPersForm::selectedWorker() {
  if (selected < 0 || selected >= static_cast<int>(PersList.size())) return nullptr;
  auto worker = PersList[static_cast<size_t>(selected)].worker.lock();
  StaffList* list = department();
  if (!worker || list == nullptr || list->indexOf(worker.get()) < 0) return nullptr;
  return worker;
}

void TPersForm::PersListClick() {
  if (selected < 0 || selected >= static_cast<int>(PersList.size())) return;
  SelIndex = selected;
  auto worker = selectedWorker();
  if (!worker) {
    // The employee has left since the list was filled: show whoever stands there now.
    if (department() != nullptr) PersBoxChange();
    return;
  }
  const std::string& name = PersList[static_cast<size_t>(selected)].text;
  const size_t blank = name.find(' ');
  TopPanel = worker->Profession + " " + (blank == std::string::npos ? "" : name.substr(0, blank + 1));
  ExpGauge = worker->Experience;
  FunGauge = worker->Mood;
  SalaryLbl.caption = program_.game.money(worker->Salary);
  ++version;
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
  for (size_t i = 0; i < PersList.size(); ++i) {
    if (PersList[i].worker.lock().get() == worker) {
      selected = static_cast<int>(i);
      PersListClick();
      return;
    }
  }
}

template <class Action>
void TPersForm::act(Action action) {
  if (selected < 0 || selected >= static_cast<int>(PersList.size())) return;
  auto worker = selectedWorker();
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
    const int32_t penalty = c.FireEmployee(list, &w, program_.view);
    // The rest of the department as shown loses mood; entries that have left the
    // company meanwhile are not touched.
    if (penalty != 0) {
      for (const Entry& e : PersList) {
        auto other = e.worker.lock();
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
