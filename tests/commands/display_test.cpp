// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window's status labels and the reports window's figures show.
#include <gtest/gtest.h>

#include "model/company_builder.h"
#include "support/test_program.h"

using kelpmark::Currency;
using kelpmark::MainLabel;
using kelpmark::ReportLabel;

namespace {

Currency units(int64_t u) { return Currency::fromUnits(u); }
Currency count(int64_t c) { return Currency::fromCount(c); }

}  // namespace

TEST(MainDisplay, StatusLabelsAndPrices) {
  kmtest::TestProgram p;
  p.newGame();
  auto text = [&p](MainLabel l) { return p.main().label(l).text(); };
  EXPECT_EQ(text(MainLabel::MoneyLbl), "Денег:  $10000");
  EXPECT_EQ(text(MainLabel::FishLbl), "Рыбы:  0 (0) кг.");
  EXPECT_EQ(text(MainLabel::OfficeLbl), "Размер офиса:  1");
  EXPECT_EQ(text(MainLabel::PrestigeLbl), "Ваша репутация:  0");
  EXPECT_EQ(text(MainLabel::MarketLbl), "Доля рынка, не более  2%");
  EXPECT_EQ(text(MainLabel::UsedMarketLbl), "Использование доли:  0%");
  EXPECT_EQ(text(MainLabel::BasePrcLbl), "Базовая цена:  $800 за 100 кг");

  kelpmark::MarketValues& m = p.game().values.market;
  m.RetailPrice = Currency::fromDouble(10.5);
  m.WholesalePrice = count(81234);
  p.corp().Money = count(-123456);
  p.corp().StockCost = count(85050);
  kmtest::addBuilding<kelpmark::TSmallStore>(p.corp().Stores);
  p.corp().FishStock = 120;
  p.main().RefreshDisplay();
  EXPECT_EQ(text(MainLabel::SalePrcLbl), "< $10.50 (8.40)");
  EXPECT_EQ(text(MainLabel::BasePrcLbl), "Базовая цена:  $812.34 за 100 кг");
  EXPECT_EQ(text(MainLabel::MoneyLbl), "Денег:  $-12.3456");
  EXPECT_EQ(text(MainLabel::ByPrcLbl), "> $8.50");
  EXPECT_EQ(text(MainLabel::FishLbl), "Рыбы:  120 (5000) кг.");

  // 0.8 x 10.0063 = 8.00504 is first kept to 8.0050, which shows as 8.00 (half to
  // even on the exact amount), not 8.01.
  m.RetailPrice = count(100063);
  p.corp().StockCost = count(85150);
  p.main().RefreshDisplay();
  EXPECT_EQ(text(MainLabel::SalePrcLbl), "< $10.01 (8.00)");
  EXPECT_EQ(text(MainLabel::ByPrcLbl), "> $8.52");
}

TEST(MainDisplay, DecimalSeparatorOfTheSystem) {
  kelpmark::FormatSettings format;
  format.decimalSeparator = ',';
  kmtest::TestProgram p(1, format);
  p.newGame();
  kelpmark::Program& program = p.program;
  program.game.corp().Money = count(100005000);
  program.game.values.market.RetailPrice = Currency::fromDouble(10.5);
  program.mainForm.RefreshDisplay();
  EXPECT_EQ(program.mainForm.label(MainLabel::MoneyLbl).text(), "Денег:  $10000,5");
  EXPECT_EQ(program.mainForm.label(MainLabel::SalePrcLbl).text(), "< $10,50 (8,40)");
}

TEST(ReportsWindow, FiguresRoundedAsShown) {
  kmtest::TestProgram p;
  p.newGame();
  kelpmark::TCorporation& c = p.corp();
  auto text = [&p](ReportLabel l) { return p.program.reportForm.label(l).text(); };
  kmtest::addBuilding<kelpmark::TSmallStore>(c.Stores, 400);  // 60 + 36
  kmtest::addBuilding<kelpmark::TLot>(c.Lots);                // 15
  kmtest::addWorker<kelpmark::TSaler>(c.Salesmen, 50, 70);    // 75
  kmtest::addWorker<kelpmark::TStuff>(c.Loaders, 50, 70);     // 50
  c.Office->Level = 3;
  c.MonthExpense = Currency::fromDouble(-12.5);
  c.MonthIncome = Currency::fromDouble(13.5);
  c.LastDayRevenue = Currency::fromDouble(12.5);
  c.TaxSavedShare = 0.123456;
  c.Money = Currency::fromDouble(10000.5);
  p.program.reportForm.FormShow();
  EXPECT_EQ(text(ReportLabel::BuildingsLbl), "Содержание построек: $111 в сутки");
  EXPECT_EQ(text(ReportLabel::OfficeLbl), "Содержание офиса: $200 в сутки");
  EXPECT_EQ(text(ReportLabel::SalaryLbl), "Заработная плата: $125 в неделю");
  EXPECT_EQ(text(ReportLabel::DebitLbl), "Расход с начала месяца: $12");
  EXPECT_EQ(text(ReportLabel::IncomeLbl), "Оборот за вчера: $12 с НДС и НСП");
  EXPECT_EQ(text(ReportLabel::CreditLbl), "Доход с начала месяца: $14");
  EXPECT_EQ(text(ReportLabel::FreeTaxLbl), "Эффективный уход от налогов: 12.35%");
  // 10000.5 in cash plus 960 + 1200 for the buildings: 12160.5 to even.
  EXPECT_EQ(text(ReportLabel::MajorLbl), "Стоимость компании: $12160");
  EXPECT_EQ(text(ReportLabel::DeltaLbl), "Динамика с начала месяца: 0%");

  c.MonthExpense = Currency::fromDouble(-13.5);
  c.Money = Currency::fromDouble(10000.5 - 2160 + 1);  // value 10001.5
  c.LastMonthValue = units(9092);
  p.program.reportForm.FormShow();
  EXPECT_EQ(text(ReportLabel::DebitLbl), "Расход с начала месяца: $14");
  EXPECT_EQ(text(ReportLabel::MajorLbl), "Стоимость компании: $10002");
  c.Money = units(11000 - 2160);
  c.LastMonthValue = units(10000);
  p.program.reportForm.FormShow();
  EXPECT_EQ(text(ReportLabel::DeltaLbl), "Динамика с начала месяца: 10.00%");
  c.LastMonthValue = units(-10000);
  p.program.reportForm.FormShow();
  EXPECT_EQ(text(ReportLabel::DeltaLbl), "Динамика с начала месяца: 0%");
}
