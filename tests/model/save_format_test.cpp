// SPDX-License-Identifier: GPL-3.0-or-later
// The saved game's lines: their order and forms, the bytes on disk, and how the
// reader takes files that are short, damaged or written with other line ends.
#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "model/books_file.h"
#include "model/codepage.h"
#include "model/corporation.h"
#include "model/random.h"
#include "model/results.h"
#include "model/save_file.h"
#include "support/save_files.h"
#include "support/scratch_dir.h"

namespace kelpmark {
namespace {

namespace fs = std::filesystem;
using savetest::readAll;
using savetest::Loaded;
using savetest::load;
using savetest::closingLine;
using savetest::companyLine;
using savetest::engineLine;
using kmtest::ScratchDir;

// ---------------------------------------------------------------------------
// helpers

std::vector<std::string> resave(const Loaded& l) {
  return SaveLines(l.company, l.world.values, l.world.tickerLine);
}

// A company with one entry of every list (two managers) and a distinct value in
// every saved field, so that each line of the file can be told apart.
struct DistinctGame {
  Random random;
  TCorporation company;
  EngineValues values;
  std::string ticker = "Бегущая строка";

  DistinctGame() {
    auto shop = std::make_shared<TShop>();
    shop->Description = "shop description";
    shop->TypeName = "shop type";
    shop->MaxLevel = 11;
    shop->Level = 12;
    shop->Condition = 13;
    shop->Value = Currency::fromCount(145000);
    shop->UpgradeCost = Currency::fromCount(152500);
    shop->Upkeep = Currency::fromCount(161250);
    shop->BuildingSpare = 17.0625;
    shop->StaffPlaces = 18;
    shop->IsOffice = 19;
    shop->SaleKind = 20;
    shop->SalesCapacity = 21;
    shop->SaleSpare = 22;
    company.Shops.add("Магазин N 1", shop);

    auto lot = std::make_shared<TLot>();
    lot->Description = "lot description";
    lot->TypeName = "lot type";
    lot->MaxLevel = 31;
    lot->Level = 32;
    lot->Condition = 33;
    lot->Value = Currency::fromUnits(34);
    lot->UpgradeCost = Currency::fromCount(355000);
    lot->Upkeep = Currency::fromCount(36);
    lot->BuildingSpare = -37;
    lot->StaffPlaces = 38;
    lot->IsOffice = 39;
    lot->SaleKind = 40;
    lot->SalesCapacity = 41;
    lot->SaleSpare = 42;
    company.Lots.add("Палатка N 1", lot);

    auto store = std::make_shared<TSmallStore>();
    store->Description = "store description";
    store->TypeName = "store type";
    store->MaxLevel = 51;
    store->Level = 52;
    store->Condition = -53;
    store->Value = Currency::fromCount(540007500);
    store->UpgradeCost = Currency::fromUnits(55);
    store->Upkeep = Currency::fromUnits(56);
    store->BuildingSpare = 0;
    store->StaffPlaces = 58;
    store->IsOffice = 59;
    company.Stores.add("Склад N 1", store);

    TOffice& o = *company.Office;
    o.Description = "office description";
    o.TypeName = "office type";
    o.MaxLevel = 61;
    o.Level = 62;
    o.Condition = 63;
    o.Value = Currency::fromUnits(64);
    o.UpgradeCost = Currency::fromUnits(65);
    o.Upkeep = Currency::fromUnits(66);
    o.BuildingSpare = 67.5;
    o.StaffPlaces = 68;
    o.IsOffice = 69;
    o.OfficeSpare = 70;

    auto acc = std::make_shared<TAccounter>(random);
    acc->Salary = Currency::fromCount(1015000);
    acc->NominalSalary = Currency::fromCount(1022500);
    acc->HireCost = Currency::fromCount(1037500);
    acc->Experience = 104;
    acc->Profession = "acc profession";
    acc->Mood = 105;
    company.Accountants.add("Бухгалтерова Анна", acc);

    auto loader = std::make_shared<TStuff>(random);
    loader->Salary = Currency::fromUnits(111);
    loader->NominalSalary = Currency::fromUnits(112);
    loader->HireCost = Currency::fromUnits(113);
    loader->Experience = 114;
    loader->Profession = "loader profession";
    loader->Mood = 115;
    company.Loaders.add("Грузов Пётр", loader);

    auto m1 = std::make_shared<TManager>(random);
    m1->Salary = Currency::fromUnits(121);
    m1->NominalSalary = Currency::fromUnits(122);
    m1->HireCost = Currency::fromUnits(123);
    m1->Experience = 124;
    m1->Profession = "m1";
    m1->Mood = 125;
    company.Managers.add("Manager One", m1);
    auto m2 = std::make_shared<TManager>(random);
    m2->Salary = Currency::fromCount(5000);
    m2->NominalSalary = Currency::fromCount(2500);
    m2->HireCost = Currency::fromCount(1250);
    m2->Experience = 0;
    m2->Profession = "m2";
    m2->Mood = 100;
    company.Managers.add("Manager Two", m2);

    TCorporation& c = company;
    c.AccountantsWork = true;
    c.LoadersWork = false;
    c.ManagersWork = true;
    c.SalesmenWork = false;
    c.Prestige = 201;
    c.FishStock = 202;
    c.StockCost = Currency::fromCount(20300);
    c.PausePenalty = 0.5;
    c.StaffCount = 205;
    c.BuildingCount = 206;
    c.TaxSavedShare = 0.25;
    c.TodayRevenue = Currency::fromUnits(208);
    c.LastDayRevenue = Currency::fromUnits(209);
    c.CampaignReadyDate = 36900.5;
    c.CampaignDuration = 7;
    c.TaxHolidayOver = true;
    c.Money = Currency::fromCount(-123456);
    c.MonthIncome = Currency::fromUnits(213);
    c.MonthExpense = Currency::fromUnits(-214);
    c.OverdraftDate = 36901.25;
    c.LastMonthValue = Currency::fromUnits(216);
    c.OverdraftPenalty = 217;
    c.StrikePenalty = 2.5;
    c.PendingCampaign = 3;
    c.ResultPoints = -220;
    c.CampaignEffectUntil = 36902.75;
    c.MarketShare = 45;
    c.CampaignCounter = -2;
    c.PauseDate = 36903.125;
    c.PrestigeBonusUntil = 36904.0625;
    c.SaleTicks = 6;
    c.MarketUse = 99;  // not saved

    ClockValues& k = values.clock;
    k.GameDate = 36905.5;
    k.HourStep = 3;
    k.SpeedDivider = 12;
    k.CurrentWeekDay = 4;
    k.PreviousWeekDay = 3;
    k.CurrentMonth = 5;
    k.PreviousMonth = 2;
    k.CurrentHour = 15;
    k.PreviousHour = 14;
    k.ChartTick = 77;
    values.reserved.ReservedFlag = true;
    values.reserved.ReservedFactorA = 2.5;
    values.reserved.ReservedFactorB = 4.5;
    MarketValues& m = values.market;
    m.RetailPrice = Currency::fromCount(115000);
    m.WholesalePrice = Currency::fromCount(82500);
    m.MarketLevel = 1.125;
    m.PricePhase = 3.5;
    m.ShopPriceFactor = 1.0625;
    m.TrendPhase = 6.5;
    m.DayPhase = 1.75;
    m.MarketBias = -0.375;
    m.WholesaleFactor = 1.03125;
    m.RetailFactor = 0.96875;
    m.DemandLevel = 0.875;
    m.CampaignBoost = 1.5;
    m.TickerFree = false;
    values.sales.TaxRate = 17;
    values.sales.MarketScale = 123;
    values.sales.MarketCapacity = 4567.5;
    values.bargain.BargainBulkStep = 501;
    values.bargain.BargainSmallStep = 202;
    values.bargain.MonthsElapsed = 3;
    values.bargain.BargainHighPrice = Currency::fromCount(105000);
    values.bargain.BargainLowPrice = Currency::fromCount(77500);
  }

