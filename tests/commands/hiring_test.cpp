// SPDX-License-Identifier: GPL-3.0-or-later
// The hiring and construction buttons of the main window and the office upgrade.
#include <gtest/gtest.h>

#include "model/random_sequence.h"
#include "support/test_program.h"

using kelpmark::Currency;
using kelpmark::MainButton;

namespace {

Currency units(int64_t u) { return Currency::fromUnits(u); }

struct Hiring : kmtest::TestProgram {
  Hiring() { newGame(); }
  // The messages one click produced (the button opened as in working hours).
  std::vector<std::string> click(MainButton b) {
    view.clear();
    press(b);
    return view.messages;
  }
};

using Messages = std::vector<std::string>;
const char* const kNoMoney = "Недостаточно денег!";

}  // namespace

TEST(HiringButtons, WorkplacesDecideWhoCanBeHired) {
  Hiring h;
  using B = MainButton;
  EXPECT_EQ(h.click(B::StuffBtn), Messages{"Новому грузчику будет негде работать!"});
  EXPECT_EQ(h.click(B::SalerBtn), Messages{"Новому продавцу будет негде работать!"});
  EXPECT_EQ(h.click(B::AccounterBtn),
            Messages{"Офис маловат будет! Не пойдут бухгалтеры в такую дыру работать."});
  h.corp().Office->Level = 2;
  EXPECT_EQ(h.click(B::ManagerBtn),
            Messages{"Офис маловат будет! Не пойдут менеджеры в такую дыру работать."});
  EXPECT_EQ(h.corp().Money, units(10000));

  EXPECT_EQ(h.click(B::StorageBtn), Messages{});
  EXPECT_EQ(h.corp().Money, units(7000));
  for (int i = 0; i < 5; ++i) {
    // Each hire draws the mood and four numbers for a name of code 1.
    const uint32_t seed = h.game().random.seed();
    EXPECT_EQ(h.click(B::StuffBtn), Messages{});
    EXPECT_EQ(h.game().random.seed(), kmtest::seedAfter(seed, 5));
  }
  EXPECT_EQ(h.click(B::StuffBtn), Messages{"Новому грузчику будет негде работать!"});
  EXPECT_EQ(h.corp().Loaders.size(), 5u);
  EXPECT_EQ(h.corp().Money, units(6995));
  EXPECT_EQ(h.main().label(kelpmark::MainLabel::StuffLbl).text(), "Грузчиков:  5");

  // One stall and one shop give six salesman places.
  EXPECT_EQ(h.click(B::LotBtn), Messages{});
  h.corp().Money = units(10000);
  EXPECT_EQ(h.click(B::ShopBtn), Messages{});
  for (int i = 0; i < 6; ++i) EXPECT_EQ(h.click(B::SalerBtn), Messages{});
  EXPECT_EQ(h.click(B::SalerBtn), Messages{"Новому продавцу будет негде работать!"});

  // At office level 3 accountants and managers share 20 places.
  h.corp().Office->Level = 3;
  h.corp().Office->StaffPlaces = 20;
  h.corp().Money = units(100000);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(h.click(B::AccounterBtn), Messages{});
    EXPECT_EQ(h.click(B::ManagerBtn), Messages{});
  }
  EXPECT_EQ(h.click(B::ManagerBtn), Messages{"Новому менеджеру будет негде работать!"});
  EXPECT_EQ(h.click(B::AccounterBtn), Messages{"Новому бухгалтеру будет негде работать!"});
}

// The thresholds are cash on hand, not prices, and the money check comes first.
TEST(HiringButtons, MoneyThresholdsComeFirst) {
  Hiring h;
  using B = MainButton;
  h.corp().Money = units(9999);
  EXPECT_EQ(h.click(B::ShopBtn), Messages{kNoMoney});
  EXPECT_TRUE(h.corp().Shops.empty());
  h.corp().Money = units(10000);
  EXPECT_EQ(h.click(B::ShopBtn), Messages{});
  EXPECT_EQ(h.corp().Money, units(2500));

  h.corp().Money = Currency::fromCount(29999999);
  EXPECT_EQ(h.click(B::StorageBtn), Messages{kNoMoney});
  h.corp().Money = units(1500);
  EXPECT_EQ(h.click(B::LotBtn), Messages{});
  EXPECT_EQ(h.corp().Money, Currency());

  h.corp().Money = Currency::fromCount(999999);  // 99.9999
  EXPECT_EQ(h.click(B::SalerBtn), Messages{kNoMoney});
  EXPECT_EQ(h.click(B::StuffBtn), Messages{kNoMoney});
  h.corp().Money = units(100);
  EXPECT_EQ(h.click(B::SalerBtn), Messages{});
  EXPECT_EQ(h.corp().Money, units(90));

  // Too little money beats the small office.
  h.corp().Money = Currency::fromCount(9999999);
  EXPECT_EQ(h.click(B::AccounterBtn), Messages{kNoMoney});
  EXPECT_EQ(h.click(B::ManagerBtn), Messages{kNoMoney});
  h.corp().Office->Level = 2;
  h.corp().Money = units(1000);
  EXPECT_EQ(h.click(B::AccounterBtn), Messages{});
  EXPECT_EQ(h.corp().Money, units(900));
  EXPECT_EQ(h.corp().Accountants.size(), 1u);
}

