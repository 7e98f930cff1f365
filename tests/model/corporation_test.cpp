// SPDX-License-Identifier: GPL-3.0-or-later
// The company: money books, list aggregates, capacities, mood shift, building sales,
// construction and hiring into free workplaces.
#include <gtest/gtest.h>

#include "model/company_builder.h"
#include "model/corporation.h"
#include "model/random_sequence.h"

using kelpmark::Currency;
using kelpmark::MoneyCategory;
using kelpmark::TCorporation;
using kmtest::addBuilding;
using kmtest::addWorker;

namespace {

Currency units(int64_t u) { return Currency::fromUnits(u); }

}  // namespace

TEST(Company, SetMoneyBooksIncreasesAsIncomeAndDecreasesAsExpense) {
  TCorporation c;
  c.SetMoney(c.Money, MoneyCategory::Sales);
  EXPECT_EQ(c.MonthIncome, Currency());
  EXPECT_EQ(c.MonthExpense, Currency());
  c.SetMoney(c.Money + units(100), MoneyCategory::Sales);
  c.SetMoney(c.Money - units(30), MoneyCategory::Wages);
  EXPECT_EQ(c.Money, units(10070));
  EXPECT_EQ(c.MonthIncome, units(100));
  EXPECT_EQ(c.MonthExpense, units(-30));
  c.SetMoney(Currency::fromCount(-5), MoneyCategory::Fish);  // into debt: the whole drop is an expense
  EXPECT_EQ(c.MonthExpense, units(-30) - units(10070) - Currency::fromCount(5));
  EXPECT_EQ(c.MonthIncome, units(100));

  // The books hold each change under its category, in the month of the followed
  // date; the profit tax goes to the month before, never before the first month.
  double date = 36949.5;  // 27.02.2001 12:00
  TCorporation b;
  b.books.start(date, b.Money);
  b.books.followDate(&date);
  b.pay(units(450), MoneyCategory::ProfitTax);
  b.receive(units(100), MoneyCategory::Sales);
  date = 36950.0;  // 28.02, a new day
  b.pay(units(30), MoneyCategory::Wages);
  date = 36951.25;  // 01.03
  b.pay(units(200), MoneyCategory::ProfitTax);
  b.pay(units(20), MoneyCategory::Upkeep);
  const auto months = b.books.months(date, b.Money);
  ASSERT_EQ(months.size(), 2u);
  EXPECT_EQ(kelpmark::monthText(months[0].month), "02.2001");
  const auto at = [](MoneyCategory k) { return static_cast<size_t>(k); };
  EXPECT_EQ(months[0].amounts[at(MoneyCategory::ProfitTax)], units(-650));
  EXPECT_EQ(months[0].amounts[at(MoneyCategory::Sales)], units(100));
  EXPECT_EQ(months[0].amounts[at(MoneyCategory::Wages)], units(-30));
  EXPECT_EQ(months[1].opening, units(10000 - 650 + 100 - 30));
  EXPECT_EQ(months[1].amounts[at(MoneyCategory::Upkeep)], units(-20));
  EXPECT_EQ(months[1].closing, b.Money);
  const auto today = b.books.today(date);
  EXPECT_EQ(today[at(MoneyCategory::ProfitTax)], units(-200));
  EXPECT_EQ(today[at(MoneyCategory::Wages)], Currency());
  EXPECT_EQ(b.books.today(date + 1)[at(MoneyCategory::Upkeep)], Currency());

  c.RegisterPause(36900.5);
  c.RegisterPause(36901.5);
  EXPECT_EQ(c.PauseDate, 36901.5);
  EXPECT_DOUBLE_EQ(c.PausePenalty, 0.8);
}

