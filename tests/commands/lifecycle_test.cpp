// SPDX-License-Identifier: GPL-3.0-or-later
// Resuming the saved game at start-up and the save question at exit, and games
// played for days and months that must come back from their file unchanged.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

#include "commands/lifecycle.h"
#include "commands/program.h"
#include "commands/recovery.h"
#include "commands/saved_books.h"
#include "commands/saved_game.h"
#include "engine/month_end.h"
#include "model/books_file.h"
#include "model/codepage.h"
#include "model/save_file.h"
#include "support/save_files.h"
#include "support/scratch_dir.h"
#include "support/test_program.h"

namespace kelpmark {
namespace {

namespace fs = std::filesystem;
using kmtest::ScratchDir;
using kmtest::TestProgram;
using savetest::FailAfterLines;
using savetest::readAll;
using savetest::writeAll;

// ---------------------------------------------------------------------------
// helpers

std::vector<std::string> linesOf(const Program& p) {
  return SaveLines(p.game.corp(), p.game.values, p.game.ticker.firstLine());
}

// Positions of the lines that a resume does not take over.
size_t hourStepLine(const std::vector<std::string>& lines) {
  return savetest::engineLine(lines, "HourStep");
}
size_t speedDividerLine(const std::vector<std::string>& lines) {
  return savetest::engineLine(lines, "SpeedDivider");
}
size_t chartTickLine(const std::vector<std::string>& lines) {
  return savetest::closingLine(lines, "ChartTick");
}

void tick(Program& p, int n) { p.perform(PlayerAction::tick(static_cast<uint64_t>(n))); }

// Clicks a main window button the way a player can: only while it is enabled.
bool press(Program& p, MainButton b) {
  return p.perform(PlayerAction::click(b)) == ActionResult::Done;
}

void newGame(Program& p) { p.perform(PlayerAction::newGame()); }
void setSpeed(Program& p, int level) { p.perform(PlayerAction::speed(level)); }

void pressTimes(Program& p, MainButton b, int n) {
  for (int i = 0; i < n; ++i) ASSERT_TRUE(press(p, b)) << mainButtonName(b);
}

// Ticks until the game clock shows the hour (at most two days).
void tickToHour(Program& p, int hour) {
  for (int i = 0; i < 48 * 60; ++i) {
    const int before = p.game.values.clock.CurrentHour;
    tick(p, 1);
    if (p.game.values.clock.CurrentHour == hour && before != hour) return;
  }
  FAIL() << "hour " << hour << " never came";
}

void giveMoney(Program& p, int64_t units) {
  TCorporation& c = p.game.corp();
  c.receive(Currency::fromUnits(units), kelpmark::MoneyCategory::Sales);
}

// The game's books as their file holds them.
std::string booksOf(const Program& p) {
  const TCorporation& c = p.game.corp();
  return booksFileText(c.books, p.game.values.clock.GameDate, c.Money);
}

bool outcomeAsked(const kmtest::FakeView& v) {
  for (const auto& q : v.questions)
    if (q.text == kValueHalvedText.source || q.text == kPrestigeLostText.source ||
        q.text == kYearOverText.source)
      return true;
  return false;
}

// ---------------------------------------------------------------------------
// The round trip of a played game

// Saves the game, loads it back in three ways and checks that nothing changes:
// into a bare company with the program's own engine values (byte for byte), through
// the start-up resume of a fresh program (all but the lines it does not take over),
// and a resumed game saved and resumed again (byte for byte, and it plays on alike).
void expectRoundTrip(Program& original, const std::string& stage) {
  SCOPED_TRACE(stage);
  ScratchDir dir;
  const std::string first = (dir / "first.dat").string();
  const std::vector<std::string> lines = linesOf(original);
  ASSERT_TRUE(saveCurrentGame(original, first));
  const std::string bytes = readAll(first);
  ASSERT_EQ(bytes, SaveFileBytes(lines));

  {  // The model's reader, with the engine values of the saving program.
    TCorporation company;
    SavedWorld world{original.game.values, {}};
    Random random;
    ASSERT_TRUE(LoadGame(first, company, world, random));
    EXPECT_EQ(SaveFileBytes(SaveLines(company, world.values, world.tickerLine)), bytes);
    EXPECT_EQ(company.MarketUse, 0);
    for (const auto& e : company.Stores)
      EXPECT_EQ(static_cast<const TSmallStore&>(*e.object).Capacity, 5000);
  }

  // The start-up resume of a fresh program.
  TestProgram resumed(500);
  Program& p1 = resumed.program;
  resumeSavedGame(p1, first);
  ASSERT_TRUE(p1.game.hasCompany());
  EXPECT_TRUE(resumed.view.messages.empty()) << resumed.view.messages.front();
  const std::vector<std::string> again = linesOf(p1);
  ASSERT_EQ(again.size(), lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i == hourStepLine(lines) || i == speedDividerLine(lines) || i == chartTickLine(lines))
      continue;
    EXPECT_EQ(again[i], lines[i]) << "line " << i + 1;
  }
  EXPECT_EQ(again[hourStepLine(again)], std::to_string(p1.game.values.clock.HourStep));
  EXPECT_EQ(again[speedDividerLine(again)], "60") << "a resumed game runs at speed 2";
  EXPECT_EQ(p1.game.values.clock.ChartTick, 1) << "the chart counter is the program's own";
  EXPECT_EQ(p1.game.ticker.lines(), std::vector<std::string>{original.game.ticker.firstLine()});
  EXPECT_EQ(p1.game.corp().MarketUse, 0);
  EXPECT_EQ(p1.mainForm.SpeedLevel, 2);