  std::vector<std::string> lines() const { return SaveLines(company, values, ticker); }
};

// The file of DistinctGame, written out by hand.
const std::vector<std::string> kDistinctLines = {
    // shops
    "1", "Магазин N 1", "shop description", "shop type", "11", "12", "13",
    " 1.45000000000000E+0001", " 1.52500000000000E+0001", " 1.61250000000000E+0001",
    " 1.70625000000000E+0001", "18", "19", "20", "21", "22",
    // stalls
    "1", "Палатка N 1", "lot description", "lot type", "31", "32", "33",
    " 3.40000000000000E+0001", " 3.55000000000000E+0001", " 3.60000000000000E-0003",
    "-3.70000000000000E+0001", "38", "39", "40", "41", "42",
    // stores
    "1", "Склад N 1", "store description", "store type", "51", "52", "-53",
    " 5.40007500000000E+0004", " 5.50000000000000E+0001", " 5.60000000000000E+0001",
    " 0.00000000000000E+0000", "58", "59",
    // office
    "office description", "office type", "61", "62", "63", " 6.40000000000000E+0001",
    " 6.50000000000000E+0001", " 6.60000000000000E+0001", " 6.75000000000000E+0001", "68",
    "69", "70",
    // accountants
    "1", "Бухгалтерова Анна", " 1.01500000000000E+0002", " 1.02250000000000E+0002",
    " 1.03750000000000E+0002", "104", "acc profession", "105",
    // loaders
    "1", "Грузов Пётр", " 1.11000000000000E+0002", " 1.12000000000000E+0002",
    " 1.13000000000000E+0002", "114", "loader profession", "115",
    // managers
    "2", "Manager One", " 1.21000000000000E+0002", " 1.22000000000000E+0002",
    " 1.23000000000000E+0002", "124", "m1", "125", "Manager Two", " 5.00000000000000E-0001",
    " 2.50000000000000E-0001", " 1.25000000000000E-0001", "0", "m2", "100",
    // salesmen
    "0",
    // company values
    "TRUE", "FALSE", "TRUE", "FALSE", "201", "202", " 2.03000000000000E+0000",
    " 5.00000000000000E-0001", "201", "205", "206", " 2.50000000000000E-0001",
    " 2.08000000000000E+0002", " 2.09000000000000E+0002", " 3.69005000000000E+0004",
    " 7.00000000000000E+0000", "TRUE", "-1.23456000000000E+0001", " 2.13000000000000E+0002",
    "-2.14000000000000E+0002", " 3.69012500000000E+0004", " 2.16000000000000E+0002", "217",
    " 2.50000000000000E+0000", "3", "-220", " 3.69027500000000E+0004", "45", "-2",
    // engine values
    " 3.69055000000000E+0004", "3", "12", "4", "3", "5", "2", "15", "14", "TRUE",
    " 1.15000000000000E+0001", " 8.25000000000000E+0000", " 1.12500000000000E+0000",
    " 2.50000000000000E+0000", " 3.50000000000000E+0000", " 1.06250000000000E+0000",
    " 6.50000000000000E+0000", " 1.75000000000000E+0000", "-3.75000000000000E-0001",
    " 4.50000000000000E+0000", " 1.03125000000000E+0000", " 9.68750000000000E-0001",
    " 8.75000000000000E-0001", " 1.50000000000000E+0000", "17", "501", "202", "3",
    " 1.05000000000000E+0001", " 7.75000000000000E+0000", "0", "123",
    " 4.56750000000000E+0003", "FALSE",
    // closing values
    " 3.69012500000000E+0004", "217", " 3.69031250000000E+0004", " 3.69040625000000E+0004",
    "6", " 2.50000000000000E+0000", "-220", "-2", "77", "Бегущая строка"};

// The form of every line of DistinctGame's file. Whether a line holds a number
// follows from the type of its field in the save tables.
enum class Form { Count, Number, Flag, Text, Skipped };

class FormsOf {
 public:
  template <class Table, class Subject>
  FormsOf& record(const Table& table, Subject& subject, bool entryText) {
    if (entryText) forms.push_back(Form::Text);
    savefile::walk(*this, table, subject);
    return *this;
  }
  template <class F, class V>
  void field(const F& f, const V&) {
    using T = std::remove_cv_t<V>;
    if (f.bounds.onLoad == savefile::OnLoad::Skip) {
      forms.push_back(Form::Skipped);
    } else if constexpr (std::is_same_v<T, std::string>) {
      forms.push_back(Form::Text);
    } else if constexpr (std::is_same_v<T, bool>) {
      forms.push_back(Form::Flag);
    } else {
      forms.push_back(Form::Number);
    }
  }
  std::vector<Form> forms;
};

std::vector<Form> distinctForms() {
  using namespace savefile;
  DistinctGame g;
  TCorporation& c = g.company;
  ValuesView<TCorporation, EngineValues, std::string> values{c, g.values, g.ticker};
  FormsOf f;
  const auto count = [&] { f.forms.push_back(Form::Count); };
  count();
  f.record(kSaleFields, static_cast<TShop&>(c.Shops[0]), true);
  count();
  f.record(kSaleFields, static_cast<TLot&>(c.Lots[0]), true);
  count();
  f.record(kStoreFields, c.Stores[0], true);
  f.record(kOfficeFields, *c.Office, false);
  count();
  f.record(kEmployeeFields, c.Accountants[0], true);
  count();
  f.record(kEmployeeFields, c.Loaders[0], true);
  count();
  f.record(kEmployeeFields, c.Managers[0], true).record(kEmployeeFields, c.Managers[1], true);
  count();
  f.record(kCompanyValues, values, false)
      .record(kEngineValues, values, false)
      .record(kClosingValues, values, false);
  return f.forms;
}

// ---------------------------------------------------------------------------
// Order and forms of the lines

TEST(SaveLinesOrder, EveryFieldHasItsLineAndForm) {
  DistinctGame g;
  const std::vector<std::string> lines = g.lines();
  ASSERT_EQ(lines.size(), kDistinctLines.size());
  for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], kDistinctLines[i]) << "line " << i + 1;
}