TEST(Company, ListAveragesAndSums) {
  TCorporation c;
  EXPECT_EQ(TCorporation::AverageMood(c.Loaders), 100);
  EXPECT_EQ(TCorporation::AverageExperience(c.Loaders), 0);
  EXPECT_EQ(TCorporation::TotalSalary(c.Loaders), Currency());

  addWorker<kelpmark::TStuff>(c.Loaders, 50, 70);
  addWorker<kelpmark::TStuff>(c.Loaders, 51, 71);
  EXPECT_EQ(TCorporation::AverageMood(c.Loaders), 70);       // 70.5 truncated
  EXPECT_EQ(TCorporation::AverageExperience(c.Loaders), 50);  // 50.5 to even
  addWorker<kelpmark::TSaler>(c.Salesmen, 51, 0);
  addWorker<kelpmark::TSaler>(c.Salesmen, 52, 0);
  EXPECT_EQ(TCorporation::AverageExperience(c.Salesmen), 52);  // 51.5 to even
  addWorker<kelpmark::TSaler>(c.Salesmen, 52, 0);
  EXPECT_EQ(TCorporation::AverageExperience(c.Salesmen), 52);  // 51.67

  c.Salesmen[0].Salary = Currency::fromCount(750001);
  EXPECT_EQ(TCorporation::TotalSalary(c.Salesmen), Currency::fromCount(750001 + 2 * 750000));
  EXPECT_EQ(c.TotalPayroll(), Currency::fromCount(2250001) + units(100));
}

TEST(Company, StorageCapacityAndWorkplaces) {
  TCorporation c;
  EXPECT_EQ(c.StoreCapacity(), 0);
  EXPECT_EQ(c.LoaderPlaces(), 0);
  EXPECT_EQ(c.SalesmanPlaces(), 0);
  auto& store = addBuilding<kelpmark::TSmallStore>(c.Stores);
  EXPECT_EQ(c.StoreCapacity(), 5000);
  EXPECT_EQ(c.LoaderPlaces(), 5);
  store.UpgradeStore();
  EXPECT_EQ(c.StoreCapacity(), 10000);
  EXPECT_EQ(c.LoaderPlaces(), 10);

  addBuilding<kelpmark::TLot>(c.Lots);
  EXPECT_EQ(c.SalesmanPlaces(), 1);
  addBuilding<kelpmark::TLot>(c.Lots).StaffPlaces = 7;  // a stall counts as one place
  addBuilding<kelpmark::TShop>(c.Shops);
  EXPECT_EQ(c.SalesmanPlaces(), 7);

  kelpmark::StaffList list;
  addWorker<kelpmark::TStuff>(list, 50, 1);
  addWorker<kelpmark::TStuff>(list, 50, 50);
  addWorker<kelpmark::TStuff>(list, 50, 100);
  TCorporation::ShiftMood(list, -2);
  EXPECT_EQ(list[0].Mood, 0);
  EXPECT_EQ(list[1].Mood, 48);
  EXPECT_EQ(list[2].Mood, 98);
  TCorporation::ShiftMood(list, 5);
  EXPECT_EQ(list[2].Mood, 100);
}

TEST(Company, SellStoreLosesOnlyTheFishThatNoLongerFits) {
  TCorporation c;
  auto& first = addBuilding<kelpmark::TSmallStore>(c.Stores);
  auto& second = addBuilding<kelpmark::TSmallStore>(c.Stores, 500);
  c.FishStock = 5000;

  // Fish still fits into the other store.
  EXPECT_FALSE(c.SaleLosesFish(&second));
  EXPECT_EQ(c.SellStore(&second), 5);  // 5 places, no loaders
  EXPECT_EQ(c.Money, units(11200));  // 0.8 * 3000 * 500 / 1000 = 1200
  EXPECT_EQ(c.MonthIncome, units(1200));
  EXPECT_EQ(c.Stores.size(), 1u);

  // The only store with fish in stock: the fish is lost, five loaders are left
  // without a place.
  for (int i = 0; i < 5; ++i) addWorker<kelpmark::TStuff>(c.Loaders, 50, 70);
  EXPECT_TRUE(c.SaleLosesFish(&first));
  c.FishStock = 0;
  EXPECT_FALSE(c.SaleLosesFish(&first));
  c.FishStock = 5000;
  EXPECT_EQ(c.SellStore(&first), -5);
  EXPECT_TRUE(c.Stores.empty());
  EXPECT_EQ(c.FishStock, 0);
  EXPECT_EQ(c.Money, units(13600));
  EXPECT_EQ(c.Loaders.size(), 5u);

  // A store that is not in the list is not sold.
  kelpmark::TSmallStore stranger;
  EXPECT_FALSE(c.SaleLosesFish(&stranger));
  EXPECT_EQ(c.SellStore(&stranger), 0);
  EXPECT_EQ(c.Money, units(13600));
}