  // Saved again and resumed again: the same file, and the same game from here on.
  const std::string second = (dir / "second.dat").string();
  ASSERT_TRUE(saveCurrentGame(p1, second));
  TestProgram resumedAgain(500);
  Program& p2 = resumedAgain.program;
  resumeSavedGame(p2, second);
  const std::string third = (dir / "third.dat").string();
  ASSERT_TRUE(saveCurrentGame(p2, third));
  EXPECT_EQ(readAll(third), readAll(second));
  ASSERT_EQ(p1.game.random.seed(), p2.game.random.seed());

  setSpeed(p1, 5);
  setSpeed(p2, 5);
  for (int i = 0; i < 60; ++i) {
    tick(p1, 1);
    tick(p2, 1);
    if (i % 7 == 3) {
      press(p1, MainButton::MaxBtn);
      press(p2, MainButton::MaxBtn);
      press(p1, MainButton::FishBtn);
      press(p2, MainButton::FishBtn);
    }
    ASSERT_EQ(p1.game.hasCompany(), p2.game.hasCompany());
    if (!p1.game.hasCompany()) break;
    ASSERT_EQ(linesOf(p1), linesOf(p2)) << "after " << i + 1 << " hours";
  }
  EXPECT_EQ(p1.game.random.seed(), p2.game.random.seed());
  EXPECT_EQ(resumed.view.messages, resumedAgain.view.messages);
  EXPECT_EQ(p1.game.ticker.lines(), p2.game.ticker.lines());
  for (size_t i = 0; i < kMainLabelCount; ++i) {
    const auto l = static_cast<MainLabel>(i);
    EXPECT_EQ(p1.mainForm.label(l).text(), p2.mainForm.label(l).text()) << mainLabelName(l);
  }
}

TEST(SaveRoundTrip, NewGameAtOnce) {
  TestProgram tp(7);
  Program& p = tp.program;
  newGame(p);
  expectRoundTrip(p, "new game");
}

TEST(SaveRoundTrip, GamePlayedForMonths) {
  TestProgram tp(11);
  Program& p = tp.program;
  newGame(p);

  // The first morning: a store, a stall and their staff.
  pressTimes(p, MainButton::StorageBtn, 1);
  pressTimes(p, MainButton::LotBtn, 1);
  pressTimes(p, MainButton::StuffBtn, 3);
  pressTimes(p, MainButton::SalerBtn, 1);
  expectRoundTrip(p, "first morning");

  setSpeed(p, 3);
  tick(p, 12);
  ASSERT_TRUE(press(p, MainButton::MaxBtn));
  ASSERT_TRUE(press(p, MainButton::FishBtn));
  ASSERT_GT(p.game.corp().FishStock, 0);
  expectRoundTrip(p, "fish bought");

  // Money for the office and all four professions.
  setSpeed(p, 5);
  tickToHour(p, 9);
  giveMoney(p, 200000);
  pressTimes(p, MainButton::ShopBtn, 1);
  pressTimes(p, MainButton::StorageBtn, 1);
  pressTimes(p, MainButton::OfficeBtn, 2);
  ASSERT_EQ(p.game.corp().Office->Level, 3);
  pressTimes(p, MainButton::AccounterBtn, 3);
  pressTimes(p, MainButton::ManagerBtn, 2);
  pressTimes(p, MainButton::SalerBtn, 5);
  pressTimes(p, MainButton::StuffBtn, 4);
  ASSERT_TRUE(press(p, MainButton::MaxBtn));
  ASSERT_TRUE(press(p, MainButton::TorgBtn));
  ASSERT_TRUE(press(p, MainButton::FishBtn));
  expectRoundTrip(p, "all professions hired");

  tick(p, 30);  // sales, a night, the daily report on the ticker
  ASSERT_GT(p.game.corp().TodayRevenue + p.game.corp().LastDayRevenue, Currency());
  expectRoundTrip(p, "after a day of sales");

  // A strike: the loaders' and managers' mood falls below 30 before 7:00.
  for (const auto& e : p.game.corp().Loaders) e.object->SetMood(5);
  for (const auto& e : p.game.corp().Managers) e.object->SetMood(10);
  tickToHour(p, 7);
  ASSERT_FALSE(p.game.corp().LoadersWork);
  ASSERT_FALSE(p.game.corp().ManagersWork);
  expectRoundTrip(p, "strike");
  for (const auto& e : p.game.corp().Loaders) e.object->SetMood(80);
  for (const auto& e : p.game.corp().Managers) e.object->SetMood(80);

  // Debt: a night in the red is charged.
  giveMoney(p, -(p.game.corp().Money.count() / 10000) - 5000);
  tickToHour(p, 1);
  ASSERT_LT(p.game.corp().Money, Currency());
  ASSERT_GT(p.game.corp().OverdraftPenalty, 0);
  expectRoundTrip(p, "overdraft");
  giveMoney(p, 100000);

  // Upgraded store and shop, a pending campaign and a pause.
  static_cast<TSmallStore&>(p.game.corp().Stores[1]).UpgradeStore();
  p.game.corp().Shops[0].Upgrade();
  p.game.corp().Shops[0].Upgrade();
  TCorporation& c = p.game.corp();
  c.PendingCampaign = 8;
  c.CampaignReadyDate = p.game.values.clock.GameDate + 1.5;
  c.CampaignDuration = 7;
  tickToHour(p, 10);
  ASSERT_TRUE(press(p, MainButton::StopBtn));
  expectRoundTrip(p, "upgrades, campaign ordered, paused");

  // On to the month end and beyond.
  for (int day = 0; day < 40 && p.game.values.clock.CurrentMonth < 3; ++day) {
    tickToHour(p, 10);
    press(p, MainButton::MaxBtn);
    press(p, MainButton::FishBtn);
    if (p.game.corp().Money < Currency::fromUnits(20000)) giveMoney(p, 50000);
  }
  ASSERT_FALSE(outcomeAsked(tp.view));
  ASSERT_GE(p.game.values.clock.CurrentMonth, 2);
  ASSERT_NE(p.game.corp().LastMonthValue, Currency());
  expectRoundTrip(p, "after the month end");

  // Into April, then stop in the middle of a trading hour at the slow speed.
  for (int day = 0; day < 80 && p.game.values.clock.CurrentMonth < 4; ++day) {
    tickToHour(p, 11);
    press(p, MainButton::MaxBtn);
    press(p, MainButton::FishBtn);
    if (p.game.corp().Money < Currency::fromUnits(20000)) giveMoney(p, 50000);
  }
  setSpeed(p, 2);
  tick(p, 37);
  ASSERT_FALSE(outcomeAsked(tp.view));
  ASSERT_EQ(p.game.values.clock.CurrentMonth, 4);
  ASSERT_FALSE(p.game.corp().Shops.empty()) << "still the same game";
  expectRoundTrip(p, "months later");
}

TEST(SaveRoundTrip, ResumeDrawsOneRandomNumberPerSavedEmployee) {
  ScratchDir dir;
  const std::string path = (dir / "game.dat").string();
  TestProgram tp(21);
  Program& p = tp.program;
  newGame(p);
  pressTimes(p, MainButton::StorageBtn, 1);
  pressTimes(p, MainButton::LotBtn, 1);
  pressTimes(p, MainButton::StuffBtn, 4);
  pressTimes(p, MainButton::SalerBtn, 1);
  ASSERT_TRUE(saveCurrentGame(p, path));

  // A resume whose file holds nothing at all: the new game and the hourly step.
  TestProgram fresh(900);
  resumeGame(fresh.program, [](TCorporation&, SavedWorld&, Random&) { return true; }, {});
  const uint64_t newGameDraws = fresh.program.game.random.draws();

  TestProgram resumed(900);
  resumeSavedGame(resumed.program, path);
  EXPECT_EQ(resumed.program.game.random.draws(), newGameDraws + 5) << "one draw per saved employee";
}

// ---------------------------------------------------------------------------
// Start-up

TEST(LifecycleFormShow, NoFileNoQuestionNoGame) {
  ScratchDir dir;
  TestProgram tp;
  FormShow(tp.program, (dir / "game.dat").string());
  EXPECT_TRUE(tp.view.questions.empty());
  EXPECT_FALSE(tp.program.game.hasCompany());
  EXPECT_TRUE(tp.program.mainForm.forbiddenCursor);
  EXPECT_TRUE(tp.program.mainForm.NewGameMEnabled);
}

TEST(LifecycleFormShow, AnswerNoStartsNothing) {
  ScratchDir dir;
  const std::string path = (dir / "game.dat").string();
  writeAll(path, SaveFileBytes(SaveLines(TCorporation{}, EngineValues{}, "x")));
  TestProgram tp;
  tp.view.answers.push_back(Answer::No);
  FormShow(tp.program, path);
  ASSERT_EQ(tp.view.questions.size(), 1u);
  EXPECT_EQ(tp.view.questions[0].text, "Загрузить предыдущую игру?");
  EXPECT_EQ(tp.view.questions[0].kind, QuestionKind::Confirmation);
  EXPECT_FALSE(tp.view.questions[0].withCancel);
  EXPECT_FALSE(tp.program.game.hasCompany());
  EXPECT_TRUE(tp.program.mainForm.forbiddenCursor);
  EXPECT_EQ(tp.program.game.ticker.firstLine(), "WELCOME");
}

TEST(LifecycleFormShow, AnswerYesResumesTheSavedGame) {
  ScratchDir dir;
  const std::string path = (dir / "game.dat").string();
  TestProgram saver(3);
  newGame(saver.program);
  pressTimes(saver.program, MainButton::StorageBtn, 1);
  pressTimes(saver.program, MainButton::StuffBtn, 2);
  setSpeed(saver.program, 5);
  tick(saver.program, 30);
  ASSERT_TRUE(saveCurrentGame(saver.program, path));

  TestProgram tp(40);
  FormShow(tp.program, path);
  ASSERT_EQ(tp.view.questions.size(), 1u);
  ASSERT_TRUE(tp.program.game.hasCompany());
  EXPECT_TRUE(tp.view.messages.empty());
  EXPECT_FALSE(tp.program.mainForm.forbiddenCursor);
  EXPECT_FALSE(tp.program.mainForm.NewGameMEnabled);
  const TCorporation& c = tp.program.game.corp();
  EXPECT_EQ(c.Stores.size(), 1u);
  EXPECT_EQ(c.Loaders.size(), 2u);
  EXPECT_EQ(c.Money, saver.program.game.corp().Money);
  EXPECT_EQ(tp.program.game.values.clock.GameDate, saver.program.game.values.clock.GameDate);
  // The display shows the loaded game at the speed of a new game.
  EXPECT_EQ(tp.program.mainForm.label(MainLabel::MoneyLbl).caption, tp.program.game.money(c.Money));
  EXPECT_EQ(tp.program.mainForm.label(MainLabel::StuffLbl).caption, "2");
  EXPECT_EQ(tp.program.mainForm.SpeedLevel, 2);
  EXPECT_EQ(tp.program.mainForm.TimerInterval, 1000);
  EXPECT_EQ(tp.program.game.values.clock.SpeedDivider, 60);
  EXPECT_EQ(tp.program.game.ticker.lines(), std::vector<std::string>{saver.program.game.ticker.firstLine()});
}

TEST(LifecycleResume, MissingFileDoesNothing) {
  ScratchDir dir;
  TestProgram tp;
  resumeSavedGame(tp.program, (dir / "game.dat").string());
  EXPECT_FALSE(tp.program.game.hasCompany());
  EXPECT_TRUE(tp.view.messages.empty());
  EXPECT_EQ(tp.nextSeed(), 1u) << "no new game was started";
}

// The state a program is in after its failed resume should equal that of a twin
// whose resume was refused before reading anything: two new games in a row.
void expectSameAsTwoNewGames(TestProgram& failed, TestProgram& twin) {
  resumeGame(twin.program, [](TCorporation&, SavedWorld&, Random&) { return false; }, {});
  ASSERT_TRUE(failed.program.game.hasCompany());
  EXPECT_EQ(linesOf(failed.program), linesOf(twin.program));
  EXPECT_EQ(failed.program.game.ticker.lines(), twin.program.game.ticker.lines());
  EXPECT_EQ(failed.program.game.random.seed(), twin.program.game.random.seed());
  EXPECT_EQ(failed.nextSeed(), twin.nextSeed());
  EXPECT_EQ(failed.program.mainForm.label(MainLabel::MoneyLbl).text(),
            twin.program.mainForm.label(MainLabel::MoneyLbl).text());
}

TEST(LifecycleResume, LetterInANumberLineGivesTheMessageAndAFreshGame) {
  ScratchDir dir;
  const std::string path = (dir / "game.dat").string();
  TCorporation company;
  company.Money = Currency::fromUnits(777);
  std::vector<std::string> lines = SaveLines(company, EngineValues{}, "из файла");
  lines[3 + savetest::fieldIndex(savefile::kOfficeFields, "MaxLevel")] = "7a";
  writeAll(path, SaveFileBytes(lines));

  TestProgram tp(60);
  FormShow(tp.program, path);
  ASSERT_EQ(tp.view.messages, std::vector<std::string>{"Ошибка загрузки. Игра запущена заново."});
  ASSERT_TRUE(tp.program.game.hasCompany());
  EXPECT_EQ(tp.program.game.corp().Money, Currency::fromUnits(10000));
  EXPECT_EQ(tp.program.game.values.clock.GameDate, 36892.25);
  TestProgram twin(60);
  expectSameAsTwoNewGames(tp, twin);
}

// Plays a deterministic game so that two programs can be brought to one state.
void playSomeDays(Program& p) {
  newGame(p);
  pressTimes(p, MainButton::StorageBtn, 1);
  pressTimes(p, MainButton::LotBtn, 1);
  pressTimes(p, MainButton::StuffBtn, 2);
  pressTimes(p, MainButton::SalerBtn, 1);
  setSpeed(p, 5);
  tick(p, 3);
  press(p, MainButton::MaxBtn);
  press(p, MainButton::FishBtn);
  tick(p, 80);
}

TEST(LifecycleResume, FailedLoadLeavesNothingOfTheFileBehind) {
  // The file differs from the running game in every engine value, and fails only
  // on one of its last lines, after the company and the engine values were read.
  ScratchDir dir;
  const std::string path = (dir / "game.dat").string();
  TCorporation fileCompany;
  Random random;
  fileCompany.BuildStore();
  fileCompany.BuildShop();
  for (int i = 0; i < 3; ++i) fileCompany.HireLoader(random);
  fileCompany.Money = Currency::fromUnits(123456);
  EngineValues fileValues;
  fileValues.market.MarketBias = 0.123;
  fileValues.market.DemandLevel = 0.456;
  fileValues.market.WholesaleFactor = 1.789;
  fileValues.sales.TaxRate = 33;
  fileValues.sales.MarketScale = 999;
  fileValues.bargain.BargainBulkStep = 777;
  fileValues.bargain.MonthsElapsed = 9;
  fileValues.reserved.ReservedFactorA = 5.5;
  fileValues.clock.GameDate = 36950.5;
  std::vector<std::string> lines = SaveLines(fileCompany, fileValues, "из файла");

  for (const char* badLine : {"SaleTicks", "CampaignCounter", "first count"}) {
    SCOPED_TRACE(badLine);
    std::vector<std::string> bad = lines;
    if (std::string(badLine) == "SaleTicks") bad[savetest::closingLine(lines, "SaleTicks")] = "-1";
    if (std::string(badLine) == "CampaignCounter")
      bad[savetest::closingLine(lines, "CampaignCounter again")] = "x";
    if (std::string(badLine) == "first count") bad[0] = "NAN";
    writeAll(path, SaveFileBytes(bad));

    TestProgram tp(70);
    TestProgram twin(70);
    playSomeDays(tp.program);
    playSomeDays(twin.program);
    ASSERT_EQ(linesOf(tp.program), linesOf(twin.program));
    const EngineValues before = tp.program.game.values;

    resumeSavedGame(tp.program, path);
    EXPECT_EQ(tp.view.messages.back(), "Ошибка загрузки. Игра запущена заново.");
    expectSameAsTwoNewGames(tp, twin);
    const EngineValues& after = tp.program.game.values;
    EXPECT_NE(after.sales.TaxRate, 33);
    EXPECT_EQ(after.sales.TaxRate, before.sales.TaxRate);
    EXPECT_EQ(after.sales.MarketScale, before.sales.MarketScale);
    EXPECT_EQ(after.bargain.BargainBulkStep, before.bargain.BargainBulkStep);
    EXPECT_EQ(after.bargain.MonthsElapsed, before.bargain.MonthsElapsed);
    EXPECT_EQ(after.reserved.ReservedFactorA, before.reserved.ReservedFactorA);
    EXPECT_NE(tp.program.game.ticker.firstLine(), "из файла");
    EXPECT_TRUE(tp.program.game.corp().Stores.empty());
  }
}

TEST(LifecycleResume, RefusedFileIsCopiedAsideBeforeTheSecondNewGame) {
  // A file that lost its last lines is refused; the player's copy survives as
  // game.dat.bad (replacing an older one, and replacing a link there rather than
  // writing through it), whatever is saved over game.dat afterwards.
  ScratchDir dir;
  const std::string path = (dir / "game.dat").string();
  TestProgram saver(5);
  playSomeDays(saver.program);
  std::vector<std::string> lines = linesOf(saver.program);
  lines.resize(savetest::engineLine(lines, "GameDate"));  // the engine and closing values
  const std::string cut = SaveFileBytes(lines);
  for (const char* before : {"none", "older copy", "link"}) {
    SCOPED_TRACE(before);
    writeAll(path, cut);
    const std::string bad = path + ".bad";
    const std::string victim = (dir / "victim").string();
    fs::remove(bad);
    writeAll(victim, "not to be touched");
    if (std::string(before) == "older copy") writeAll(bad, "older");
    if (std::string(before) == "link") fs::create_symlink(victim, bad);

    TestProgram tp(80);
    resumeSavedGame(tp.program, path);
    EXPECT_EQ(tp.view.messages, std::vector<std::string>{kLoadFailedMessage.source});
    TestProgram twin(80);
    expectSameAsTwoNewGames(tp, twin);
    EXPECT_FALSE(fs::is_symlink(bad));
    EXPECT_EQ(readAll(bad), cut);
    EXPECT_EQ(readAll(path), cut) << "the refused file itself stays";
    EXPECT_EQ(readAll(victim), "not to be touched");
    ASSERT_TRUE(saveCurrentGame(tp.program, path));
    EXPECT_EQ(readAll(bad), cut);
  }
}

#if !defined(_WIN32)
TEST(LifecycleResume, FifoOrDirectoryInPlaceOfTheFileIsALoadErrorAndStaysAlone) {
  // Opening a FIFO would wait for a writer for ever; it is not even opened.
  ScratchDir dir;
  const std::string path = (dir / "game.dat").string();
  for (const char* kind : {"fifo", "directory", "link to a device"}) {
    SCOPED_TRACE(kind);
    fs::remove_all(path);
    if (std::string(kind) == "fifo") {
      ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    }
    if (std::string(kind) == "directory") fs::create_directory(path);
    if (std::string(kind) == "link to a device") fs::create_symlink("/dev/zero", path);
    TestProgram tp(90);
    FormShow(tp.program, path);
    ASSERT_EQ(tp.view.questions.size(), 1u);
    EXPECT_EQ(tp.view.messages, std::vector<std::string>{kLoadFailedMessage.source});
    TestProgram twin(90);
    expectSameAsTwoNewGames(tp, twin);
    EXPECT_FALSE(fs::exists(path + ".bad"));
    EXPECT_TRUE(fs::exists(fs::symlink_status(path)));
  }
}
#endif

// ---------------------------------------------------------------------------
// The recovery file of an interrupted run

// A save and a recovery file of two different games side by side.
struct InterruptedRun {
  ScratchDir dir;
  const std::string save = (dir / "game.dat").string();
  const std::string recovery = recoveryPathFor(save);
  std::string saveBytes;
  TestProgram crashed{5};