TEST(SaveLinesOrder, EveryLineIsReadIntoItsField) {
  Loaded l;
  l.world.values.clock.ChartTick = 5;
  l.world.values.clock.HourStep = 1;
  l.world.values.clock.SpeedDivider = 60;
  ASSERT_TRUE(LoadGameFromBytes(SaveFileBytes(kDistinctLines), l.company, l.world, l.random));
  const TCorporation& c = l.company;

  ASSERT_EQ(c.Shops.size(), 1u);
  const auto& shop = static_cast<const TShop&>(c.Shops[0]);
  EXPECT_EQ(c.Shops.text(0), "Магазин N 1");
  EXPECT_EQ(shop.buildingClass(), BuildingClass::Shop);
  EXPECT_EQ(shop.Description, "shop description");
  EXPECT_EQ(shop.TypeName, "shop type");
  EXPECT_EQ(shop.MaxLevel, 11);
  EXPECT_EQ(shop.Level, 12);
  EXPECT_EQ(shop.Condition, 13);
  EXPECT_EQ(shop.Value.count(), 145000);
  EXPECT_EQ(shop.UpgradeCost.count(), 152500);
  EXPECT_EQ(shop.Upkeep.count(), 161250);
  EXPECT_EQ(shop.BuildingSpare, 17.0625);
  EXPECT_EQ(shop.StaffPlaces, 18);
  EXPECT_EQ(shop.IsOffice, 19);
  EXPECT_EQ(shop.SaleKind, 20);
  EXPECT_EQ(shop.SalesCapacity, 21);
  EXPECT_EQ(shop.SaleSpare, 22);

  ASSERT_EQ(c.Lots.size(), 1u);
  const auto& lot = static_cast<const TLot&>(c.Lots[0]);
  EXPECT_EQ(c.Lots.text(0), "Палатка N 1");
  EXPECT_EQ(lot.buildingClass(), BuildingClass::Lot);
  EXPECT_EQ(lot.Description, "lot description");
  EXPECT_EQ(lot.TypeName, "lot type");
  EXPECT_EQ(lot.MaxLevel, 31);
  EXPECT_EQ(lot.Level, 32);
  EXPECT_EQ(lot.Condition, 33);
  EXPECT_EQ(lot.Value.count(), 340000);
  EXPECT_EQ(lot.UpgradeCost.count(), 355000);
  EXPECT_EQ(lot.Upkeep.count(), 36);
  EXPECT_EQ(lot.BuildingSpare, -37);
  EXPECT_EQ(lot.StaffPlaces, 38);
  EXPECT_EQ(lot.IsOffice, 39);
  EXPECT_EQ(lot.SaleKind, 40);
  EXPECT_EQ(lot.SalesCapacity, 41);
  EXPECT_EQ(lot.SaleSpare, 42);

  ASSERT_EQ(c.Stores.size(), 1u);
  const auto& store = static_cast<const TSmallStore&>(c.Stores[0]);
  EXPECT_EQ(c.Stores.text(0), "Склад N 1");
  EXPECT_EQ(store.buildingClass(), BuildingClass::SmallStore);
  EXPECT_EQ(store.Description, "store description");
  EXPECT_EQ(store.TypeName, "store type");
  EXPECT_EQ(store.MaxLevel, 51);
  EXPECT_EQ(store.Level, 52);
  EXPECT_EQ(store.Condition, -53);
  EXPECT_EQ(store.Value.count(), 540007500);
  EXPECT_EQ(store.UpgradeCost.count(), 550000);
  EXPECT_EQ(store.Upkeep.count(), 560000);
  EXPECT_EQ(store.BuildingSpare, 0.0);
  EXPECT_EQ(store.StaffPlaces, 58);
  EXPECT_EQ(store.IsOffice, 59);
  EXPECT_EQ(store.Capacity, 5000);

  const TOffice& o = *c.Office;
  EXPECT_EQ(o.Description, "office description");
  EXPECT_EQ(o.TypeName, "office type");
  EXPECT_EQ(o.MaxLevel, 61);
  EXPECT_EQ(o.Level, 62);
  EXPECT_EQ(o.Condition, 63);
  EXPECT_EQ(o.Value.count(), 640000);
  EXPECT_EQ(o.UpgradeCost.count(), 650000);
  EXPECT_EQ(o.Upkeep.count(), 660000);
  EXPECT_EQ(o.BuildingSpare, 67.5);
  EXPECT_EQ(o.StaffPlaces, 68);
  EXPECT_EQ(o.IsOffice, 69);
  EXPECT_EQ(o.OfficeSpare, 70);

  ASSERT_EQ(c.Accountants.size(), 1u);
  EXPECT_EQ(c.Accountants.text(0), "Бухгалтерова Анна");
  const TWorkerBee& acc = c.Accountants[0];
  EXPECT_EQ(acc.workerClass(), WorkerClass::Accounter);
  EXPECT_EQ(acc.Salary.count(), 1015000);
  EXPECT_EQ(acc.NominalSalary.count(), 1022500);
  EXPECT_EQ(acc.HireCost.count(), 1037500);
  EXPECT_EQ(acc.Experience, 104);
  EXPECT_EQ(acc.Profession, "acc profession");
  EXPECT_EQ(acc.Mood, 105);  // taken as it stands, not clamped

  ASSERT_EQ(c.Loaders.size(), 1u);
  EXPECT_EQ(c.Loaders.text(0), "Грузов Пётр");
  EXPECT_EQ(c.Loaders[0].workerClass(), WorkerClass::Stuff);
  EXPECT_EQ(c.Loaders[0].Salary.count(), 1110000);
  EXPECT_EQ(c.Loaders[0].NominalSalary.count(), 1120000);
  EXPECT_EQ(c.Loaders[0].HireCost.count(), 1130000);
  EXPECT_EQ(c.Loaders[0].Experience, 114);
  EXPECT_EQ(c.Loaders[0].Profession, "loader profession");
  EXPECT_EQ(c.Loaders[0].Mood, 115);

  ASSERT_EQ(c.Managers.size(), 2u);
  EXPECT_EQ(c.Managers.text(0), "Manager One");
  EXPECT_EQ(c.Managers.text(1), "Manager Two");
  EXPECT_EQ(c.Managers[0].workerClass(), WorkerClass::Manager);
  EXPECT_EQ(c.Managers[1].workerClass(), WorkerClass::Manager);
  EXPECT_EQ(c.Managers[0].Mood, 125);
  EXPECT_EQ(c.Managers[1].Salary.count(), 5000);
  EXPECT_EQ(c.Managers[1].NominalSalary.count(), 2500);
  EXPECT_EQ(c.Managers[1].HireCost.count(), 1250);
  EXPECT_EQ(c.Managers[1].Experience, 0);
  EXPECT_EQ(c.Managers[1].Profession, "m2");
  EXPECT_EQ(c.Managers[1].Mood, 100);
  EXPECT_TRUE(c.Salesmen.empty());

  EXPECT_TRUE(c.AccountantsWork);
  EXPECT_FALSE(c.LoadersWork);
  EXPECT_TRUE(c.ManagersWork);
  EXPECT_FALSE(c.SalesmenWork);
  EXPECT_EQ(c.Prestige, 201);
  EXPECT_EQ(c.FishStock, 202);
  EXPECT_EQ(c.StockCost.count(), 20300);
  EXPECT_EQ(c.PausePenalty, 0.5);
  EXPECT_EQ(c.StaffCount, 205);
  EXPECT_EQ(c.BuildingCount, 206);
  EXPECT_EQ(c.TaxSavedShare, 0.25);
  EXPECT_EQ(c.TodayRevenue.count(), 2080000);
  EXPECT_EQ(c.LastDayRevenue.count(), 2090000);
  EXPECT_EQ(c.CampaignReadyDate, 36900.5);
  EXPECT_EQ(c.CampaignDuration, 7.0);
  EXPECT_TRUE(c.TaxHolidayOver);
  EXPECT_EQ(c.Money.count(), -123456);
  EXPECT_EQ(c.MonthIncome.count(), 2130000);
  EXPECT_EQ(c.MonthExpense.count(), -2140000);
  EXPECT_EQ(c.OverdraftDate, 36901.25);
  EXPECT_EQ(c.LastMonthValue.count(), 2160000);
  EXPECT_EQ(c.OverdraftPenalty, 217);
  EXPECT_EQ(c.StrikePenalty, 2.5);
  EXPECT_EQ(c.PendingCampaign, 3);
  EXPECT_EQ(c.ResultPoints, -220);
  EXPECT_EQ(c.CampaignEffectUntil, 36902.75);
  EXPECT_EQ(c.MarketShare, 45);
  EXPECT_EQ(c.CampaignCounter, -2);
  EXPECT_EQ(c.PauseDate, 36903.125);
  EXPECT_EQ(c.PrestigeBonusUntil, 36904.0625);
  EXPECT_EQ(c.SaleTicks, 6);
  EXPECT_EQ(c.MarketUse, 0);

  const EngineValues& v = l.world.values;
  EXPECT_EQ(v.clock.GameDate, 36905.5);
  EXPECT_EQ(v.clock.HourStep, 1) << "the speed lines are not taken over";
  EXPECT_EQ(v.clock.SpeedDivider, 60) << "the speed lines are not taken over";
  EXPECT_EQ(v.clock.CurrentWeekDay, 4);
  EXPECT_EQ(v.clock.PreviousWeekDay, 3);
  EXPECT_EQ(v.clock.CurrentMonth, 5);
  EXPECT_EQ(v.clock.PreviousMonth, 2);
  EXPECT_EQ(v.clock.CurrentHour, 15);
  EXPECT_EQ(v.clock.PreviousHour, 14);
  EXPECT_EQ(v.clock.ChartTick, 5) << "the chart counter keeps its value";
  EXPECT_TRUE(v.reserved.ReservedFlag);
  EXPECT_EQ(v.reserved.ReservedFactorA, 2.5);
  EXPECT_EQ(v.reserved.ReservedFactorB, 4.5);
  EXPECT_EQ(v.market.RetailPrice.count(), 115000);
  EXPECT_EQ(v.market.WholesalePrice.count(), 82500);
  EXPECT_EQ(v.market.MarketLevel, 1.125);
  EXPECT_EQ(v.market.PricePhase, 3.5);
  EXPECT_EQ(v.market.ShopPriceFactor, 1.0625);
  EXPECT_EQ(v.market.TrendPhase, 6.5);
  EXPECT_EQ(v.market.DayPhase, 1.75);
  EXPECT_EQ(v.market.MarketBias, -0.375);
  EXPECT_EQ(v.market.WholesaleFactor, 1.03125);
  EXPECT_EQ(v.market.RetailFactor, 0.96875);
  EXPECT_EQ(v.market.DemandLevel, 0.875);
  EXPECT_EQ(v.market.CampaignBoost, 1.5);
  EXPECT_FALSE(v.market.TickerFree);
  EXPECT_EQ(v.sales.TaxRate, 17);
  EXPECT_EQ(v.sales.MarketScale, 123);
  EXPECT_EQ(v.sales.MarketCapacity, 4567.5);
  EXPECT_EQ(v.bargain.BargainBulkStep, 501);
  EXPECT_EQ(v.bargain.BargainSmallStep, 202);
  EXPECT_EQ(v.bargain.MonthsElapsed, 3);
  EXPECT_EQ(v.bargain.BargainHighPrice.count(), 105000);
  EXPECT_EQ(v.bargain.BargainLowPrice.count(), 77500);
  EXPECT_EQ(l.world.tickerLine, "Бегущая строка");
}