TEST(Company, SellStoreCutsTheStockToTheRemainingCapacity) {
  TCorporation c;
  addBuilding<kelpmark::TSmallStore>(c.Stores);
  auto& worn = addBuilding<kelpmark::TSmallStore>(c.Stores, -2);
  c.FishStock = 8000;
  EXPECT_EQ(c.SellStore(&worn), 5);
  EXPECT_EQ(c.FishStock, 5000);
  // Condition -2: 0.8 * 3000 * -2 / 1000 = -4.8, so the sale costs 5.
  EXPECT_EQ(c.Money, units(9995));
  EXPECT_EQ(c.MonthExpense, units(-5));
}

TEST(Company, SellSalePointPaysTheResaleValueAndCountsFreePlaces) {
  TCorporation c;
  auto& shop = addBuilding<kelpmark::TShop>(c.Shops);
  auto& lot = addBuilding<kelpmark::TLot>(c.Lots);
  for (int i = 0; i < 3; ++i) addWorker<kelpmark::TSaler>(c.Salesmen, 50, 70);
  // A stall is not in the shops' list.
  EXPECT_EQ(c.SellSalePoint(c.Shops, &lot), 0);
  EXPECT_EQ(c.Money, units(10000));
  EXPECT_EQ(c.SellSalePoint(c.Shops, &shop), -2);  // one stall place, three salesmen
  EXPECT_EQ(c.Money, units(16000));
  EXPECT_EQ(c.MonthIncome, units(6000));
  EXPECT_EQ(c.Salesmen.size(), 3u);
  EXPECT_EQ(c.SellSalePoint(c.Lots, &lot), -3);
  EXPECT_EQ(c.Money, units(17200));
}

TEST(Company, BuildingsAreNamedByListSizeAndCharged) {
  TCorporation c;
  c.Money = units(100000);
  c.BuildStore();
  c.BuildStore();
  EXPECT_EQ(c.Stores.text(0), "Склад N 1");
  EXPECT_EQ(c.Stores.text(1), "Склад N 2");
  c.Stores.removeAt(0);
  c.BuildStore();  // the number is the list size plus one: "2" again
  EXPECT_EQ(c.Stores.text(0), "Склад N 2");
  EXPECT_EQ(c.Stores.text(1), "Склад N 2");
  c.BuildLot();
  c.BuildShop();
  EXPECT_EQ(c.Lots.text(0), "Палатка N 1");
  EXPECT_EQ(c.Shops.text(0), "Магазин N 1");
  EXPECT_EQ(c.Money, units(100000 - 3 * 3000 - 1500 - 7500));
  EXPECT_EQ(c.MonthExpense, units(-18000));
}