  InterruptedRun() {
    TestProgram saver(3);
    newGame(saver.program);
    EXPECT_TRUE(saveCurrentGame(saver.program, save));
    saveBytes = readAll(save);
    playSomeDays(crashed.program);
  }
};

TEST(LifecycleRecovery, WritingItChangesNothingAndDrawsNothing) {
  InterruptedRun run;
  Program& p = run.crashed.program;
  const std::vector<std::string> before = linesOf(p);
  const uint64_t draws = p.game.random.draws();
  ASSERT_TRUE(writeRecoveryFile(p, run.recovery));
  EXPECT_EQ(readAll(run.recovery), SaveFileBytes(before));
  EXPECT_EQ(linesOf(p), before);
  EXPECT_EQ(p.game.random.draws(), draws);

  // The daily steps and the new games mark the ticks after which it is written.
  const uint64_t mark = p.mainForm.checkpoint;
  const int day = p.game.values.clock.CurrentWeekDay;
  while (p.game.values.clock.CurrentWeekDay == day) {
    EXPECT_EQ(p.mainForm.checkpoint, mark);
    tick(p, 1);
  }
  EXPECT_EQ(p.mainForm.checkpoint, mark + 1);
}

TEST(LifecycleRecovery, YesContinuesTheInterruptedGameInsteadOfTheSave) {
  InterruptedRun run;
  ASSERT_TRUE(writeRecoveryFile(run.crashed.program, run.recovery));
  TestProgram tp(40);
  FormShow(tp.program, run.save, run.recovery);
  ASSERT_EQ(tp.view.questions.size(), 1u) << "no resume question after it";
  EXPECT_EQ(tp.view.questions[0].text, kRecoveryQuestion.source);
  EXPECT_EQ(tp.view.questions[0].kind, QuestionKind::Confirmation);
  EXPECT_FALSE(tp.view.questions[0].withCancel);
  ASSERT_TRUE(tp.program.game.hasCompany());
  EXPECT_TRUE(tp.view.messages.empty());
  std::vector<std::string> expected = linesOf(run.crashed.program);
  std::vector<std::string> resumed = linesOf(tp.program);
  for (size_t line : {hourStepLine(expected), speedDividerLine(expected), chartTickLine(expected)})
    resumed[line] = expected[line];
  EXPECT_EQ(resumed, expected);
  EXPECT_EQ(booksOf(tp.program), booksOf(run.crashed.program)) << "the books to the last midnight";
  EXPECT_EQ(tp.program.mainForm.SpeedLevel, 2);
  EXPECT_TRUE(fs::exists(run.recovery)) << "kept until the next write or the ordinary end";
  EXPECT_EQ(readAll(run.save), run.saveBytes);
}

TEST(LifecycleRecovery, NoRemovesItAndAsksTheResumeQuestion) {
  InterruptedRun run;
  ASSERT_TRUE(writeRecoveryFile(run.crashed.program, run.recovery));
  TestProgram tp(40);
  tp.view.answers = {Answer::No, Answer::Yes};
  FormShow(tp.program, run.save, run.recovery);
  ASSERT_EQ(tp.view.questions.size(), 2u);
  EXPECT_EQ(tp.view.questions[0].text, kRecoveryQuestion.source);
  EXPECT_EQ(tp.view.questions[1].text, kResumeQuestion.source);
  EXPECT_FALSE(fs::exists(run.recovery));
  EXPECT_FALSE(fs::exists(booksPathFor(run.recovery)));
  ASSERT_TRUE(tp.program.game.hasCompany());
  EXPECT_EQ(tp.program.game.values.clock.GameDate, 36892.25) << "the saved game, not the crashed one";
}

// A recovery file that cannot be written is told once, with the reason, and again
// only after a write has succeeded in between; the game is not touched.
TEST(LifecycleRecovery, AFailedWriteIsToldOnceAndAgainOnlyAfterASuccess) {
  InterruptedRun run;
  Program& p = run.crashed.program;
  const std::vector<std::string>& told = run.crashed.view.messages;
  const std::vector<std::string> before = linesOf(p);
  RecoveryWriter writer;
  fs::create_directory(run.recovery + ".tmp");
  EXPECT_FALSE(writer.write(p, run.recovery));
  EXPECT_FALSE(writer.write(p, run.recovery));
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].rfind(std::string("Не удается записать файл восстановления: на месте файла или его временной"), 0), 0u);
  fs::remove(run.recovery + ".tmp");
  EXPECT_TRUE(writer.write(p, run.recovery));
  {
    FailAfterLines full(10);
    EXPECT_FALSE(writer.write(p, run.recovery));
  }
  ASSERT_EQ(told.size(), 2u);
  EXPECT_EQ(told[1].rfind(std::string("Не удается записать файл восстановления: нет места на диске."), 0), 0u);
  EXPECT_EQ(linesOf(p), before);
  EXPECT_EQ(readAll(run.recovery), SaveFileBytes(before)) << "the last good file stays";
}