TEST(SaveLinesOrder, TheLaterOfTwiceSavedValuesWins) {
  std::vector<std::string> lines = kDistinctLines;
  int value = 0;
  for (const std::string name :
       {"OverdraftDate", "OverdraftPenalty", "StrikePenalty", "ResultPoints", "CampaignCounter"}) {
    lines[companyLine(lines, name)] = std::to_string(++value);
    lines[closingLine(lines, name + " again")] = std::to_string(++value);
  }
  lines[companyLine(lines, "Prestige")] = "11";
  lines[companyLine(lines, "Prestige again")] = "12";
  auto l = load(SaveFileBytes(lines));
  ASSERT_TRUE(l->ok);
  EXPECT_EQ(l->company.OverdraftDate, 2.0);
  EXPECT_EQ(l->company.OverdraftPenalty, 4);
  EXPECT_EQ(l->company.StrikePenalty, 6.0);
  EXPECT_EQ(l->company.ResultPoints, 8);
  EXPECT_EQ(l->company.CampaignCounter, 10);
  EXPECT_EQ(l->company.Prestige, 12);
}

// Loads a file of DistinctGame's values (with the clock values that a load keeps)
// and writes it again; empty when the load fails.
std::string loadedAndWrittenAgain(const std::string& file) {
  Loaded l;
  l.world.values.clock.ChartTick = 77;
  l.world.values.clock.HourStep = 3;
  l.world.values.clock.SpeedDivider = 12;
  if (!LoadGameFromBytes(file, l.company, l.world, l.random)) return "";
  return SaveFileBytes(resave(l));
}

