// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/pers_form.h"

#include "commands/game_clock.h"
#include "commands/main_form.h"
#include "commands/view_port.h"
#include "engine/game.h"
#include "commands/refusal.h"

namespace kelpmark {

const std::array<Marked, 4> TPersForm::kDepartments = {
    KM_TR("TPersForm", "Менеджеры"), KM_TR("TPersForm", "Бухгалтера"),
    KM_TR("TPersForm", "Продавцы"), KM_TR("TPersForm", "Грузчики")};

TPersForm::TPersForm(Game& game, ViewPort& view, TMainForm& main)
    : game_(game), view_(view), main_(main) {}

StaffList* TPersForm::department() {
  if (!game_.hasCompany()) return nullptr;
  TCorporation& c = game_.corp();
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
  main_.RefreshDisplay();
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
  // The profession and the surname, as the save keeps them (in Russian).
  TopPanel = Text::plain("%1 %2")
                 .arg(storedKindText(worker->Profession))
                 .arg(Text::name(blank == std::string::npos ? "" : name.substr(0, blank + 1)));
  ExpGauge = worker->Experience;
  FunGauge = worker->Mood;
  SalaryLbl.caption = game_.money(worker->Salary);
}

void TPersForm::UpdateStatus() {
  const StaffList* list = department();
  if (list == nullptr) return;
  const Game& g = game_;
  Status[0] = Text(KM_TR("TPersForm", "Всего: %1")).arg(std::to_string(list->size()));
  Status[1] =
      Text(KM_TR("TPersForm", "Расходы: $%1")).arg(g.money(TCorporation::TotalSalary(*list)));
  Status[2] =
      Text(KM_TR("TPersForm", "Средняя з/п $%1")).arg(g.money(TCorporation::AverageSalary(*list)));
  Status[3] = Text(KM_TR("TPersForm", "Опыт/настроение: %1/%2"))
                  .arg(std::to_string(TCorporation::AverageExperience(*list)))
                  .arg(std::to_string(TCorporation::RoundedAverageMood(*list)));
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
    TCorporation::RaiseSalary(w, game_.random);
    reselect(&w);
  });
}

void TPersForm::LoBtnClick() {
  act([this](TWorkerBee& w) {
    TCorporation::CutSalary(w, game_.random);
    reselect(&w);
  });
}

void TPersForm::WokrersBtnClick() {
  act([this](TWorkerBee& w) {
    TCorporation::Praise(w, game_.random);
    reselect(&w);
    WokrersBtnEnabled = false;
  });
}

Check TPersForm::premiumCheck(const TWorkerBee& w) const {
  if (w.Salary > game_.corp().Money) return Refusal::error(kNoMoney);
  return {};
}

void TPersForm::BuildingsBtnClick() {
  act([this](TWorkerBee& w) {
    if (const Check no = premiumCheck(w)) return refuse(view_, *no);
    game_.corp().PayPremium(w, game_.random);
    reselect(&w);
    main_.RefreshDisplay();
  });
}

void TPersForm::FireBtnClick() {
  act([this](TWorkerBee& w) {
    TCorporation& c = game_.corp();
    StaffList& list = *department();
    // A discontented department is warned of first; No fires nobody.
    int32_t penalty = 0;
    if (!TCorporation::FiringUpsetsStaff(list, &w) ||
        view_.question(KM_TR("TPersForm", "Работники недовольны. Увольнения могут ухудшить "
                                          "ситуацию. Продолжить?"),
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
    main_.RefreshDisplay();
  });
}

void TPersForm::GradBtn1Click() { view_.openHelp(30); }

}  // namespace kelpmark