// A recovery file that does not load (cut short, or a directory of that name) gives
// the load error, is kept aside and removed, and the start goes on exactly as if it
// had not been there: the resume question comes, and nothing else has happened
// (no game, no clock seed taken), so no new game can be saved over the save.
TEST(LifecycleRecovery, DamagedFileGivesTheLoadErrorThenTheStartGoesOnWithoutIt) {
  InterruptedRun run;
  ASSERT_TRUE(writeRecoveryFile(run.crashed.program, run.recovery));
  const std::string whole = readAll(run.recovery);
  const std::string cut = whole.substr(0, whole.size() / 2);
  writeAll(run.save + ".bad", "older refused save");
  for (const char* kind : {"cut", "directory"}) {
    SCOPED_TRACE(kind);
    fs::remove_all(run.recovery + ".bad");
    fs::remove_all(run.recovery);
    if (std::string(kind) == "cut") writeAll(run.recovery, cut);
    if (std::string(kind) == "directory") fs::create_directories(fs::path(run.recovery) / "x");
    TestProgram tp(60);
    tp.view.answers = {Answer::Yes, Answer::No};
    FormShow(tp.program, run.save, run.recovery);
    ASSERT_EQ(tp.view.questions.size(), 2u);
    EXPECT_EQ(tp.view.questions[1].text, kResumeQuestion.source);
    EXPECT_EQ(tp.view.messages, std::vector<std::string>{kLoadFailedMessage.source});
    EXPECT_FALSE(tp.program.game.hasCompany());
    EXPECT_EQ(tp.nextSeed(), 60u);
    EXPECT_EQ(tp.program.game.random.draws(), 0u);
    EXPECT_TRUE(tp.program.mainForm.NewGameMEnabled);
    EXPECT_FALSE(fs::exists(fs::symlink_status(run.recovery)));
    if (std::string(kind) == "cut") {
      EXPECT_EQ(readAll(run.recovery + ".bad"), cut);
    } else {
      EXPECT_TRUE(fs::exists(fs::path(run.recovery + ".bad") / "x"));
    }
    EXPECT_EQ(readAll(run.save), run.saveBytes);
    EXPECT_EQ(readAll(run.save + ".bad"), "older refused save");
  }
  // A temporary file left by a write that was killed is removed; nothing is asked.
  TestProgram next(70);
  fs::remove_all(run.recovery);
  writeAll(run.recovery + ".tmp", cut.substr(0, 100));
  next.view.answers = {Answer::No};
  FormShow(next.program, run.save, run.recovery);
  EXPECT_FALSE(fs::exists(run.recovery + ".tmp"));
  ASSERT_EQ(next.view.questions.size(), 1u);
  EXPECT_EQ(next.view.questions[0].text, kResumeQuestion.source);
}

