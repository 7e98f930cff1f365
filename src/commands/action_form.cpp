#include "commands/action_form.h"

#include "commands/program.h"
#include "model/calendar.h"
#include "model/int128.h"

namespace kelpmark {

const std::array<const char*, 5> TActionForm::kDepartments = {
    "Менеджеров", "Бухгалтеров", "Продавцов", "Грузчиков", "Всех"};

const std::array<const char*, 8> TActionForm::kCampaigns = {
    "Наша фирма - лучшая!",     "Покупайте рыбу!",         "Покупайте рыбу у нас!",
    "Мясо есть вредно!",        "Наша рыба - правильная!", "У нас - дешевле!",
    "Перестаньте нас грабить!", "У нас действительно дешево!"};

const std::array<const char*, 8> TActionForm::kDescriptions = {
    "Недорогая рекламная акция для повышения вашей репутации. Ее эффекта хватит на месяц.",
    "Акция, направленная на повышение потребительского спроса на рыбу. Оптовики и конкуренты "
    "также могут ей воспользоваться.",
    "Узконаправленная реклама ваших магазинов. В течение двух недель увеличивает спрос.",
    "Сомнительная акция против конкурентов, занимающихся другими товарами. В случае успеха, "
    "существенно, но не надолго (5 дней) повышает спрос.",
    "Очерните товар конкурентов! Увеличивает цены в ваших магазинах при неизменном спрое и "
    "уменьшает долю рынка конкурентов в течение 2-х недель.",
    "Мнимая распродажа продолжительностью 7 дней. В случае успеха, поднимает спрос на неделю, "
    "но снижает репутацию.",
    "Специализированная кампания против оптовиков. Снижает оптовые цены. Но конкуренты тоже "
    "этим воспользуются.",
    "Реальная недельная распродажа. Сильно увеличивает оборот за счет снижения цены. Сильный "
    "аргумент против конкурентов."};

namespace {

// The department's name as the dismissal question writes it.
const std::array<const char*, 5> kDepartmentsLower = {"менеджеров", "бухгалтеров", "продавцов",
                                                      "грузчиков", "всех"};

const char* const kNoMoney = "Недостаточно денег!";

}  // namespace

TActionForm::TActionForm(Program& program) : program_(program) {}

std::vector<StaffList*> TActionForm::departments() {
  if (!program_.game.hasCompany()) return {};
  TCorporation& c = program_.game.corp();
  switch (DivBox) {
    case 0: return {&c.Managers};
    case 1: return {&c.Accountants};
    case 2: return {&c.Salesmen};
    case 3: return {&c.Loaders};
    case 4: return {&c.Managers, &c.Accountants, &c.Salesmen, &c.Loaders};
    default: return {};
  }
}

void TActionForm::FormShow() {
  if (visible) return;
  visible = true;
  if (program_.game.hasCompany()) {
    const TCorporation& c = program_.game.corp();
    AdBtnEnabled = c.PendingCampaign == 0 && c.Managers.count() > 1;
    AdBoxChange();
  }
  ++version;
}

void TActionForm::FormClose() {
  if (!visible) return;
  visible = false;
  ++version;
}

void TActionForm::chooseDepartment(int item) {
  DivBox = item;
  DivBoxChange();
}

void TActionForm::chooseCampaign(int item) {
  AdBox = item;
  AdBoxChange();
}

void TActionForm::DivBoxChange() {
  if (DivBox < 0 || !program_.game.hasCompany()) return;
  Currency payroll;
  for (const StaffList* list : departments()) payroll += TCorporation::TotalSalary(*list);
  raiseAmount = Currency::fromCount(divRoundHalfEven(payroll.count(), 10));
  premiumAmount = payroll;
  SalaryLbl.caption = program_.game.money(raiseAmount);
  PayPremLbl.caption = program_.game.money(premiumAmount);
  ++version;
}

void TActionForm::UpSalBtnClick() {
  TCorporation& c = program_.game.corp();
  if (raiseAmount > c.Money) throw CommandError(kNoMoney);
  for (const StaffList* list : departments()) TCorporation::RaiseSalaries(*list, program_.game.random);
}

void TActionForm::PayPremBtnClick() {
  TCorporation& c = program_.game.corp();
  if (premiumAmount > c.Money) throw CommandError(kNoMoney);
  for (const StaffList* list : departments()) c.PayPremiums(*list, program_.game.random);
  program_.mainForm.RefreshDisplay();
}

void TActionForm::GradBtn1Click() {
  const std::string name = DivBox >= 0 ? kDepartmentsLower[static_cast<size_t>(DivBox)] : "";
  if (program_.view.question("Уволить всех " + name + "?", QuestionKind::Confirmation, false) !=
      Answer::Yes)
    return;
  TCorporation& c = program_.game.corp();
  if (raiseAmount > c.Money) throw CommandError(kNoMoney);
  for (StaffList* list : departments()) list->clear();
  program_.mainForm.RefreshDisplay();
}

int64_t TActionForm::campaignCost(int kind) const {
  const TCorporation& c = program_.game.corp();
  const int64_t shops = c.Shops.count();
  const int64_t level = c.Office->Level;
  switch (kind) {
    case 1: return 1000 + 10 * shops + 100 * level * level - 100 * static_cast<int64_t>(c.Prestige);
    case 2: return 3000 + 250 * shops + 50 * static_cast<int64_t>(c.Lots.count());
    case 3: return 4000 + 500 * shops;
    case 4: return 6000 + 300 * shops;
    case 5: return 20000 + 500 * shops;
    case 6: return 10000 + 500 * shops;
    case 7: return 8000 + 500 * static_cast<int64_t>(c.Stores.count());
    case 8: return 5000 + 100 * shops;
    default: return 0;
  }
}

void TActionForm::AdBoxChange() {
  if (!program_.game.hasCompany()) return;
  Game& g = program_.game;
  const int kind = AdBox + 1;
  // With no campaign chosen there is nothing to order.
  AdBtnEnabled = kind > 0;
  if (kind > 0) {
    campaignAmount = Currency::fromUnits(campaignCost(kind));
    AdCostLbl.caption = g.money(campaignAmount);
    AdDescLbl = kDescriptions[static_cast<size_t>(kind - 1)];
    if (kind == 7 && g.values.market.WholesaleFactor < 1.02) AdBtnEnabled = false;
  }
  const double ready = g.values.clock.GameDate + g.corp().CampaignLeadTime(kind);
  AdReady.caption = formatDate(decodeDate(ready), g.format.shortDateFormat);
  ++version;
}

void TActionForm::AdBtnClick() {
  if (AdBox < 0) return;
  Game& g = program_.game;
  TCorporation& c = g.corp();
  if (!c.ManagersWork) throw CommandError("Ваши менеджеры бастуют!");
  if (c.Managers.empty()) throw CommandError("У вас нет менеджеров!");
  if (campaignAmount > c.Money) throw CommandError("Мало денег!");
  const int kind = AdBox + 1;
  c.CampaignReadyDate = g.values.clock.GameDate + c.CampaignLeadTime(kind);
  c.pay(campaignAmount);
  c.PendingCampaign = kind;
  AdBtnEnabled = false;
  program_.mainForm.RefreshDisplay();
  ++version;
}

}  // namespace kelpmark
