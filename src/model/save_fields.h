// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The saved game's layout, stated once: every record of the file as a table of its
// fields in file order, each with the bounds a loaded value must keep, and the order
// of the sections. The writer and the reader both walk these tables; the form of a
// line follows from the field's type (int32 an integer, double a real, Currency an
// amount, bool a flag, string a text), and the record sizes from the tables' lengths.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>

#include "model/buildings.h"
#include "model/corporation.h"
#include "model/engine_values.h"
#include "model/workers.h"

namespace kelpmark::savefile {

// What the reader does with a line.
enum class OnLoad {
  Take,       // checked against the bounds and stored
  CheckOnly,  // checked against the bounds, the field keeps its value
  Skip,       // read as a line and dropped, unchecked
};

// What a loaded value must keep to, and what the reader does with its line.
struct Bounds {
  double lo;
  double hi;
  OnLoad onLoad = OnLoad::Take;
};

constexpr double kIntLimit = 1e9;

constexpr Bounds kInteger{-kIntLimit, kIntLimit};  // list counts too
constexpr Bounds kCounter{0, kIntLimit};
constexpr Bounds kLevel{-100, 100};    // building levels
constexpr Bounds kScale{-1e6, 1e6};    // the market scale
constexpr Bounds kMoney{-1e11, 1e11};  // amounts, in units
constexpr Bounds kDate{-1e6, 1e6};     // in days
constexpr Bounds kReal{-1e9, 1e9};     // every other real
constexpr Bounds kAny{0, 0};           // texts and flags
// A 32-bit integer line whose value a load does not take over.
constexpr Bounds kCheckedOnly{INT32_MIN, INT32_MAX, OnLoad::CheckOnly};
// A line written from its field and passed over on reading.
constexpr Bounds kSkipped{0, 0, OnLoad::Skip};

// One line of a record: `get` gives the field of the record's subject (or of the
// file's values, for the value sections).
template <class Get>
struct Field {
  std::string_view name;
  Bounds bounds;
  Get get;
};

template <class Get>
constexpr Field<Get> field(std::string_view name, Bounds bounds, Get get) {
  return {name, bounds, get};
}

inline constexpr int32_t kConstantZero = 0;

// The file's values besides the lists: the company, the engine values and the
// ticker's first line (const for writing).
template <class Company, class Values, class Text>
struct ValuesView {
  Company& company;
  Values& values;
  Text& ticker;
};

// A field with its bounds, read and written through `expr` of the subject `s`.
#define KELPMARK_FIELD(bounds, name, expr) \
  field(name, bounds, []([[maybe_unused]] auto& s) -> auto& { return expr; })

// The fields every building record holds, after its texts.
inline constexpr auto kBuildingFields = std::make_tuple(
    KELPMARK_FIELD(kLevel, "MaxLevel", s.MaxLevel),
    KELPMARK_FIELD(kLevel, "Level", s.Level),
    KELPMARK_FIELD(kInteger, "Condition", s.Condition),
    KELPMARK_FIELD(kMoney, "Value", s.Value),
    KELPMARK_FIELD(kMoney, "UpgradeCost", s.UpgradeCost),
    KELPMARK_FIELD(kMoney, "Upkeep", s.Upkeep),
    KELPMARK_FIELD(kReal, "BuildingSpare", s.BuildingSpare),
    KELPMARK_FIELD(kInteger, "StaffPlaces", s.StaffPlaces),
    KELPMARK_FIELD(kInteger, "IsOffice", s.IsOffice));

inline constexpr auto kBuildingTexts =
    std::make_tuple(KELPMARK_FIELD(kAny, "Description", s.Description),
                    KELPMARK_FIELD(kAny, "TypeName", s.TypeName));

// A store (after the list entry's text).
inline constexpr auto kStoreFields = std::tuple_cat(kBuildingTexts, kBuildingFields);

// A shop or a stall (after the list entry's text).
inline constexpr auto kSaleFields = std::tuple_cat(
    kBuildingTexts, kBuildingFields,
    std::make_tuple(KELPMARK_FIELD(kInteger, "SaleKind", s.SaleKind),
                    KELPMARK_FIELD(kInteger, "SalesCapacity", s.SalesCapacity),
                    KELPMARK_FIELD(kInteger, "SaleSpare", s.SaleSpare)));

// The office, which has no list entry.
inline constexpr auto kOfficeFields = std::tuple_cat(
    kBuildingTexts, kBuildingFields,
    std::make_tuple(KELPMARK_FIELD(kInteger, "OfficeSpare", s.OfficeSpare)));

// An employee (after the list entry's text, the full name).
inline constexpr auto kEmployeeFields = std::make_tuple(
    KELPMARK_FIELD(kMoney, "Salary", s.Salary),
    KELPMARK_FIELD(kMoney, "NominalSalary", s.NominalSalary),
    KELPMARK_FIELD(kMoney, "HireCost", s.HireCost),
    KELPMARK_FIELD(kInteger, "Experience", s.Experience),
    KELPMARK_FIELD(kAny, "Profession", s.Profession),
    KELPMARK_FIELD(kInteger, "Mood", s.Mood));

// The company values. Some are saved twice; the later line wins on reading.
inline constexpr auto kCompanyValues = std::make_tuple(
    KELPMARK_FIELD(kAny, "AccountantsWork", s.company.AccountantsWork),
    KELPMARK_FIELD(kAny, "LoadersWork", s.company.LoadersWork),
    KELPMARK_FIELD(kAny, "ManagersWork", s.company.ManagersWork),
    KELPMARK_FIELD(kAny, "SalesmenWork", s.company.SalesmenWork),
    KELPMARK_FIELD(kInteger, "Prestige", s.company.Prestige),
    KELPMARK_FIELD(kInteger, "FishStock", s.company.FishStock),
    KELPMARK_FIELD(kMoney, "StockCost", s.company.StockCost),
    KELPMARK_FIELD(kReal, "PausePenalty", s.company.PausePenalty),
    KELPMARK_FIELD(kInteger, "Prestige again", s.company.Prestige),
    KELPMARK_FIELD(kCounter, "StaffCount", s.company.StaffCount),
    KELPMARK_FIELD(kCounter, "BuildingCount", s.company.BuildingCount),
    KELPMARK_FIELD(kReal, "TaxSavedShare", s.company.TaxSavedShare),
    KELPMARK_FIELD(kMoney, "TodayRevenue", s.company.TodayRevenue),
    KELPMARK_FIELD(kMoney, "LastDayRevenue", s.company.LastDayRevenue),
    KELPMARK_FIELD(kDate, "CampaignReadyDate", s.company.CampaignReadyDate),
    KELPMARK_FIELD(kReal, "CampaignDuration", s.company.CampaignDuration),
    KELPMARK_FIELD(kAny, "TaxHolidayOver", s.company.TaxHolidayOver),
    KELPMARK_FIELD(kMoney, "Money", s.company.Money),
    KELPMARK_FIELD(kMoney, "MonthIncome", s.company.MonthIncome),
    KELPMARK_FIELD(kMoney, "MonthExpense", s.company.MonthExpense),
    KELPMARK_FIELD(kDate, "OverdraftDate", s.company.OverdraftDate),
    KELPMARK_FIELD(kMoney, "LastMonthValue", s.company.LastMonthValue),
    KELPMARK_FIELD(kInteger, "OverdraftPenalty", s.company.OverdraftPenalty),
    KELPMARK_FIELD(kReal, "StrikePenalty", s.company.StrikePenalty),
    KELPMARK_FIELD(kInteger, "PendingCampaign", s.company.PendingCampaign),
    KELPMARK_FIELD(kInteger, "ResultPoints", s.company.ResultPoints),
    KELPMARK_FIELD(kDate, "CampaignEffectUntil", s.company.CampaignEffectUntil),
    KELPMARK_FIELD(kInteger, "MarketShare", s.company.MarketShare),
    KELPMARK_FIELD(kInteger, "CampaignCounter", s.company.CampaignCounter));

// The engine values. The clock keeps the speed the lamps show, so the two speed
// lines are checked but not taken over.
inline constexpr auto kEngineValues = std::make_tuple(
    KELPMARK_FIELD(kDate, "GameDate", s.values.clock.GameDate),
    KELPMARK_FIELD(kCheckedOnly, "HourStep", s.values.clock.HourStep),
    KELPMARK_FIELD(kCheckedOnly, "SpeedDivider", s.values.clock.SpeedDivider),
    KELPMARK_FIELD(kInteger, "CurrentWeekDay", s.values.clock.CurrentWeekDay),
    KELPMARK_FIELD(kInteger, "PreviousWeekDay", s.values.clock.PreviousWeekDay),
    KELPMARK_FIELD(kInteger, "CurrentMonth", s.values.clock.CurrentMonth),
    KELPMARK_FIELD(kInteger, "PreviousMonth", s.values.clock.PreviousMonth),
    KELPMARK_FIELD(kInteger, "CurrentHour", s.values.clock.CurrentHour),
    KELPMARK_FIELD(kInteger, "PreviousHour", s.values.clock.PreviousHour),
    KELPMARK_FIELD(kAny, "ReservedFlag", s.values.reserved.ReservedFlag),
    KELPMARK_FIELD(kMoney, "RetailPrice", s.values.market.RetailPrice),
    KELPMARK_FIELD(kMoney, "WholesalePrice", s.values.market.WholesalePrice),
    KELPMARK_FIELD(kReal, "MarketLevel", s.values.market.MarketLevel),
    KELPMARK_FIELD(kReal, "ReservedFactorA", s.values.reserved.ReservedFactorA),
    KELPMARK_FIELD(kReal, "PricePhase", s.values.market.PricePhase),
    KELPMARK_FIELD(kReal, "ShopPriceFactor", s.values.market.ShopPriceFactor),
    KELPMARK_FIELD(kReal, "TrendPhase", s.values.market.TrendPhase),
    KELPMARK_FIELD(kReal, "DayPhase", s.values.market.DayPhase),
    KELPMARK_FIELD(kReal, "MarketBias", s.values.market.MarketBias),
    KELPMARK_FIELD(kReal, "ReservedFactorB", s.values.reserved.ReservedFactorB),
    KELPMARK_FIELD(kReal, "WholesaleFactor", s.values.market.WholesaleFactor),
    KELPMARK_FIELD(kReal, "RetailFactor", s.values.market.RetailFactor),
    KELPMARK_FIELD(kReal, "DemandLevel", s.values.market.DemandLevel),
    KELPMARK_FIELD(kReal, "CampaignBoost", s.values.market.CampaignBoost),
    KELPMARK_FIELD(kInteger, "TaxRate", s.values.sales.TaxRate),
    KELPMARK_FIELD(kInteger, "BargainBulkStep", s.values.bargain.BargainBulkStep),
    KELPMARK_FIELD(kInteger, "BargainSmallStep", s.values.bargain.BargainSmallStep),
    KELPMARK_FIELD(kCounter, "MonthsElapsed", s.values.bargain.MonthsElapsed),
    KELPMARK_FIELD(kMoney, "BargainHighPrice", s.values.bargain.BargainHighPrice),
    KELPMARK_FIELD(kMoney, "BargainLowPrice", s.values.bargain.BargainLowPrice),
    KELPMARK_FIELD(kSkipped, "constant 0", kConstantZero),
    KELPMARK_FIELD(kScale, "MarketScale", s.values.sales.MarketScale),
    KELPMARK_FIELD(kReal, "MarketCapacity", s.values.sales.MarketCapacity),
    KELPMARK_FIELD(kAny, "TickerFree", s.values.market.TickerFree));

// The closing values; the chart counter keeps the program's own value on loading.
inline constexpr auto kClosingValues = std::make_tuple(
    KELPMARK_FIELD(kDate, "OverdraftDate again", s.company.OverdraftDate),
    KELPMARK_FIELD(kInteger, "OverdraftPenalty again", s.company.OverdraftPenalty),
    KELPMARK_FIELD(kDate, "PauseDate", s.company.PauseDate),
    KELPMARK_FIELD(kDate, "PrestigeBonusUntil", s.company.PrestigeBonusUntil),
    KELPMARK_FIELD(kCounter, "SaleTicks", s.company.SaleTicks),
    KELPMARK_FIELD(kReal, "StrikePenalty again", s.company.StrikePenalty),
    KELPMARK_FIELD(kInteger, "ResultPoints again", s.company.ResultPoints),
    KELPMARK_FIELD(kInteger, "CampaignCounter again", s.company.CampaignCounter),
    KELPMARK_FIELD(kSkipped, "ChartTick", s.values.clock.ChartTick),
    KELPMARK_FIELD(kAny, "ticker", s.ticker));

#undef KELPMARK_FIELD

template <class Table>
constexpr size_t kLines = std::tuple_size_v<std::remove_cv_t<Table>>;

// Lines of each record and section. A list record begins with its entry's text.
constexpr size_t kSaleRecordLines = 1 + kLines<decltype(kSaleFields)>;
constexpr size_t kStoreRecordLines = 1 + kLines<decltype(kStoreFields)>;
constexpr size_t kOfficeRecordLines = kLines<decltype(kOfficeFields)>;
constexpr size_t kEmployeeRecordLines = 1 + kLines<decltype(kEmployeeFields)>;
constexpr size_t kCompanyValueLines = kLines<decltype(kCompanyValues)>;
constexpr size_t kEngineValueLines = kLines<decltype(kEngineValues)>;
constexpr size_t kClosingValueLines = kLines<decltype(kClosingValues)>;

// The names of a table's fields, in order.
template <class Table>
constexpr auto namesOf(const Table& table) {
  return std::apply(
      [](const auto&... f) { return std::array<std::string_view, sizeof...(f)>{f.name...}; },
      table);
}

// Position (0-based) of the first field of that name in a table; its length when
// there is none.
template <class Table>
constexpr size_t indexOf(const Table& table, std::string_view name) {
  const auto names = namesOf(table);
  for (size_t i = 0; i < names.size(); ++i)
    if (names[i] == name) return i;
  return names.size();
}

// Walks a record: `io.field(f, value)` for every field in order.
template <class Io, class Table, class Subject>
void walk(Io& io, const Table& table, Subject& subject) {
  std::apply([&](const auto&... f) { (io.field(f, f.get(subject)), ...); }, table);
}

// Walks the whole file in order: the lists with their counts, the office, the staff,
// then the value sections.
template <class Io, class View>
void walkFile(Io& io, View& view) {
  auto& c = view.company;
  io.template buildings<TShop>(c.Shops, kSaleFields);
  io.template buildings<TLot>(c.Lots, kSaleFields);
  io.template buildings<TSmallStore>(c.Stores, kStoreFields);
  walk(io, kOfficeFields, *c.Office);
  io.template staff<TAccounter>(c.Accountants);
  io.template staff<TStuff>(c.Loaders);
  io.template staff<TManager>(c.Managers);
  io.template staff<TSaler>(c.Salesmen);
  walk(io, kCompanyValues, view);
  walk(io, kEngineValues, view);
  walk(io, kClosingValues, view);
}

}  // namespace kelpmark::savefile