// The books come back with the saved game: written beside it at exit, read at the
// resume when they name its date and money. A damaged file is kept aside as
// ".bad", another save's books are left as they are, and either way the books
// start at the resume.
TEST(LifecycleBooks, BackWithTheirSaveDamagedKeptAsideForeignLeftAlone) {
  ScratchDir dir;
  const std::string save = (dir / "game.dat").string();
  const std::string books = booksPathFor(save);
  TestProgram played(5);
  playSomeDays(played.program);
  ASSERT_TRUE(FormCloseQuery(played.program, save));
  const std::string text = readAll(books);
  ASSERT_EQ(text, booksOf(played.program));
  ASSERT_NE(text.find("\nsales "), std::string::npos);

  const auto resume = [&save](TestProgram& tp) {
    FormShow(tp.program, save);
    EXPECT_TRUE(tp.view.messages.empty());
    const TCorporation& c = tp.program.game.corp();
    return c.books.months(tp.program.game.values.clock.GameDate, c.Money);
  };
  TestProgram whole(6);
  resume(whole);
  EXPECT_EQ(booksOf(whole.program), text);

  std::string damaged = text;
  char& digit = damaged[damaged.find("\nsales ") + 7];
  digit = digit == '9' ? '8' : '9';
  writeAll(books, damaged);
  TestProgram afresh(7);
  const auto months = resume(afresh);
  ASSERT_EQ(months.size(), 1u);
  EXPECT_EQ(months[0].opening, afresh.program.game.corp().Money);
  EXPECT_EQ(readAll(books + ".bad"), damaged);

  TestProgram other(8);
  newGame(other.program);
  writeAll(books, booksOf(other.program));
  fs::remove(books + ".bad");
  TestProgram foreign(9);
  EXPECT_EQ(resume(foreign).size(), 1u);
  EXPECT_EQ(readAll(books), booksOf(other.program));
  EXPECT_FALSE(fs::exists(books + ".bad"));
}