TEST(SaveLinesOrder, ReadingAndWritingAgainGivesTheSameBytes) {
  const std::string bytes = SaveFileBytes(kDistinctLines);
  EXPECT_EQ(loadedAndWrittenAgain(bytes), bytes);
}

// ---------------------------------------------------------------------------
// The new game's file

TEST(SaveNewGame, BeginsWithTheNewGameLines) {
  const TCorporation company;
  const EngineValues values;
  const std::vector<std::string> lines = SaveLines(company, values, "");
  const std::vector<std::string> expected = {
      "0", "0", "0",
      "Офис необходим вам для того, чтобы вести бизнес", "Офис",
      "7", "1", "1000",
      " 5.00000000000000E+0003", " 5.00000000000000E+0003", " 5.00000000000000E+0001",
      " 0.00000000000000E+0000",
      "5", "1", "0",
      "0", "0", "0", "0",
      "TRUE", "TRUE", "TRUE", "TRUE",
      "0", "0",
      " 0.00000000000000E+0000", " 0.00000000000000E+0000"};
  ASSERT_GE(lines.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
  // Nothing but the three sections of fixed length follows.
  EXPECT_EQ(lines.size(), 19u + 29u + 34u + 10u);
}

TEST(SaveNewGame, FileOnDiskHasCp1251AndCrLf) {
  ScratchDir dir;
  const fs::path path = dir / "game.dat";
  const TCorporation company;
  const EngineValues values;
  ASSERT_TRUE(SaveGame(path.string(), SaveLines(company, values, "Ёлки №1")));
  const std::string bytes = readAll(path);
  // "0\r\n0\r\n0\r\n", then the office description in Windows-1251.
  ASSERT_GE(bytes.size(), 20u);
  EXPECT_EQ(bytes.substr(0, 9), "0\r\n0\r\n0\r\n");
  const std::string office = "\xCE\xF4\xE8\xF1";  // Офис
  EXPECT_EQ(bytes.substr(9, 5), office + " ");
  // The type name line is exactly the four bytes and CR LF.
  const size_t typeLine = bytes.find("\r\n" + office + "\r\n");
  EXPECT_NE(typeLine, std::string::npos);
  // The ticker, the last line: Ё = A8, № = B9.
  EXPECT_EQ(bytes.substr(bytes.size() - 9), "\xA8\xEB\xEA\xE8 \xB9" "1\r\n");
  // Every line ends with CR LF and there is no bare LF or CR.
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at " << i;
    }
    if (bytes[i] == '\r') {
      EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "lone CR at " << i;
    }
  }
  // Real lines are 23 characters with a blank in the sign position.
  EXPECT_NE(bytes.find("\r\n 5.00000000000000E+0003\r\n"), std::string::npos);
}

TEST(SaveNewGame, LoadsBackAsAnEqualCompany) {
  const TCorporation company;
  EngineValues values;
  const std::vector<std::string> lines = SaveLines(company, values, "тикер");
  Loaded l;
  ASSERT_TRUE(LoadGameFromBytes(SaveFileBytes(lines), l.company, l.world, l.random));
  EXPECT_EQ(resave(l), lines);
  EXPECT_EQ(l.random.draws(), 0u) << "no employees, no draws";
  EXPECT_EQ(l.company.Office->Picture, BuildingPicture::None);
}

// ---------------------------------------------------------------------------
// Buildings and money that must survive

TEST(SaveBuildings, EliteShopKeepsItsNameLevelAndTypeName) {
  TCorporation company;
  company.BuildShop();
  company.BuildShop();
  TBuilding& second = company.Shops[1];
  second.Upgrade();
  second.Upgrade();
  ASSERT_EQ(company.Shops.text(1), "Магазин N 2");
  ASSERT_EQ(second.Level, 3);
  ASSERT_EQ(second.TypeName, "Элитный магазин");
  const EngineValues values;
  auto l = load(SaveFileBytes(SaveLines(company, values, "")));
  ASSERT_TRUE(l->ok);
  ASSERT_EQ(l->company.Shops.size(), 2u);
  EXPECT_EQ(l->company.Shops.text(1), "Магазин N 2");
  const TBuilding& shop = l->company.Shops[1];
  EXPECT_EQ(shop.buildingClass(), BuildingClass::Shop);
  EXPECT_EQ(shop.Level, 3);
  EXPECT_EQ(shop.MaxLevel, 3);
  EXPECT_EQ(shop.TypeName, "Элитный магазин");
  EXPECT_EQ(shop.Picture, BuildingPicture::Shop);
  EXPECT_EQ(shop.Value, Currency::fromUnits(22500));
  EXPECT_EQ(shop.Upkeep, Currency::fromUnits(280));
  EXPECT_EQ(l->company.Shops[0].Level, 1);
  EXPECT_EQ(l->company.Shops[0].TypeName, "Магазин");
}

TEST(SaveBuildings, UpgradedStoreComesBackWithTheNewStoreCapacity) {
  TCorporation company;
  company.BuildStore();
  company.BuildLot();
  auto& store = static_cast<TSmallStore&>(company.Stores[0]);
  store.UpgradeStore();
  ASSERT_EQ(store.Capacity, 10000);
  const EngineValues values;
  auto l = load(SaveFileBytes(SaveLines(company, values, "")));
  ASSERT_TRUE(l->ok);
  ASSERT_EQ(l->company.Stores.size(), 1u);
  const auto& loaded = static_cast<const TSmallStore&>(l->company.Stores[0]);
  EXPECT_EQ(loaded.buildingClass(), BuildingClass::SmallStore);
  EXPECT_EQ(loaded.Level, 2);
  EXPECT_EQ(loaded.TypeName, "Склад с погрузчиком");
  EXPECT_EQ(loaded.StaffPlaces, 10);
  EXPECT_EQ(loaded.Value, Currency::fromUnits(11000));
  EXPECT_EQ(loaded.Capacity, 5000) << "capacity is not saved";
  EXPECT_EQ(loaded.Picture, BuildingPicture::Store);
  EXPECT_EQ(l->company.StoreCapacity(), 5000);
  EXPECT_EQ(l->company.LoaderPlaces(), 10);
  EXPECT_EQ(l->company.Lots[0].Picture, BuildingPicture::Stall);
}

