// SPDX-License-Identifier: GPL-3.0-or-later
// The purchase panel: the quantity field and its steps, Max with the terminal
// sponsorship, bargaining once an hour and buying at the weighted average cost.
#include <gtest/gtest.h>

#include <vector>

#include "model/company_builder.h"
#include "model/random_sequence.h"
#include "support/test_program.h"

using kelpmark::Currency;
using kelpmark::MainButton;
using kelpmark::MainLabel;

namespace {

Currency units(int64_t u) { return Currency::fromUnits(u); }
const char* const kLocked = "Нельзя изменить количество после торга!";

// A new game (wholesale price 8, so 800 per 100 kg) with stores and loaders.
struct Panel : kmtest::TestProgram {
  Panel(int stores, int loaders, int experience) {
    newGame();
    // The panel opened as in working hours (the new game's own step ran at hour 0).
    main().FishPanelEnabled = true;
    main().flag(MainButton::FishBtn) = true;
    for (int i = 0; i < stores; ++i) kmtest::addBuilding<kelpmark::TSmallStore>(corp().Stores);
    for (int i = 0; i < loaders; ++i)
      kmtest::addWorker<kelpmark::TStuff>(corp().Loaders, experience, 70);
  }
  int32_t value() { return main().PSpn.value; }
  void spin(int direction) { perform(kelpmark::PlayerAction::spin(direction)); }
  std::string caption(MainLabel l) { return main().label(l).caption; }
};

}  // namespace

TEST(PurchasePanel, MaxTakesTheLimitAndPricesWholeHundreds) {
  Panel none(1, 0, 50);
  none.click(MainButton::MaxBtn);
  EXPECT_EQ(none.value(), 0);
  EXPECT_EQ(none.caption(MainLabel::TotalLbl), "0");

  // 1400 kg of carrying, but 10000 / 1.01 buys only 1200 kg at 8.
  Panel p(1, 7, 100);
  p.click(MainButton::MaxBtn);
  EXPECT_EQ(p.value(), 1200);
  EXPECT_EQ(p.main().total, units(9600));
  EXPECT_EQ(p.caption(MainLabel::TotalLbl), "9600");
  EXPECT_EQ(p.main().PSpn.increment, 200);
  EXPECT_TRUE(p.view.questions.empty());

  // Only whole hundreds of kilograms are priced: 150 + 200 = 350 kg cost 3 x 800.
  p.main().PSpn.value = 150;
  p.spin(+1);
  EXPECT_EQ(p.value(), 350);
  EXPECT_EQ(p.main().total, units(2400));
}

// Stepping up from 0 with room for more than 10000 kg: 100 up to 1000, 200 above
// 1000, 500 above 4000; the field stops at its maximum of 10000.
TEST(PurchasePanel, SpinStepsFollowTheValue) {
  Panel p(3, 60, 100);  // 15000 kg of room, 12000 kg of carrying
  p.corp().Money = units(1000000);
  std::vector<int> expected;
  for (int v = 100; v <= 1000; v += 100) expected.push_back(v);
  for (int v = 1100; v <= 3900; v += 200) expected.push_back(v);
  for (int v = 4100; v <= 9600; v += 500) expected.push_back(v);
  expected.push_back(10000);
  std::vector<int> seen;
  for (size_t i = 0; i < expected.size(); ++i) {
    p.spin(+1);
    seen.push_back(p.value());
  }
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(p.main().PSpn.increment, 500);
  p.spin(+1);
  EXPECT_EQ(p.value(), 10000);
  p.spin(-1);
  EXPECT_EQ(p.value(), 9500);
  // Above 10000 (after a sponsorship) the step is 1000.
  p.main().PSpn.maxValue = 20000;
  p.spin(+1);
  EXPECT_EQ(p.value(), 10000);
  p.spin(+1);
  EXPECT_EQ(p.value(), 10500);
  EXPECT_EQ(p.main().PSpn.increment, 1000);
  p.spin(+1);
  EXPECT_EQ(p.value(), 11500);
  EXPECT_TRUE(p.view.errors.empty());
}

// A value above the limit is put back to the limit, and the change handler runs again
// for it: the step is that of the final value.
TEST(PurchasePanel, ClampToTheLimitTakesTheStepOfTheFinalValue) {
  Panel p(1, 5, 100);  // limit 1000
  for (int i = 0; i < 10; ++i) p.spin(+1);
  ASSERT_EQ(p.value(), 1000);
  p.spin(+1);  // 1100 (step 200) is clamped to 1000 (step 100)
  EXPECT_EQ(p.value(), 1000);
  EXPECT_EQ(p.main().PSpn.increment, 100);
  EXPECT_EQ(p.main().total, units(8000));
}

