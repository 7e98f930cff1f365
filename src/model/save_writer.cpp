// Writing the saved game.
#include "model/codepage.h"
#include "model/save_disk.h"
#include "model/save_file.h"
#include "model/text_format.h"

namespace kelpmark {

namespace {

int gFailAfterLines = -1;

class LineWriter {
 public:
  explicit LineWriter(std::vector<std::string>& out) : out_(out) {}
  void integer(int64_t v) { out_.push_back(std::to_string(v)); }
  void real(double v) { out_.push_back(formatSaveReal(v)); }
  void money(Currency c) { out_.push_back(formatSaveReal(c.units())); }
  void flag(bool b) { out_.push_back(b ? "TRUE" : "FALSE"); }
  void text(const std::string& s) { out_.push_back(s); }

 private:
  std::vector<std::string>& out_;
};

void writeBuilding(LineWriter& w, const TBuilding& b) {
  w.integer(b.MaxLevel);
  w.integer(b.Level);
  w.integer(b.Condition);
  w.money(b.Value);
  w.money(b.UpgradeCost);
  w.money(b.Upkeep);
  w.real(b.BuildingSpare);
  w.integer(b.StaffPlaces);
  w.integer(b.IsOffice);
}

void writeBuildings(LineWriter& w, const BuildingList& list) {
  w.integer(list.count());
  for (const auto& e : list) {
    const TBuilding& b = *e.object;
    w.text(e.text);
    w.text(b.Description);
    w.text(b.TypeName);
    writeBuilding(w, b);
    if (b.isSale()) {
      const auto& s = static_cast<const TSaleBuilding&>(b);
      w.integer(s.SaleKind);
      w.integer(s.SalesCapacity);
      w.integer(s.SaleSpare);
    }
  }
}

void writeStaff(LineWriter& w, const StaffList& list) {
  w.integer(list.count());
  for (const auto& e : list) {
    const TWorkerBee& x = *e.object;
    w.text(e.text);
    w.money(x.Salary);
    w.money(x.NominalSalary);
    w.money(x.HireCost);
    w.integer(x.Experience);
    w.text(x.Profession);
    w.integer(x.Mood);
  }
}

}  // namespace

std::vector<std::string> SaveLines(const TCorporation& c, const EngineValues& v,
                                   const std::string& tickerLine) {
  std::vector<std::string> lines;
  LineWriter w(lines);
  writeBuildings(w, c.Shops);
  writeBuildings(w, c.Lots);
  writeBuildings(w, c.Stores);
  w.text(c.Office->Description);
  w.text(c.Office->TypeName);
  writeBuilding(w, *c.Office);
  w.integer(c.Office->OfficeSpare);
  writeStaff(w, c.Accountants);
  writeStaff(w, c.Loaders);
  writeStaff(w, c.Managers);
  writeStaff(w, c.Salesmen);
  // Company values.
  w.flag(c.AccountantsWork);
  w.flag(c.LoadersWork);
  w.flag(c.ManagersWork);
  w.flag(c.SalesmenWork);
  w.integer(c.Prestige);
  w.integer(c.FishStock);
  w.money(c.StockCost);
  w.real(c.PausePenalty);
  w.integer(c.Prestige);
  w.integer(c.StaffCount);
  w.integer(c.BuildingCount);
  w.real(c.TaxSavedShare);
  w.money(c.TodayRevenue);
  w.money(c.LastDayRevenue);
  w.real(c.CampaignReadyDate);
  w.real(c.CampaignDuration);
  w.flag(c.TaxHolidayOver);
  w.money(c.Money);
  w.money(c.MonthIncome);
  w.money(c.MonthExpense);
  w.real(c.OverdraftDate);
  w.money(c.LastMonthValue);
  w.integer(c.OverdraftPenalty);
  w.real(c.StrikePenalty);
  w.integer(c.PendingCampaign);
  w.integer(c.ResultPoints);
  w.real(c.CampaignEffectUntil);
  w.integer(c.MarketShare);
  w.integer(c.CampaignCounter);
  // Engine values.
  const ClockValues& k = v.clock;
  w.real(k.GameDate);
  w.integer(k.HourStep);
  w.integer(k.SpeedDivider);
  w.integer(k.CurrentWeekDay);
  w.integer(k.PreviousWeekDay);
  w.integer(k.CurrentMonth);
  w.integer(k.PreviousMonth);
  w.integer(k.CurrentHour);
  w.integer(k.PreviousHour);
  w.flag(v.reserved.ReservedFlag);
  const MarketValues& m = v.market;
  w.money(m.RetailPrice);
  w.money(m.WholesalePrice);
  w.real(m.MarketLevel);
  w.real(v.reserved.ReservedFactorA);
  w.real(m.PricePhase);
  w.real(m.ShopPriceFactor);
  w.real(m.TrendPhase);
  w.real(m.DayPhase);
  w.real(m.MarketBias);
  w.real(v.reserved.ReservedFactorB);
  w.real(m.WholesaleFactor);
  w.real(m.RetailFactor);
  w.real(m.DemandLevel);
  w.real(m.CampaignBoost);
  w.integer(v.sales.TaxRate);
  w.integer(v.bargain.BargainBulkStep);
  w.integer(v.bargain.BargainSmallStep);
  w.integer(v.bargain.MonthsElapsed);
  w.money(v.bargain.BargainHighPrice);
  w.money(v.bargain.BargainLowPrice);
  w.integer(0);
  w.integer(v.sales.MarketScale);
  w.real(v.sales.MarketCapacity);
  w.flag(m.TickerFree);
  // Closing values.
  w.real(c.OverdraftDate);
  w.integer(c.OverdraftPenalty);
  w.real(c.PauseDate);
  w.real(c.PrestigeBonusUntil);
  w.integer(c.SaleTicks);
  w.real(c.StrikePenalty);
  w.integer(c.ResultPoints);
  w.integer(c.CampaignCounter);
  w.integer(k.ChartTick);
  w.text(tickerLine);
  return lines;
}

void setSaveFailureAfterLinesForTesting(int lines) { gFailAfterLines = lines; }

bool SaveGame(const std::string& path, const std::vector<std::string>& lines) {
  std::string bytes;
  bool complete = true;
  int written = 0;
  for (const std::string& line : lines) {
    if (gFailAfterLines >= 0 && written >= gFailAfterLines) {
      complete = false;
      break;
    }
    bytes += utf8ToCp1251(line);
    bytes += "\r\n";
    ++written;
  }
  return replaceFile(path, bytes, !complete);
}

}  // namespace kelpmark