TEST(SaveMoney, NegativeAmountHasTheMinusInTheSignPosition) {
  TCorporation company;
  company.Money = Currency::fromCount(-123456);
  const EngineValues values;
  const std::vector<std::string> lines = SaveLines(company, values, "");
  const std::string& line = lines[companyLine(lines, "Money")];
  EXPECT_EQ(line, "-1.23456000000000E+0001");
  EXPECT_EQ(line.size(), 23u);
  auto l = load(SaveFileBytes(lines));
  ASSERT_TRUE(l->ok);
  EXPECT_EQ(l->company.Money.count(), -123456);
}

TEST(SaveMoney, AmountsWithFourDecimalsReadBackExactly) {
  // Counts with up to 15 significant digits all survive the 15-digit real form.
  const int64_t counts[] = {1,          -1,          9999,         123456789,
                            -987654321, 50000000001, 999999999999999, -999999999999999,
                            1000000000000000, 33333333333333, 7};
  for (int64_t count : counts) {
    TCorporation company;
    company.Money = Currency::fromCount(count);
    company.StockCost = Currency::fromCount(-count);
    const EngineValues values;
    auto l = load(SaveFileBytes(SaveLines(company, values, "")));
    ASSERT_TRUE(l->ok) << count;
    EXPECT_EQ(l->company.Money.count(), count);
    EXPECT_EQ(l->company.StockCost.count(), -count);
  }
}

TEST(SaveReals, SmallAndNegativeRealsKeepTheForm) {
  TCorporation company;
  company.PausePenalty = -0.0;
  company.TaxSavedShare = 1e-300;
  company.StrikePenalty = -123456789.125;
  const EngineValues values;
  const std::vector<std::string> lines = SaveLines(company, values, "");
  EXPECT_EQ(lines[companyLine(lines, "PausePenalty")], " 0.00000000000000E+0000")
      << "no negative zero";
  EXPECT_EQ(lines[companyLine(lines, "TaxSavedShare")], " 1.00000000000000E-0300");
  EXPECT_EQ(lines[companyLine(lines, "StrikePenalty")], "-1.23456789125000E+0008");
  for (const std::string& line : lines)
    if (line.find('E') != std::string::npos && line.size() == 23) {
      EXPECT_TRUE(line[0] == ' ' || line[0] == '-') << line;
      EXPECT_EQ(line[2], '.') << line;
      EXPECT_TRUE(line[18] == '+' || line[18] == '-') << line;
    }
}

// ---------------------------------------------------------------------------
// Flags, short and damaged files

TEST(SaveFlags, OnlyUpperCaseTrueIsTrue) {
  const struct {
    const char* text;
    bool value;
  } cases[] = {{"TRUE", true}, {"true", false}, {"True", false}, {"TRUE ", false},
               {" TRUE", false}, {"1", false}, {"", false}, {"FALSE", false}};
  for (const auto& c : cases) {
    std::vector<std::string> lines = kDistinctLines;
    lines[companyLine(lines, "AccountantsWork")] = c.text;
    lines[companyLine(lines, "TaxHolidayOver")] = c.text;
    lines[engineLine(lines, "ReservedFlag")] = c.text;
    lines[engineLine(lines, "TickerFree")] = c.text;
    auto l = load(SaveFileBytes(lines));
    ASSERT_TRUE(l->ok) << c.text;
    EXPECT_EQ(l->company.AccountantsWork, c.value) << c.text;
    EXPECT_EQ(l->company.TaxHolidayOver, c.value) << c.text;
    EXPECT_EQ(l->world.values.reserved.ReservedFlag, c.value) << c.text;
    EXPECT_EQ(l->world.values.market.TickerFree, c.value) << c.text;
    // The next lines are still in step.
    EXPECT_EQ(l->company.LoadersWork, false);
    EXPECT_EQ(l->company.Money.count(), -123456);
    EXPECT_EQ(l->world.values.market.RetailPrice.count(), 115000);
  }
}

std::string withLineEnds(const std::string& crlf, const std::string& end) {
  std::string out;
  for (size_t i = 0; i < crlf.size(); ++i) {
    if (crlf[i] == '\r' && i + 1 < crlf.size() && crlf[i + 1] == '\n') {
      out += end;
      ++i;
    } else {
      out += crlf[i];
    }
  }
  return out;
}

TEST(SaveShortFile, AFileCutAnywhereBeforeItsLastLineFails) {
  // Without a checksum a cut inside the last line cannot be told; every other cut
  // leaves a line unread, and reading past the end fails the load.
  for (const char* end : {"\r\n", "\n"}) {
    const std::string full = withLineEnds(SaveFileBytes(kDistinctLines), end);
    const size_t lastLine = full.rfind(utf8ToCp1251(kDistinctLines.back()));
    ASSERT_NE(lastLine, std::string::npos);
    for (size_t k = 0; k <= full.size(); ++k) {
      auto l = load(full.substr(0, k));
      EXPECT_EQ(l->ok, k > lastLine) << "cut after " << k << " of " << full.size() << " bytes";
    }
  }
  // The last lines missing: no zeros and no empty ticker take their place.
  std::vector<std::string> kept = kDistinctLines;
  kept.resize(companyLine(kept, "AccountantsWork"));
  EXPECT_FALSE(load(SaveFileBytes(kept))->ok);
}

TEST(SaveShortFile, TickerCutInTheMiddleOfItsLine) {
  std::string bytes = SaveFileBytes(kDistinctLines);
  bytes.resize(bytes.size() - 2 - 6);  // "Бегущая строка" loses "строка" and CR LF
  auto l = load(bytes);
  ASSERT_TRUE(l->ok);
  EXPECT_EQ(l->world.tickerLine, "Бегущая ");
}

TEST(SaveShortFile, AnEmptyOrBlankFileFails) {
  for (const char* bytes : {"", "\r\n", " \t\n\n\r", "0\r\n0\r\n0\r\n"}) {
    auto l = load(bytes);
    EXPECT_FALSE(l->ok) << "'" << bytes << "'";
  }
}