// The upgrade from level L costs L^2 x 5000 and doubles the office's places.
TEST(OfficeUpgrade, PricesPlacesAndTheOrderOfRefusals) {
  Hiring h;
  using B = MainButton;
  h.corp().Money = units(5000);
  EXPECT_EQ(h.click(B::OfficeBtn), Messages{});
  EXPECT_EQ(h.corp().Money, Currency());
  EXPECT_EQ(h.corp().Office->Level, 2);
  EXPECT_EQ(h.corp().Office->StaffPlaces, 10);

  h.corp().Money = units(1000000);
  int64_t spent = 0;
  for (int64_t price : {20000, 45000, 80000, 125000, 180000}) {
    EXPECT_EQ(h.click(B::OfficeBtn), Messages{});
    spent += price;
    EXPECT_EQ(h.corp().Money, units(1000000 - spent)) << price;
  }
  EXPECT_EQ(h.corp().Office->Level, 7);
  EXPECT_EQ(h.corp().Office->StaffPlaces, 320);
  EXPECT_EQ(h.corp().Office->Value, units(5000));

  // At the top: 49 x 5000 = 245000 decides which refusal the player sees.
  h.corp().Money = Currency::fromCount(2449999999);
  EXPECT_EQ(h.click(B::OfficeBtn), Messages{kNoMoney});
  h.corp().Money = units(245000);
  EXPECT_EQ(h.click(B::OfficeBtn), Messages{"Офис уже круче некуда!"});
  EXPECT_EQ(h.corp().Money, units(245000));
  EXPECT_EQ(h.corp().Office->Level, 7);
}

// The display refresh disables the upgrade at level 7, and at levels 5 and 6 while
// prestige is below 20; it never enables it.
TEST(OfficeUpgrade, ButtonNeedsPrestigeForTheLastTwoLevels) {
  Hiring h;
  auto refreshAt = [&h](int level, int prestige) {
    h.corp().Office->Level = level;
    h.corp().Prestige = prestige;
    h.main().flag(MainButton::OfficeBtn) = true;
    h.main().RefreshDisplay();
    return h.main().flag(MainButton::OfficeBtn);
  };
  EXPECT_TRUE(refreshAt(4, -5));
  EXPECT_FALSE(refreshAt(5, 19));
  EXPECT_TRUE(refreshAt(5, 20));
  EXPECT_FALSE(refreshAt(6, 19));
  EXPECT_TRUE(refreshAt(6, 20));
  EXPECT_FALSE(refreshAt(7, 100));
  h.corp().Office->Level = 1;
  h.main().flag(MainButton::OfficeBtn) = false;
  h.main().RefreshDisplay();
  EXPECT_FALSE(h.main().flag(MainButton::OfficeBtn));

  // The hourly step opens it on a working day at 10 o'clock, then the refresh decides.
  auto tickIntoTuesday10 = [&h] {
    kelpmark::ClockValues& clock = h.game().values.clock;
    clock.CurrentHour = 9;
    clock.CurrentWeekDay = 3;
    clock.CurrentMonth = 1;
    clock.GameDate = 36893.0 + 10.0 / 24;
    h.ticks(1);
    ASSERT_EQ(clock.CurrentHour, 10);
  };
  h.corp().Office->Level = 5;
  h.corp().Prestige = 19;
  tickIntoTuesday10();
  EXPECT_FALSE(h.main().flag(MainButton::OfficeBtn));
  h.corp().Prestige = 20;
  tickIntoTuesday10();
  EXPECT_TRUE(h.main().flag(MainButton::OfficeBtn));
}