// ---------------------------------------------------------------------------
// Exit

TEST(LifecycleClose, NoGameClosesWithoutAsking) {
  ScratchDir dir;
  TestProgram tp;
  EXPECT_TRUE(FormCloseQuery(tp.program, (dir / "game.dat").string()));
  EXPECT_TRUE(tp.view.questions.empty());
  EXPECT_FALSE(fs::exists(dir / "game.dat"));
  EXPECT_FALSE(saveCurrentGame(tp.program, (dir / "game.dat").string()));
}

class LifecycleCloseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = dir_ / "game.dat";
    writeAll(path_, "old game\r\n");
    newGame(tp_.program);
    pressTimes(tp_.program, MainButton::StorageBtn, 1);
  }
  void expectOldFileKept() {
    EXPECT_EQ(readAll(path_), "old game\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator{}), 1);
  }
  void expectOneSaveQuestion() {
    ASSERT_EQ(tp_.view.questions.size(), 1u);
    EXPECT_EQ(tp_.view.questions[0].text, "Сохранить текущую игру?");
    EXPECT_EQ(tp_.view.questions[0].kind, QuestionKind::Confirmation);
    EXPECT_TRUE(tp_.view.questions[0].withCancel);
  }

  ScratchDir dir_;
  std::string path_;
  TestProgram tp_{4};
};