// A hire draws the starting mood (one draw) and then the name (four draws for codes
// 1..8); the newcomer's mood then moves halfway toward the team's truncated average.
TEST(Company, HiringIntoFreeWorkplaces) {
  TCorporation c;
  kelpmark::Random random;
  random.setSeed(777);
  EXPECT_FALSE(c.HireLoader(random));
  EXPECT_FALSE(c.HireSalesman(random));
  EXPECT_EQ(random.seed(), 777u);  // a refused hire draws nothing
  EXPECT_EQ(c.Money, units(10000));

  addBuilding<kelpmark::TSmallStore>(c.Stores);
  kmtest::DrawSequence draws(777);
  const int firstMood = 85 - draws.integer(21);
  ASSERT_TRUE(c.HireLoader(random));
  EXPECT_EQ(random.seed(), kmtest::seedAfter(777, 5));
  EXPECT_EQ(c.Loaders[0].Mood, firstMood);  // alone, he is his own team's average
  EXPECT_EQ(c.Money, units(9999));
  EXPECT_EQ(c.Loaders.text(0).find("  "), std::string::npos);

  c.Loaders[0].Mood = 40;
  const uint32_t before = random.seed();
  kmtest::DrawSequence next(before);
  const int drawn = 85 - next.integer(21);
  ASSERT_TRUE(c.HireLoader(random));
  const int average = (40 + drawn) / 2;
  EXPECT_EQ(c.Loaders[1].Mood, (drawn + average) / 2);
  EXPECT_EQ(c.Loaders[0].Mood, 40);

  for (int i = 0; i < 3; ++i) ASSERT_TRUE(c.HireLoader(random));
  const uint32_t full = random.seed();
  EXPECT_FALSE(c.HireLoader(random));
  EXPECT_EQ(random.seed(), full);
  EXPECT_EQ(c.Loaders.size(), 5u);
  EXPECT_EQ(c.Money, units(9995));

  addBuilding<kelpmark::TLot>(c.Lots);
  ASSERT_TRUE(c.HireSalesman(random));
  EXPECT_FALSE(c.HireSalesman(random));
  EXPECT_EQ(c.Money, units(9985));
}

TEST(Company, AccountantsAndManagersShareTheOfficePlaces) {
  TCorporation c;
  kelpmark::Random random;
  c.Money = units(1000000);
  c.Office->StaffPlaces = 20;
  for (int i = 0; i < 10; ++i) {
    ASSERT_TRUE(c.HireAccountant(random));
    ASSERT_TRUE(c.HireManager(random));
  }
  EXPECT_FALSE(c.HireManager(random));
  EXPECT_FALSE(c.HireAccountant(random));
  EXPECT_EQ(c.Money, units(1000000 - 10 * 100 - 10 * 250));

  TCorporation d;
  d.Office->StaffPlaces = 20;
  for (int i = 0; i < 20; ++i) ASSERT_TRUE(d.HireAccountant(random));
  EXPECT_FALSE(d.HireManager(random));
}

TEST(Company, ShopLevelAverageAndCategoryUpkeep) {
  TCorporation c;
  EXPECT_EQ(c.AverageShopLevel(), 0);
  addBuilding<kelpmark::TShop>(c.Shops).Level = 1;
  addBuilding<kelpmark::TShop>(c.Shops).Level = 2;
  addBuilding<kelpmark::TShop>(c.Shops).Level = 2;
  EXPECT_EQ(c.AverageShopLevel(), 1);  // 5 / 3 truncated

  // A store at condition 400 with upkeep 60 adds 60 + 36; at 500 no surcharge.
  auto& a = addBuilding<kelpmark::TSmallStore>(c.Stores, 400);
  addBuilding<kelpmark::TSmallStore>(c.Stores, 500);
  EXPECT_EQ(c.StoresUpkeep(), units(60 + 36 + 60));
  // Upkeep 5 at condition 300: 5 * 700 / 1000 = 3.5 rounds to 4.
  a.Upkeep = units(5);
  a.Condition = 300;
  EXPECT_EQ(c.StoresUpkeep(), units(5 + 4 + 60));
  EXPECT_EQ(c.LotsUpkeep(), Currency());
  EXPECT_EQ(c.OfficeUpkeep(), Currency());
  c.Office->Level = 3;
  EXPECT_EQ(c.OfficeUpkeep(), units(200));
}
