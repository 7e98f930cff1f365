// A sound strategy played for several game months: the month's books always
// explain the change of cash, and the company's invariants hold throughout.
#include <gtest/gtest.h>

#include "commands/program.h"

namespace kelpmark {
namespace {

class AnswerYesView : public ViewPort {
 public:
  void message(const std::string& text) override { messages.push_back(text); }
  void error(const std::string& text) override { errors.push_back(text); }
  Answer question(const std::string& text, QuestionKind, bool) override {
    questions.push_back(text);
    return Answer::Yes;
  }
  void showModal(ModalWindow) override {}
  void openHelp(int) override {}
  void openWeb() override {}
  void endProgram() override {}
  std::vector<std::string> messages, errors, questions;
};

// A careful trader: a store, two stalls, staff for their places, and fish bought
// only while the stock runs low, so that cash never runs out.
void playHour(Program& p, const TCorporation& c) {
  auto press = [&p](MainButton b) { p.perform(PlayerAction::click(b)); };
  if (c.Stores.empty()) press(MainButton::StorageBtn);
  if (c.Lots.count() < 2) press(MainButton::LotBtn);
  if (c.Loaders.count() < 2) press(MainButton::StuffBtn);
  if (c.Salesmen.count() < c.SalesmanPlaces()) press(MainButton::SalerBtn);
  if (c.FishStock < 150) {
    press(MainButton::MaxBtn);
    press(MainButton::FishBtn);
  }
}

void expectInvariants(const TCorporation& c) {
  for (const StaffList* list : {&c.Accountants, &c.Loaders, &c.Managers, &c.Salesmen}) {
    for (const auto& e : *list) {
      ASSERT_GE(e.object->Mood, 0);
      ASSERT_LE(e.object->Mood, 100);
      ASSERT_GE(e.object->Experience, 0);
      ASSERT_LE(e.object->Experience, 100);
    }
  }
  for (const BuildingList* list : {&c.Shops, &c.Lots, &c.Stores})
    for (const auto& e : *list) ASSERT_LE(e.object->Level, e.object->MaxLevel);
  ASSERT_LE(c.Office->Level, c.Office->MaxLevel);
  ASSERT_GE(c.MarketShare, 1);
  ASSERT_LE(c.MarketShare, 100);
}

TEST(BooksBalance, MonthBooksExplainEveryChangeOfCash) {
  AnswerYesView view;
  ProgramOptions options;
  uint32_t seed = 20010101;
  options.clockSeed = [&seed](std::optional<uint32_t>) { return seed++; };
  Program program(view, options);
  program.perform(PlayerAction::newGame());
  program.perform(PlayerAction::speed(4));  // 15 game minutes a tick

  const TCorporation* company = &program.game.corp();
  Currency monthStart = company->Money;
  int monthsClosed = program.game.values.bargain.MonthsElapsed;
  int lastHour = -1;
  long sales = 0;
  int gamesLost = 0;
  const long ticks = 5L * 30 * 24 * 4;  // about five months
  for (long i = 0; i < ticks && !program.ended; ++i) {
    program.perform(PlayerAction::tick());
    const TCorporation& c = program.game.corp();
    if (&c != company) {
      // A loss answered Yes: a new company starts with its books empty.
      company = &c;
      ++gamesLost;
      monthStart = Currency::fromUnits(10000);
    }
    if (program.game.values.bargain.MonthsElapsed != monthsClosed) {
      // The month end has paid its tax and cleared the books.
      monthsClosed = program.game.values.bargain.MonthsElapsed;
      ASSERT_EQ(c.MonthIncome, Currency());
      ASSERT_EQ(c.MonthExpense, Currency());
      monthStart = c.Money;
    }
    ASSERT_EQ(c.MonthIncome + c.MonthExpense, c.Money - monthStart) << "tick " << i;
    ASSERT_GE(c.MonthIncome, Currency());
    ASSERT_LE(c.MonthExpense, Currency());
    expectInvariants(c);
    if (c.TodayRevenue > Currency()) ++sales;
    const int hour = program.game.values.clock.CurrentHour;
    if (hour != lastHour) {
      lastHour = hour;
      playHour(program, c);
      ASSERT_EQ(c.MonthIncome + c.MonthExpense, c.Money - monthStart) << "after commands, tick " << i;
    }
  }
  const TCorporation& c = program.game.corp();
  EXPECT_GE(monthsClosed, 4);  // the first tick's month end, then January..March
  EXPECT_GT(sales, 0);
  EXPECT_GE(c.Stores.count(), 1);
  EXPECT_GT(c.Salesmen.count(), 0);
  EXPECT_TRUE(view.errors.empty());
  EXPECT_LE(gamesLost, 1);
}

}  // namespace
}  // namespace kelpmark