TEST(SaveDamagedFile, LetterOnANumberLineFailsAndOnATextLineLoads) {
  const std::vector<Form> forms = distinctForms();
  ASSERT_EQ(forms.size(), kDistinctLines.size());
  for (size_t i = 0; i < kDistinctLines.size(); ++i) {
    const bool number = forms[i] == Form::Count || forms[i] == Form::Number;
    for (const char* bad : {"x", "1x", "-", "+", "1 2"}) {
      if (std::string(bad) == "1 2" && forms[i] == Form::Count) continue;
      std::vector<std::string> lines = kDistinctLines;
      lines[i] = bad;
      auto l = load(SaveFileBytes(lines));
      const bool shouldLoad = !number || std::string(bad) == "1 2";
      EXPECT_EQ(l->ok, shouldLoad) << "line " << i + 1 << " (" << kDistinctLines[i] << ") as '"
                                   << bad << "'";
    }
  }
}

TEST(SaveDamagedFile, RestOfANumberLineAfterTheFirstWordIsIgnored) {
  std::vector<std::string> lines = kDistinctLines;
  lines[companyLine(lines, "FishStock")] = "  303 kg of fish";
  lines[companyLine(lines, "Money")] = "\t-5.5E+0000 dollars";
  lines[engineLine(lines, "TaxRate")] = "18;";  // "18;" is one word
  auto l = load(SaveFileBytes(lines));
  EXPECT_FALSE(l->ok);
  lines[engineLine(lines, "TaxRate")] = "18 ;";
  l = load(SaveFileBytes(lines));
  ASSERT_TRUE(l->ok);
  EXPECT_EQ(l->company.FishStock, 303);
  EXPECT_EQ(l->company.Money.count(), -55000);
  EXPECT_EQ(l->world.values.sales.TaxRate, 18);
}

TEST(SaveDamagedFile, EmptyLineBeforeANumberIsPassedOver) {
  // Before a number the reader skips blanks and line ends, so an empty line in front
  // of a number line is passed over and the lines after it stay in step.
  std::vector<std::string> lines = kDistinctLines;
  lines.insert(lines.begin() + static_cast<long>(companyLine(lines, "FishStock")), "");
  auto l = load(SaveFileBytes(lines));
  ASSERT_TRUE(l->ok);
  EXPECT_EQ(l->company.FishStock, 202);
  EXPECT_EQ(l->company.Money.count(), -123456);
}

TEST(SaveDamagedFile, SkippedLinesAreNotChecked) {
  std::vector<std::string> lines = kDistinctLines;
  lines[engineLine(lines, "constant 0")] = "not a number";
  lines[closingLine(lines, "ChartTick")] = "1e999";
  auto l = load(SaveFileBytes(lines));
  ASSERT_TRUE(l->ok);
  EXPECT_EQ(l->world.values.sales.MarketScale, 123);
  EXPECT_EQ(l->world.tickerLine, "Бегущая строка");
}

// ---------------------------------------------------------------------------
// Line ends and bytes

TEST(SaveLineEnds, LfLoneCrAndMixedLineEndsLoadLikeCrLf) {
  const std::string bytes = SaveFileBytes(kDistinctLines);
  // Every line end in turn CR LF, LF and CR.
  std::string mixed;
  int k = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r') {
      mixed += k % 3 == 0 ? "\r\n" : k % 3 == 1 ? "\n" : "\r";
      ++k;
      ++i;
    } else {
      mixed += bytes[i];
    }
  }
  for (const std::string& file : {withLineEnds(bytes, "\n"), withLineEnds(bytes, "\r"), mixed})
    EXPECT_EQ(loadedAndWrittenAgain(file), bytes);
}

TEST(SaveBytes, Byte98AndEveryOtherByteSurviveInTexts) {
  std::string all;
  for (int b = 0; b < 256; ++b)
    if (b != '\r' && b != '\n') all += static_cast<char>(b);
  std::vector<std::string> lines = kDistinctLines;
  std::string bytes = SaveFileBytes(lines);
  // Put the raw bytes into a staff name in the middle and into the ticker at the end.
  const std::string name = utf8ToCp1251("Грузов Пётр");
  const size_t at = bytes.find("\r\n" + name + "\r\n");
  ASSERT_NE(at, std::string::npos);
  bytes.replace(at + 2, name.size(), "\x98" + all + "\x98");
  bytes.replace(bytes.size() - 2 - utf8ToCp1251("Бегущая строка").size(),
                utf8ToCp1251("Бегущая строка").size(), all);
  Loaded l;
  l.world.values.clock.ChartTick = 77;
  l.world.values.clock.HourStep = 3;
  l.world.values.clock.SpeedDivider = 12;
  ASSERT_TRUE(LoadGameFromBytes(bytes, l.company, l.world, l.random));
  ASSERT_EQ(l.company.Loaders.size(), 1u);
  EXPECT_EQ(l.company.Loaders.text(0).substr(0, 2), "\xC2\x98") << "0x98 reads as U+0098";
  EXPECT_EQ(l.company.Loaders[0].Mood, 115) << "the record after the name is in step";
  ScratchDir dir;
  const fs::path path = dir / "game.dat";
  ASSERT_TRUE(SaveGame(path.string(), resave(l)));
  EXPECT_EQ(readAll(path), bytes);
}

TEST(SaveBytes, CyrillicTextsAreOneBytePerLetter) {
  EXPECT_EQ(utf8ToCp1251("Склад N 1"), "\xD1\xEA\xEB\xE0\xE4 N 1");
  EXPECT_EQ(cp1251ToUtf8("\xD1\xEA\xEB\xE0\xE4 N 1"), "Склад N 1");
  EXPECT_EQ(cp1251ToUtf8("\x98"), "\xC2\x98");
  EXPECT_EQ(utf8ToCp1251("\xC2\x98"), "\x98");
}

// ---------------------------------------------------------------------------
// The number forms do not depend on the process's locale

class NumericLocale {
 public:
  explicit NumericLocale(const char* name) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    old_ = old ? old : "C";
    ok_ = std::setlocale(LC_NUMERIC, name) != nullptr;
  }
  ~NumericLocale() { std::setlocale(LC_NUMERIC, old_.c_str()); }
  bool ok() const { return ok_; }

 private:
  std::string old_;
  bool ok_ = false;
};