TEST(PurchasePanel, BargainLocksTheQuantityUntilTheNextHour) {
  Panel p(1, 5, 50);  // limit 500
  p.main().PSpn.value = 1000;  // chosen earlier; the bargain first cuts it to the limit
  const uint32_t seed = p.game().random.seed();
  p.click(MainButton::TorgBtn);
  // No manager: the unskilled roll 1 - Random(10) per 100 kg.
  const int discount = 1 - kmtest::DrawSequence(seed).integer(10);
  const Currency price = units(800 - discount);
  EXPECT_EQ(p.game().random.seed(), kmtest::seedAfter(seed, 1));
  EXPECT_EQ(p.value(), 500);
  EXPECT_EQ(p.main().BargainedQuantity, 500);
  EXPECT_FALSE(p.main().flag(MainButton::TorgBtn));
  EXPECT_EQ(p.main().realPrice, price);
  EXPECT_EQ(p.caption(MainLabel::RealPrcLbl), std::to_string(800 - discount));
  EXPECT_EQ(p.main().total, price * 5);

  p.spin(+1);
  p.spin(-1);
  EXPECT_EQ(p.view.errors, (std::vector<std::string>{kLocked, kLocked}));
  EXPECT_EQ(p.value(), 500);
  EXPECT_EQ(p.main().PSpn.increment, 100);

  // Max with the same limit changes nothing and keeps the bargained price.
  p.view.clear();
  p.click(MainButton::MaxBtn);
  EXPECT_TRUE(p.view.errors.empty());
  EXPECT_EQ(p.main().total, price * 5);
  // With a different limit it runs into the lock.
  kmtest::addWorker<kelpmark::TStuff>(p.corp().Loaders, 50, 70);
  p.click(MainButton::MaxBtn);
  EXPECT_EQ(p.view.errors, std::vector<std::string>{kLocked});
  EXPECT_EQ(p.value(), 500);

  // The next hour's step unlocks the field and brings back the base price.
  p.speed(5);
  p.ticks(1);
  const Currency base = p.game().values.market.WholesalePrice * 100;
  EXPECT_NE(base, price);
  EXPECT_TRUE(p.main().flag(MainButton::TorgBtn));
  EXPECT_EQ(p.main().BargainedQuantity, 0);
  EXPECT_EQ(p.main().realPrice, base);
  EXPECT_EQ(p.caption(MainLabel::RealPrcLbl), p.game().money(base));
  EXPECT_EQ(p.main().total, base * 5);
  p.spin(+1);
  EXPECT_EQ(p.value(), 600);
}

// The offer needs a limit above the field's maximum and strictly more than 50000.
TEST(PurchasePanel, TerminalSponsorship) {
  Panel p(3, 60, 100);  // 12000 kg of carrying
  p.corp().Money = units(100000);
  p.view.answers = {kelpmark::Answer::No};
  p.click(MainButton::MaxBtn);
  ASSERT_EQ(p.view.questions.size(), 1u);
  EXPECT_EQ(p.view.questions[0].text,
            "Если вы проспонсируете строительство дополнительного терминала,\n\r"
            "то сможете закупать больше. Дадите $50000?");
  EXPECT_EQ(p.view.questions[0].kind, kelpmark::QuestionKind::Confirmation);
  EXPECT_EQ(p.main().PSpn.maxValue, 10000);
  EXPECT_EQ(p.corp().Money, units(100000));
  EXPECT_EQ(p.value(), 10000);

  p.click(MainButton::MaxBtn);  // asked again; Yes this time
  EXPECT_EQ(p.view.questions.size(), 2u);
  EXPECT_EQ(p.main().PSpn.maxValue, 20000);
  EXPECT_EQ(p.corp().Money, units(50000));
  EXPECT_EQ(p.corp().MonthExpense, units(-50000));
  EXPECT_EQ(p.value(), 10000);  // not raised by the sponsorship itself
  EXPECT_EQ(p.caption(MainLabel::MoneyLbl), "50000");

  // 50000 / 1.01 buys 6100 kg at 8; no offer.
  p.click(MainButton::MaxBtn);
  EXPECT_EQ(p.value(), 6100);
  EXPECT_EQ(p.view.questions.size(), 2u);

  // Exactly 50000 at a price of 4 allows 12000 kg, yet no offer is made.
  Panel q(3, 60, 100);
  q.corp().Money = units(50000);
  q.game().values.market.WholesalePrice = units(4);
  q.click(MainButton::MaxBtn);
  EXPECT_TRUE(q.view.questions.empty());
  EXPECT_EQ(q.value(), 10000);
}

