// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/main_form.h"

#include "commands/game_clock.h"
#include "commands/action_form.h"
#include "commands/build_form.h"
#include "commands/pers_form.h"
#include "commands/report_form.h"
#include "commands/view_port.h"
#include "engine/game.h"
#include "model/calendar.h"
#include "model/int128.h"
#include "model/kinds.h"

namespace kelpmark {

namespace {

struct LabelDesign {
  const char* name;
  Marked format;
};

constexpr std::array<LabelDesign, kMainLabelCount> kLabels = {{
    {"MoneyLbl", KM_TR("TMainForm", "Денег:  $%s")},
    {"FishLbl", KM_TR("TMainForm", "Рыбы:  %s кг.")},
    {"StoreLbl", KM_TR("TMainForm", "Складов:  %s")},
    {"LotsLbl", KM_TR("TMainForm", "Лотков:  %s")},
    {"ShopsLbl", KM_TR("TMainForm", "Магазинов:  %s")},
    {"StuffLbl", KM_TR("TMainForm", "Грузчиков:  %s")},
    {"SalerLbl", KM_TR("TMainForm", "Продавцов:  %s")},
    {"AccounterLbl", KM_TR("TMainForm", "Бухгалтеров:  %s")},
    {"ManagerLbl", KM_TR("TMainForm", "Менеджеров:  %s")},
    {"OfficeLbl", KM_TR("TMainForm", "Размер офиса:  %s")},
    {"PrestigeLbl", KM_TR("TMainForm", "Ваша репутация:  %s")},
    {"MarketLbl", KM_TR("TMainForm", "Доля рынка, не более  %s%%")},
    {"UsedMarketLbl", KM_TR("TMainForm", "Использование доли:  %s%%")},
    {"BasePrcLbl", KM_TR("TMainForm", "Базовая цена:  $%s за 100 кг")},
    {"RealPrcLbl", KM_TR("TMainForm", "Ваша цена:  $%s за 100 кг")},
    {"TotalLbl", KM_TR("TMainForm", "Итого:  $%s")},
    {"SalePrcLbl", {nullptr, "< $%s"}},
    {"ByPrcLbl", {nullptr, "> $%s"}},
    {"TimeLbl", {nullptr, "%s"}},
}};

}  // namespace

const char* mainLabelName(MainLabel l) { return kLabels[static_cast<size_t>(l)].name; }

TMainForm::TMainForm(Game& game, ViewPort& view, GameClock& clock, Windows windows)
    : game_(game), view_(view), clock_(clock), windows_(windows) {
  buttonFlag.fill(true);
  for (size_t i = 0; i < kMainLabelCount; ++i) labels_[i].format = kLabels[i].format;
  labels_[static_cast<size_t>(MainLabel::TimeLbl)].caption = clockText().russian();
}

FormattedLabel& TMainForm::label(MainLabel l) {
  if (l == MainLabel::TimeLbl) writeClockText();
  return labels_[static_cast<size_t>(l)];
}

const FormattedLabel& TMainForm::label(MainLabel l) const {
  if (l == MainLabel::TimeLbl) writeClockText();
  return labels_[static_cast<size_t>(l)];
}

bool TMainForm::enabled(MainButton b) const {
  switch (b) {
    case MainButton::TorgBtn:
    case MainButton::MaxBtn:
      return flag(b) && FishPanelEnabled;
    default:
      return flag(b);
  }
}

void TMainForm::SetSpeed(int level) {
  if (!game_.hasCompany()) return;
  SpeedLevel = level;
  for (int k = 1; k <= 4; ++k) lampOn[static_cast<size_t>(k - 1)] = level >= k;
  int& divider = game_.values.clock.SpeedDivider;
  switch (level) {
    case 0: TimerInterval = 0; break;
    case 1: TimerInterval = 2000; divider = 60; break;
    case 2: TimerInterval = 1000; divider = 60; break;
    case 3: TimerInterval = 600; divider = 12; break;
    case 4: TimerInterval = 300; divider = 4; break;
    case 5: TimerInterval = 200; divider = 1; break;
    default: break;
  }
}

void TMainForm::Help1Click() {
  SetSpeed(1);
  view_.openHelp(10);
}

void TMainForm::NewGameMClick() { clock_.NewGame(); }

void TMainForm::gameStarting(const EngineValues& values) {
  NewGameMEnabled = false;
  chart.line1.clear();
  chart.line2.clear();
  addChartPoints(values);
}

void TMainForm::openPurchasePanel() {
  PSpn.maxValue = 10000;
  PSpn.enabled = true;
}

void TMainForm::gameStarted() {
  forbiddenCursor = false;
  ++checkpoint;
}

void TMainForm::addChartPoints(const EngineValues& v) {
  const double x = v.clock.ChartTick;
  chart.line1.add(x, v.market.RetailPrice.units());
  chart.line2.add(x, v.market.WholesalePrice.units());
  chart.line3.add(x, v.market.MarketLevel);
  ++chart.version;
}

void TMainForm::scrollChart() {
  chart.bottomMin += 1;
  chart.bottomMax += 1;
  ++chart.version;
}

void TMainForm::openHour(const OpeningHours& hours) {
  flag(MainButton::StopBtn) = hours.pausing;
  BargainedQuantity = 0;
  flag(MainButton::FishBtn) = hours.purchase;
  FishPanelEnabled = hours.purchase;
  for (MainButton b : {MainButton::StorageBtn, MainButton::LotBtn, MainButton::ShopBtn,
                       MainButton::OfficeBtn})
    flag(b) = hours.building;
  for (MainButton b : {MainButton::StuffBtn, MainButton::SalerBtn, MainButton::AccounterBtn,
                       MainButton::ManagerBtn})
    flag(b) = hours.hiring;
  for (MainButton b : {MainButton::ActionsBtn, MainButton::WokrersBtn, MainButton::BuildingsBtn,
                       MainButton::StatsBtn})
    flag(b) = hours.windows;
  flag(MainButton::TorgBtn) = true;
}

void TMainForm::openFirstMorning() {
  for (MainButton b : {MainButton::StorageBtn, MainButton::LotBtn, MainButton::StuffBtn,
                       MainButton::SalerBtn})
    flag(b) = true;
}

Text TMainForm::clockText() const {
  if (!clockShown_) return KM_TR("TMainForm", "Местное время");
  const FormatSettings& f = game_.format;
  const DecodedDate d = decodeDate(clockDate_);
  // The date, the day's name and the time.
  return Text(KM_TR("TMainForm", "%1, %2. %3"))
      .arg(formatDate(d, f.shortDateFormat))
      .arg(weekDayName(clockWeekDay_))
      .arg(formatTime(d, f.longTimeFormat));
}

void TMainForm::writeClockText() const {
  if (!clockTextPending_) return;
  clockTextPending_ = false;
  labels_[static_cast<size_t>(MainLabel::TimeLbl)].caption = clockText().russian();
}

void TMainForm::About1Click() { view_.showModal(ModalWindow::WelcomeForm); }

void TMainForm::RefreshDisplay() {
  Game& g = game_;
  if (!g.hasCompany()) return;
  const TCorporation& c = g.corp();
  auto set = [this](MainLabel l, std::string text) { label(l).caption = std::move(text); };
  set(MainLabel::MoneyLbl, g.money(c.Money));
  set(MainLabel::FishLbl,
      std::to_string(c.FishStock) + " (" + std::to_string(c.StoreCapacity()) + ")");
  set(MainLabel::StoreLbl, std::to_string(c.Stores.size()));
  set(MainLabel::LotsLbl, std::to_string(c.Lots.size()));
  set(MainLabel::ShopsLbl, std::to_string(c.Shops.size()));
  set(MainLabel::StuffLbl, std::to_string(c.Loaders.size()));
  set(MainLabel::SalerLbl, std::to_string(c.Salesmen.size()));
  set(MainLabel::ManagerLbl, std::to_string(c.Managers.size()));
  set(MainLabel::AccounterLbl, std::to_string(c.Accountants.size()));
  set(MainLabel::OfficeLbl, std::to_string(c.Office->Level));
  set(MainLabel::PrestigeLbl, std::to_string(c.Prestige));
  const MarketValues& m = g.values.market;
  set(MainLabel::BasePrcLbl, g.money(m.WholesalePrice * 100));
  set(MainLabel::ByPrcLbl, g.moneyFixed(c.StockCost));
  const Currency shopPrice =
      Currency::fromCount(divRoundHalfEven(static_cast<int128>(m.RetailPrice.count()) * 8, 10));
  set(MainLabel::SalePrcLbl, g.moneyFixed(m.RetailPrice) + " (" + g.moneyFixed(shopPrice) + ")");
  set(MainLabel::MarketLbl, std::to_string(c.MarketShare));
  set(MainLabel::UsedMarketLbl, std::to_string(c.MarketUse));
  // The last office upgrades need prestige.
  const int32_t level = c.Office->Level;
  const OfficeLevels& o = kOfficeLevels;
  if (level == o.top || (level >= o.prestigeFrom && c.Prestige < o.prestigeNeeded))
    flag(MainButton::OfficeBtn) = false;
}

void TMainForm::StopBtnClick() {
  flag(MainButton::StopBtn) = false;
  game_.corp().RegisterPause(game_.values.clock.GameDate);
}

void TMainForm::StatsBtnClick() {
  const int previous = SpeedLevel;
  SetSpeed(0);
  windows_.report.showModal();
  SetSpeed(previous);
}

void TMainForm::WokrersBtnClick() { windows_.pers.FormShow(); }
void TMainForm::BuildingsBtnClick() { windows_.build.FormShow(); }
void TMainForm::ActionsBtnClick() { windows_.actions.FormShow(); }

void TMainForm::click(MainButton b) {
  switch (b) {
    case MainButton::FishBtn: FishBtnClick(); break;
    case MainButton::TorgBtn: TorgBtnClick(); break;
    case MainButton::MaxBtn: MaxBtnClick(); break;
    case MainButton::StopBtn: StopBtnClick(); break;
    case MainButton::StorageBtn:
    case MainButton::LotBtn:
    case MainButton::ShopBtn:
    case MainButton::StuffBtn:
    case MainButton::SalerBtn:
    case MainButton::AccounterBtn:
    case MainButton::ManagerBtn: SpeedButtonClick(b); break;
    case MainButton::OfficeBtn: OfficeBtnClick(); break;
    case MainButton::ActionsBtn: ActionsBtnClick(); break;
    case MainButton::StatsBtn: StatsBtnClick(); break;
    case MainButton::WokrersBtn: WokrersBtnClick(); break;
    case MainButton::BuildingsBtn: BuildingsBtnClick(); break;
    case MainButton::Count: break;
  }
}

}  // namespace kelpmark