TEST(SaveLocale, DecimalCommaLocaleWritesAndReadsTheSameFile) {
  // A GUI toolkit sets the numeric locale from the environment: a Russian desktop
  // has a decimal comma, and the file must not depend on it.
  const std::string cFile = SaveFileBytes(kDistinctLines);
  NumericLocale ru("ru_RU.UTF-8");
  if (!ru.ok()) GTEST_SKIP() << "ru_RU.UTF-8 locale not installed";
  DistinctGame g;
  EXPECT_EQ(g.lines(), kDistinctLines);
  auto l = load(cFile);
  ASSERT_TRUE(l->ok);
  EXPECT_EQ(l->company.Money.count(), -123456);
  EXPECT_EQ(l->company.Shops[0].Value.count(), 145000);
}

// ---------------------------------------------------------------------------
// The books file beside the save

TEST(SaveBooksFile, ComesBackWholeForItsSaveOnly) {
  double date = 36949.5;  // 27.02.2001 12:00
  Books books;
  books.start(date, Currency::fromUnits(10000));
  books.followDate(&date);
  books.book(MoneyCategory::Wages, Currency::fromCount(-4200000));
  books.book(MoneyCategory::Sales, Currency::fromCount(12345));
  date = 36951.5;  // 01.03
  books.book(MoneyCategory::ProfitTax, Currency::fromCount(-7));
  books.book(MoneyCategory::Fish, Currency::fromCount(-1));
  const Currency money = Currency::fromCount(100000000 - 4200000 + 12345 - 7 - 1);
  const std::string text = booksFileText(books, date, money);
  EXPECT_EQ(text,
            "kelpmark books 1\n"
            "save 3.69515000000000E+0004 9.58123370000000E+0003\n"
            "month 02.2001 opening 10000 closing 9581.2338\n"
            "sales 1.2345\nwages -420\nprofit_tax -0.0007\n"
            "month 03.2001 opening 9581.2338 closing 9581.2337\n"
            "fish -0.0001\n"
            "today 36951\n"
            "fish -0.0001\nprofit_tax -0.0007\n"
            "end\n");
  Books back;
  ASSERT_EQ(readBooksFile(text, date, money, back), BooksFileFit::Belongs);
  EXPECT_EQ(booksFileText(back, date, money), text);
  EXPECT_EQ(back.today(date)[static_cast<size_t>(MoneyCategory::Fish)], Currency::fromCount(-1));

  // Another save's books are left alone; a damaged file is told from them.
  EXPECT_EQ(readBooksFile(text, date + 1.0 / 24, money, back), BooksFileFit::Foreign);
  EXPECT_EQ(readBooksFile(text, date, money + Currency::fromCount(1), back), BooksFileFit::Foreign);
  const auto edited = [&text](const std::string& from, const std::string& to) {
    std::string t = text;
    t.replace(t.find(from), from.size(), to);
    return t;
  };
  const std::string damaged[] = {
      "",
      edited("books 1", "books 2"),
      edited("wages -420", "wages -421"),                        // the sum is off
      edited("sales 1.2345\nwages -420", "wages -420\nsales 1.2345"),  // out of order
      edited("wages -420", "sales 0\nwages -420"),                // twice
      edited("wages -420", "salary -420"),
      edited("sales 1.2345", "sales 1.23450"),                   // five decimals
      edited("sales 1.2345", "sales 1e4"),
      edited("opening 10000", "opening 99999999999999999999"),
      edited("month 03.2001", "month 04.2001"),                  // a month left out
      edited("month 03.2001 opening 9581.2338", "month 03.2001 opening 9581.2339"),
      edited("today 36951", "today x"),
      edited("end\n", ""),
      text + "end\n",
  };
  for (const std::string& t : damaged)
    EXPECT_EQ(readBooksFile(t, date, money, back), BooksFileFit::Damaged) << t;
  EXPECT_EQ(booksFileText(back, date, money), text) << "a refused file changes nothing";
}

// ---------------------------------------------------------------------------
// The results of finished games

// Ranked best first: wins by the earliest date, then losses by company value; the
// file takes them back exactly; a damaged one is kept as ".bad" and a new one
// begun with the next result.
TEST(SaveResults, RankedWrittenBackAndADamagedFileKeptAside) {
  const auto result = [](const char* played, GameOutcome o, double ended, int64_t value) {
    return GameResult{played, o, ended, Currency::fromCount(value), Currency::fromCount(-value / 3), 7};
  };
  const std::vector<GameResult> games = {
      result("2024-03-01 10:00", GameOutcome::ValueHalved, 36950.25, 90000000),
      result("2024-03-02 11:30", GameOutcome::Won, 37100.5, 10),
      result("2024-03-03 09:05", GameOutcome::YearOver, 37257, 120000005),
      result("2024-03-04 23:59", GameOutcome::Won, 37000 + 13.0 / 24, -5),
      result("2024-03-05 00:00", GameOutcome::PrestigeLost, 36900, 120000005),
  };
  const std::string text = resultsText(games);
  EXPECT_EQ(text.substr(0, text.find('\n', 19) + 1),
            "kelpmark results 1\n2024-03-01 10:00\tvalue_halved\t28.02.2001 06:00\t9000\t-3000\t7\n");
  const std::optional<std::vector<GameResult>> back = parseResults(text);
  ASSERT_TRUE(back);
  EXPECT_EQ(resultsText(*back), text);
  std::vector<std::string> order;
  for (const GameResult& r : rankResults(*back)) order.push_back(r.played.substr(8, 2));
  EXPECT_EQ(order, (std::vector<std::string>{"04", "02", "03", "05", "01"}));

  for (const char* bad : {"", "kelpmark results 2\n", "kelpmark results 1\nx\n",
                          "kelpmark results 1\n2024-03-01 10:00\twon\t31.02.2001 06:00\t1\t1\t7\n",
                          "kelpmark results 1\n2024-03-01 10:00\twon\t28.02.2001 06:00\t1\t1\t101\n",
                          "kelpmark results 1\n2024-03-01 10:00\tlost\t28.02.2001 06:00\t1\t1\t7\n",
                          "kelpmark results 1\n2024-03-01 10:00\twon\t28.02.2001 06:00\t1e3\t1\t7\n"})
    EXPECT_FALSE(parseResults(bad)) << bad;

  ScratchDir dir;
  const std::string path = (dir / "results").string();
  ASSERT_TRUE(addResult(path, games[0]));
  ASSERT_TRUE(addResult(path, games[1]));
  EXPECT_EQ(readResults(path).size(), 2u);
  savetest::writeAll(path, "kelpmark results 1\ngarbage\n");
  ASSERT_TRUE(addResult(path, games[2]));
  EXPECT_EQ(readAll(path + ".bad"), "kelpmark results 1\ngarbage\n");
  EXPECT_EQ(readAll(path), resultsText({games[2]}));
}

}  // namespace
}  // namespace kelpmark