TEST(PurchasePanel, BuyingAddsToTheStockAtTheWeightedAverageCost) {
  Panel p(1, 5, 50);
  p.click(MainButton::MaxBtn);
  ASSERT_EQ(p.value(), 500);
  p.main().flag(MainButton::FishBtn) = true;
  p.click(MainButton::FishBtn);
  EXPECT_EQ(p.corp().FishStock, 500);
  EXPECT_EQ(p.corp().StockCost, units(8));
  EXPECT_EQ(p.corp().Money, units(6000));
  EXPECT_FALSE(p.main().flag(MainButton::FishBtn));
  EXPECT_EQ(p.caption(MainLabel::ByPrcLbl), "8.00");

  // Another 500 kg for the 4500 the total shows (900 per 100 kg).
  p.main().total = units(4500);
  p.main().flag(MainButton::FishBtn) = true;
  p.click(MainButton::FishBtn);
  EXPECT_EQ(p.corp().FishStock, 1000);
  EXPECT_EQ(p.corp().StockCost, Currency::fromDouble(8.5));
  EXPECT_EQ(p.corp().Money, units(1500));
  EXPECT_TRUE(p.view.messages.empty());
}

TEST(PurchasePanel, AverageCostRoundsHalfToEven) {
  // 100 kg at 8.0001 plus 100 kg for 800: 1600.01 / 200 = 8.00005 -> 8.0000;
  // at 8.0003: 1600.03 / 200 = 8.00015 -> 8.0002.
  for (const auto& [before, after] : {std::pair{80001, 80000}, std::pair{80003, 80002}}) {
    Panel p(1, 1, 50);
    p.corp().FishStock = 100;
    p.corp().StockCost = Currency::fromCount(before);
    p.spin(+1);
    ASSERT_EQ(p.main().total, units(800));
    p.click(MainButton::FishBtn);
    EXPECT_EQ(p.corp().StockCost, Currency::fromCount(after)) << before;
  }
}

TEST(PurchasePanel, RefusalsAndTheEmptyPurchase) {
  Panel noStore(0, 5, 50);
  noStore.spin(+1);  // no room: the limit puts it back to 0
  noStore.click(MainButton::FishBtn);
  EXPECT_EQ(noStore.view.messages, std::vector<std::string>{"Недостаточно места для хранения!"});
  EXPECT_EQ(noStore.corp().FishStock, 0);

  Panel full(1, 5, 50);
  full.spin(+1);
  full.corp().FishStock = 5000;
  full.click(MainButton::FishBtn);
  EXPECT_EQ(full.view.messages, std::vector<std::string>{"Недостаточно места для хранения!"});
  EXPECT_EQ(full.corp().FishStock, 5000);

  // The total held by the label is checked against the money at the click.
  Panel poor(1, 5, 50);
  poor.click(MainButton::MaxBtn);
  poor.corp().Money = units(3999);
  poor.main().flag(MainButton::FishBtn) = true;
  poor.click(MainButton::FishBtn);
  EXPECT_EQ(poor.view.messages, std::vector<std::string>{"Недостаточно денег!"});
  EXPECT_EQ(poor.corp().FishStock, 0);
  EXPECT_EQ(poor.corp().Money, units(3999));
  EXPECT_TRUE(poor.main().flag(MainButton::FishBtn));

  // Buying 0 kg with an empty stock keeps the cost price.
  Panel empty(1, 5, 50);
  empty.corp().StockCost = Currency::fromDouble(7.25);
  empty.main().flag(MainButton::FishBtn) = true;
  empty.click(MainButton::FishBtn);
  EXPECT_EQ(empty.corp().FishStock, 0);
  EXPECT_EQ(empty.corp().StockCost, Currency::fromDouble(7.25));
  EXPECT_EQ(empty.corp().Money, units(10000));
  EXPECT_FALSE(empty.main().flag(MainButton::FishBtn));
}