TEST_F(LifecycleCloseTest, CancelKeepsTheWindowAndTheOldFile) {
  tp_.view.answers.push_back(Answer::Cancel);
  EXPECT_FALSE(FormCloseQuery(tp_.program, path_));
  expectOneSaveQuestion();
  expectOldFileKept();
  EXPECT_TRUE(tp_.view.messages.empty());
  EXPECT_TRUE(tp_.program.game.hasCompany());
}

TEST_F(LifecycleCloseTest, NoClosesWithoutWriting) {
  tp_.view.answers.push_back(Answer::No);
  EXPECT_TRUE(FormCloseQuery(tp_.program, path_));
  expectOneSaveQuestion();
  expectOldFileKept();
  EXPECT_TRUE(tp_.view.messages.empty());
}

TEST_F(LifecycleCloseTest, YesWritesTheGameAndCloses) {
  EXPECT_TRUE(FormCloseQuery(tp_.program, path_));
  expectOneSaveQuestion();
  EXPECT_EQ(readAll(path_), SaveFileBytes(linesOf(tp_.program)));
  EXPECT_TRUE(tp_.view.messages.empty());
}

TEST_F(LifecycleCloseTest, YesWithAFailingWriteShowsTheErrorAndStaysOpen) {
  {
    FailAfterLines failing(10);
    EXPECT_FALSE(FormCloseQuery(tp_.program, path_));
  }
  expectOneSaveQuestion();
  EXPECT_EQ(tp_.view.messages, std::vector<std::string>{"Ошибка сохранения!"});
  expectOldFileKept();
  // The player may try again, and this time it works.
  tp_.view.messages.clear();
  EXPECT_TRUE(FormCloseQuery(tp_.program, path_));
  EXPECT_TRUE(tp_.view.messages.empty());
  EXPECT_EQ(readAll(path_), SaveFileBytes(linesOf(tp_.program)));
}

TEST_F(LifecycleCloseTest, YesIntoAMissingDirectoryShowsTheErrorAndStaysOpen) {
  EXPECT_FALSE(FormCloseQuery(tp_.program, dir_ / "missing/game.dat"));
  EXPECT_EQ(tp_.view.messages, std::vector<std::string>{"Ошибка сохранения!"});
  expectOldFileKept();
}

// ---------------------------------------------------------------------------
// Watching a program, as a recording does

class Journal : public ProgramObserver {
 public:
  void answered(const std::string& question, Answer a) override {
    lines.push_back(std::string("answer ") + (a == Answer::Yes ? "yes" : "no") + " to " + question);
  }
  void performed(const PlayerAction& action, ActionResult r) override {
    const char* result[] = {"done", "ignored", "quiet"};
    lines.push_back(action.scriptLine() + " -> " + result[static_cast<int>(r)]);
  }
  void resumed(const std::string&, uint32_t clockSeed) override {
    lines.push_back("resume " + std::to_string(clockSeed));
  }
  std::vector<std::string> lines;
};

// The resume with the seed it took, each answer before the action that asked it,
// each action as it ran: the new game with its seed, the ticks that really ran.
TEST(Observer, HearsTheResumeEachAnswerBeforeItsActionAndEachActionAsItRan) {
  ScratchDir dir;
  const std::string path = (dir / "game.dat").string();
  TestProgram saver(3);
  newGame(saver.program);
  setSpeed(saver.program, 5);
  tick(saver.program, 30);  // Tuesday, 12:00
  ASSERT_TRUE(saveCurrentGame(saver.program, path));

  TestProgram tp(40);
  Journal journal;
  tp.program.setObserver(&journal);
  FormShow(tp.program, path);
  tp.program.perform(PlayerAction::newGame());
  setSpeed(tp.program, 0);
  tick(tp.program, 5);
  setSpeed(tp.program, 5);
  tick(tp.program, 2);
  press(tp.program, MainButton::ActionsBtn);
  tp.program.perform(PlayerAction::choose(Control::ActionDivBox, 3));
  tp.view.answers.push_back(Answer::No);
  tp.program.perform(PlayerAction::click(Control::ActionGradBtn1));
  EXPECT_EQ(journal.lines, (std::vector<std::string>{
                               "answer yes to Загрузить предыдущую игру?",
                               "resume 40",
                               "new -> ignored",
                               "speed 0 -> done",
                               "tick 0 -> quiet",
                               "speed 5 -> done",
                               "tick 2 -> done",
                               "click MainForm.ActionsBtn -> done",
                               "choose ActionForm.DivBox 3 -> done",
                               "answer no to Уволить всех грузчиков?",
                               "click ActionForm.GradBtn1 -> done",
                           }));

  // A fresh program: F2 reports the seed its clock gave.
  TestProgram fresh(77);
  Journal first;
  fresh.program.setObserver(&first);
  fresh.program.perform(PlayerAction::newGame());
  EXPECT_EQ(first.lines, std::vector<std::string>{"new 77 -> done"});
}

}  // namespace
}  // namespace kelpmark
