// SPDX-License-Identifier: GPL-3.0-or-later
// Values a saved game may hold: what is taken, and what fails the load instead of
// exhausting memory or overflowing the game's arithmetic.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "model/codepage.h"
#include "model/corporation.h"
#include "model/random.h"
#include "model/save_file.h"
#include "support/save_files.h"
#include "support/scratch_dir.h"

namespace kelpmark {
namespace {

namespace fs = std::filesystem;
using savetest::Loaded;
using savetest::load;
using savetest::fieldIndex;

// A game with one shop, one store and one loader, and where its lines are.
struct SmallGame {
  static constexpr size_t kShopsCount = 0;
  static constexpr size_t kShop = 1;  // the shop's record
  static constexpr size_t kLotsCount = kShop + savefile::kSaleRecordLines;
  static constexpr size_t kStoresCount = kLotsCount + 1;
  static constexpr size_t kStore = kStoresCount + 1;
  static constexpr size_t kOffice = kStore + savefile::kStoreRecordLines;
  static constexpr size_t kAccountantsCount = kOffice + savefile::kOfficeRecordLines;
  static constexpr size_t kLoadersCount = kAccountantsCount + 1;
  static constexpr size_t kLoader = kLoadersCount + 1;
  static constexpr size_t kManagersCount = kLoader + savefile::kEmployeeRecordLines;
  static constexpr size_t kSalesmenCount = kManagersCount + 1;
  static constexpr size_t kCompany = kSalesmenCount + 1;  // the company values
  static constexpr size_t kEngine = kCompany + savefile::kCompanyValueLines;
  static constexpr size_t kClosing = kEngine + savefile::kEngineValueLines;

  SmallGame() {
    TCorporation c;
    c.BuildShop();
    c.BuildStore();
    c.HireLoader(random);
    EngineValues v;
    v.clock.GameDate = 36892.25;
    lines = SaveLines(c, v, "тикер");
  }
  // Lines of named fields; a list record begins with its entry's text.
  static size_t shop(std::string_view f) {
    return kShop + 1 + fieldIndex(savefile::kSaleFields, f);
  }
  static size_t store(std::string_view f) {
    return kStore + 1 + fieldIndex(savefile::kStoreFields, f);
  }
  static size_t office(std::string_view f) {
    return kOffice + fieldIndex(savefile::kOfficeFields, f);
  }
  static size_t loader(std::string_view f) {
    return kLoader + 1 + fieldIndex(savefile::kEmployeeFields, f);
  }
  static size_t company(std::string_view f) {
    return kCompany + fieldIndex(savefile::kCompanyValues, f);
  }
  static size_t engine(std::string_view f) {
    return kEngine + fieldIndex(savefile::kEngineValues, f);
  }
  static size_t closing(std::string_view f) {
    return kClosing + fieldIndex(savefile::kClosingValues, f);
  }

  std::string with(size_t line, const std::string& token) const {
    std::vector<std::string> copy = lines;
    copy.at(line) = token;
    return SaveFileBytes(copy);
  }

  Random random;
  std::vector<std::string> lines;
};

TEST(SaveBoundsLayout, SmallGameLinesAreWhereTheTestsExpectThem) {
  const SmallGame g;
  EXPECT_EQ(g.lines[SmallGame::kShopsCount], "1");
  EXPECT_EQ(g.lines[SmallGame::kShop], "Магазин N 1");
  EXPECT_EQ(g.lines[SmallGame::kLotsCount], "0");
  EXPECT_EQ(g.lines[SmallGame::kStoresCount], "1");
  EXPECT_EQ(g.lines[SmallGame::kStore], "Склад N 1");
  EXPECT_EQ(g.lines[SmallGame::kOffice], "Офис необходим вам для того, чтобы вести бизнес");
  EXPECT_EQ(g.lines[SmallGame::kLoadersCount], "1");
  EXPECT_EQ(g.lines[SmallGame::loader("Profession")], "Грузчик");
  EXPECT_EQ(g.lines[SmallGame::kSalesmenCount], "0");
  EXPECT_EQ(g.lines[SmallGame::company("AccountantsWork")], "TRUE");
  EXPECT_EQ(g.lines[SmallGame::engine("GameDate")], " 3.68922500000000E+0004");
  EXPECT_EQ(g.lines[SmallGame::closing("ticker")], "тикер");
  EXPECT_EQ(g.lines.size(), SmallGame::kClosing + savefile::kClosingValueLines);
  EXPECT_TRUE(load(SaveFileBytes(g.lines))->ok);
}

struct BoundCase {
  const char* field;
  size_t line;
  const char* token;
  bool loads;
};

void expectCases(const SmallGame& g, const std::vector<BoundCase>& cases) {
  for (const BoundCase& c : cases) {
    auto l = load(g.with(c.line, c.token));
    EXPECT_EQ(l->ok, c.loads) << c.field << " = '" << c.token << "'";
  }
}

TEST(SaveBounds, LevelsWithinPlusMinusHundred) {
  const SmallGame g;
  using G = SmallGame;
  expectCases(g, {
                     {"office MaxLevel", G::office("MaxLevel"), "100", true},
                     {"office MaxLevel", G::office("MaxLevel"), "101", false},
                     {"office MaxLevel", G::office("MaxLevel"), "-100", true},
                     {"office MaxLevel", G::office("MaxLevel"), "-101", false},
                     {"office Level", G::office("Level"), "100", true},
                     {"office Level", G::office("Level"), "101", false},
                     {"office Level", G::office("Level"), "-101", false},
                     {"shop MaxLevel", G::shop("MaxLevel"), "101", false},
                     {"shop Level", G::shop("Level"), "-100", true},
                     {"shop Level", G::shop("Level"), "-101", false},
                     {"store MaxLevel", G::store("MaxLevel"), "101", false},
                     {"store Level", G::store("Level"), "100", true},
                     {"store Level", G::store("Level"), "101", false},
                     // Condition is not a level: any integer within 10^9.
                     {"shop Condition", G::shop("Condition"), "101", true},
                 });
}

TEST(SaveBounds, IntegersWithinPlusMinusTenToTheNine) {
  const SmallGame g;
  using G = SmallGame;
  expectCases(g, {
                     {"shop Condition", G::shop("Condition"), "1000000000", true},
                     {"shop Condition", G::shop("Condition"), "1000000001", false},
                     {"shop Condition", G::shop("Condition"), "-1000000000", true},
                     {"shop Condition", G::shop("Condition"), "-1000000001", false},
                     {"shop SalesCapacity", G::shop("SalesCapacity"), "1000000001", false},
                     {"store StaffPlaces", G::store("StaffPlaces"), "-1000000001", false},
                     {"office OfficeSpare", G::office("OfficeSpare"), "1000000001", false},
                     {"loader Experience", G::loader("Experience"), "1000000001", false},
                     {"loader Mood", G::loader("Mood"), "-1000000000", true},
                     {"loader Mood", G::loader("Mood"), "2147483647", false},
                     {"Prestige", G::company("Prestige"), "1000000001", false},
                     {"Prestige again", G::company("Prestige again"), "-1000000001", false},
                     {"FishStock", G::company("FishStock"), "1000000000", true},
                     {"FishStock", G::company("FishStock"), "1000000001", false},
                     {"MarketShare", G::company("MarketShare"), "1000000001", false},
                     {"TaxRate", G::engine("TaxRate"), "-1000000001", false},
                     {"BargainBulkStep", G::engine("BargainBulkStep"), "1000000001", false},
                     {"CurrentHour", G::engine("CurrentHour"), "1000000001", false},
                     {"OverdraftPenalty again", G::closing("OverdraftPenalty again"), "1000000001",
                      false},
                     {"CampaignCounter again", G::closing("CampaignCounter again"), "-1000000001",
                      false},
                 });
}

TEST(SaveBounds, CountersWithinZeroAndTenToTheNine) {
  const SmallGame g;
  using G = SmallGame;
  expectCases(g, {
                     {"StaffCount", G::company("StaffCount"), "0", true},
                     {"StaffCount", G::company("StaffCount"), "-1", false},
                     {"StaffCount", G::company("StaffCount"), "1000000000", true},
                     {"StaffCount", G::company("StaffCount"), "1000000001", false},
                     {"BuildingCount", G::company("BuildingCount"), "-1", false},
                     {"BuildingCount", G::company("BuildingCount"), "1000000000", true},
                     {"MonthsElapsed", G::engine("MonthsElapsed"), "-1", false},
                     {"MonthsElapsed", G::engine("MonthsElapsed"), "1000000000", true},
                     {"MonthsElapsed", G::engine("MonthsElapsed"), "1000000001", false},
                     {"SaleTicks", G::closing("SaleTicks"), "-1", false},
                     {"SaleTicks", G::closing("SaleTicks"), "1000000000", true},
                     {"SaleTicks", G::closing("SaleTicks"), "1000000001", false},
                 });
}

TEST(SaveBounds, SpeedLinesTakeAny32BitIntegerAndAreNotTakenOver) {
  const SmallGame g;
  using G = SmallGame;
  expectCases(g, {
                     {"HourStep", G::engine("HourStep"), "2147483647", true},
                     {"HourStep", G::engine("HourStep"), "-2147483648", true},
                     {"HourStep", G::engine("HourStep"), "2147483648", false},
                     {"HourStep", G::engine("HourStep"), "-2147483649", false},
                     {"HourStep", G::engine("HourStep"), "99999999999999999999", false},
                     {"HourStep", G::engine("HourStep"), "1.5", false},
                     {"SpeedDivider", G::engine("SpeedDivider"), "0", true},
                     {"SpeedDivider", G::engine("SpeedDivider"), "-2147483648", true},
                     {"SpeedDivider", G::engine("SpeedDivider"), "4294967296", false},
                 });
  std::vector<std::string> lines = g.lines;
  lines[G::engine("HourStep")] = "-2147483648";
  lines[G::engine("SpeedDivider")] = "0";
  Loaded l;
  l.world.values.clock.HourStep = 1;
  l.world.values.clock.SpeedDivider = 4;
  ASSERT_TRUE(LoadGameFromBytes(SaveFileBytes(lines), l.company, l.world, l.random));
  EXPECT_EQ(l.world.values.clock.HourStep, 1);
  EXPECT_EQ(l.world.values.clock.SpeedDivider, 4);
}

TEST(SaveBounds, MarketScaleWithinPlusMinusAMillion) {
  const SmallGame g;
  using G = SmallGame;
  expectCases(g, {
                     {"MarketScale", G::engine("MarketScale"), "1000000", true},
                     {"MarketScale", G::engine("MarketScale"), "1000001", false},
                     {"MarketScale", G::engine("MarketScale"), "-1000000", true},
                     {"MarketScale", G::engine("MarketScale"), "-1000001", false},
                 });
  auto l = load(g.with(G::engine("MarketScale"), "-1000000"));
  ASSERT_TRUE(l->ok);
  EXPECT_EQ(l->world.values.sales.MarketScale, -1000000);
}

TEST(SaveBounds, MoneyWithinPlusMinusTenToTheEleven) {
  const SmallGame g;
  using G = SmallGame;
  expectCases(g, {
                     {"Money", G::company("Money"), " 1.00000000000000E+0011", true},
                     {"Money", G::company("Money"), " 1.00000000000001E+0011", false},
                     {"Money", G::company("Money"), "-1.00000000000000E+0011", true},
                     {"Money", G::company("Money"), "-1.00000000000001E+0011", false},
                     {"Money", G::company("Money"), "1e12", false},
                     {"StockCost", G::company("StockCost"), "100000000001", false},
                     {"MonthExpense", G::company("MonthExpense"), "-100000000001", false},
                     {"shop Value", G::shop("Value"), "1.5e11", false},
                     {"store Upkeep", G::store("Upkeep"), "-99999999999.9999", true},
                     {"office UpgradeCost", G::office("UpgradeCost"), "2e11", false},
                     {"loader Salary", G::loader("Salary"), "1e11", true},
                     {"loader HireCost", G::loader("HireCost"), "-1.1e11", false},
                     {"RetailPrice", G::engine("RetailPrice"), "1e11", true},
                     {"BargainLowPrice", G::engine("BargainLowPrice"), "1.0000000001e11", false},
                     // A money amount is not held to the tighter bound of other reals.
                     {"Money", G::company("Money"), "5e10", true},
                 });
  auto l = load(g.with(G::company("Money"), "-1.00000000000000E+0011"));
  ASSERT_TRUE(l->ok);
  EXPECT_EQ(l->company.Money.count(), -1000000000000000);
}

TEST(SaveBounds, DatesWithinPlusMinusAMillionDays) {
  const SmallGame g;
  using G = SmallGame;
  expectCases(g, {
                     {"GameDate", G::engine("GameDate"), "1000000", true},
                     {"GameDate", G::engine("GameDate"), "1000000.001", false},
                     {"GameDate", G::engine("GameDate"), "-1000000", true},
                     {"GameDate", G::engine("GameDate"), "-1000000.001", false},
                     {"CampaignReadyDate", G::company("CampaignReadyDate"), "1000001", false},
                     {"OverdraftDate", G::company("OverdraftDate"), "1000001", false},
                     {"CampaignEffectUntil", G::company("CampaignEffectUntil"), "-1000001", false},
                     {"OverdraftDate again", G::closing("OverdraftDate again"), "1000001", false},
                     {"PauseDate", G::closing("PauseDate"), "1e7", false},
                     {"PrestigeBonusUntil", G::closing("PrestigeBonusUntil"), "1000001", false},
                     {"PrestigeBonusUntil", G::closing("PrestigeBonusUntil"), "999999.5", true},
                     // A duration is not a date: it is held to the bound of other reals.
                     {"CampaignDuration", G::company("CampaignDuration"), "1000001", true},
                 });
}

TEST(SaveBounds, OtherRealsWithinPlusMinusTenToTheNine) {
  const SmallGame g;
  using G = SmallGame;
  expectCases(g, {
                     {"CampaignDuration", G::company("CampaignDuration"), "1e9", true},
                     {"CampaignDuration", G::company("CampaignDuration"), "1.000000001e9", false},
                     {"PausePenalty", G::company("PausePenalty"), "-1e9", true},
                     {"PausePenalty", G::company("PausePenalty"), "-1.000000001e9", false},
                     {"TaxSavedShare", G::company("TaxSavedShare"), "2e9", false},
                     {"StrikePenalty", G::company("StrikePenalty"), "2e9", false},
                     {"MarketLevel", G::engine("MarketLevel"), "1000000001", false},
                     {"ReservedFactorA", G::engine("ReservedFactorA"), "1e10", false},
                     {"DemandLevel", G::engine("DemandLevel"), "-1e10", false},
                     {"MarketCapacity", G::engine("MarketCapacity"), "1e9", true},
                     {"MarketCapacity", G::engine("MarketCapacity"), "1.1e9", false},
                     {"shop BuildingSpare", G::shop("BuildingSpare"), "1e10", false},
                     {"StrikePenalty again", G::closing("StrikePenalty again"), "-2e9", false},
                 });
}

TEST(SaveBounds, NonFiniteAndMalformedRealsFail) {
  const SmallGame g;
  using G = SmallGame;
  const size_t realLines[] = {G::company("PausePenalty"), G::company("Money"), G::engine("GameDate"), G::engine("MarketLevel")};
  for (size_t line : realLines) {
    for (const char* token : {"INF", "inf", "-INF", "NAN", "nan", "Infinity", "1e999", "-1e999",
                              "1e400", "0x10", "0x1p3", "1,5", ".", "-.", "1e", "1e+", "e5",
                              "1.5.2", "1e5e5", "--1", "1d5"}) {
      auto l = load(g.with(line, token));
      EXPECT_FALSE(l->ok) << "line " << line << " = '" << token << "'";
    }
    for (const char* token : {"5.", ".5", "-.5", "+.5e-3", "5E+0", "1e-999", "007", "+0"}) {
      auto l = load(g.with(line, token));
      EXPECT_TRUE(l->ok) << "line " << line << " = '" << token << "'";
    }
  }
}

TEST(SaveBounds, IntegerTokensAreDecimalDigitsWithASign) {
  const SmallGame g;
  using G = SmallGame;
  const size_t line = G::company("FishStock");
  for (const char* token : {"+5", "007", "-0", "0"}) {
    auto l = load(g.with(line, token));
    EXPECT_TRUE(l->ok) << token;
  }
  for (const char* token : {"5.0", "5e2", "0x10", "5-", "+-5", "- 5", "５", "INF", "NAN"}) {
    auto l = load(g.with(line, token));
    EXPECT_FALSE(l->ok) << token;
  }
  auto l = load(g.with(line, "+5"));
  EXPECT_EQ(l->company.FishStock, 5);
}

TEST(SaveBounds, TokensOverTheirLengthFail) {
  const SmallGame g;
  using G = SmallGame;
  const std::string int32Chars = std::string(31, '0') + "7";
  const std::string int33Chars = std::string(32, '0') + "7";
  auto l = load(g.with(G::company("FishStock"), int32Chars));
  ASSERT_TRUE(l->ok);
  EXPECT_EQ(l->company.FishStock, 7);
  EXPECT_FALSE(load(g.with(G::company("FishStock"), int33Chars))->ok);

  const std::string real64Chars = "1." + std::string(62, '0');
  const std::string real65Chars = "1." + std::string(63, '0');
  l = load(g.with(G::company("PausePenalty"), real64Chars));
  ASSERT_TRUE(l->ok);
  EXPECT_EQ(l->company.PausePenalty, 1.0);
  EXPECT_FALSE(load(g.with(G::company("PausePenalty"), real65Chars))->ok);
  // A money line is a real line.
  EXPECT_TRUE(load(g.with(G::company("Money"), real64Chars))->ok);
  EXPECT_FALSE(load(g.with(G::company("Money"), real65Chars))->ok);
  // A text line has no length limit.
  l = load(g.with(G::kShop, std::string(100000, 'x')));
  ASSERT_TRUE(l->ok);
  EXPECT_EQ(l->company.Shops.text(0).size(), 100000u);
}

// ---------------------------------------------------------------------------
// List counts

TEST(SaveCounts, NegativeCountReadsNoEntries) {
  TCorporation company;
  const EngineValues values;
  std::vector<std::string> lines = SaveLines(company, values, "t");
  lines[0] = "-5";          // shops
  lines[1] = "-1000000000";  // stalls
  lines[3 + savefile::kOfficeRecordLines] = "-1";  // accountants, after the office
  auto l = load(SaveFileBytes(lines));
  ASSERT_TRUE(l->ok);
  EXPECT_TRUE(l->company.Shops.empty());
  EXPECT_TRUE(l->company.Lots.empty());
  EXPECT_TRUE(l->company.Accountants.empty());
  EXPECT_EQ(l->company.Money, Currency::fromUnits(10000));
  EXPECT_EQ(l->world.tickerLine, "t");
  lines[2] = "-1000000001";
  EXPECT_FALSE(load(SaveFileBytes(lines))->ok);
}

TEST(SaveCounts, HugeCountsFailAtOnce) {
  const SmallGame g;
  using G = SmallGame;
  for (size_t line : {G::kShopsCount, G::kLotsCount, G::kStoresCount, G::kAccountantsCount,
                      G::kLoadersCount, G::kManagersCount, G::kSalesmenCount}) {
    for (const char* token : {"1000000000", "1000000001", "2147483647", "99999999999"}) {
      const auto start = std::chrono::steady_clock::now();
      auto l = load(g.with(line, token));
      const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
          std::chrono::steady_clock::now() - start);
      EXPECT_FALSE(l->ok) << "count line " << line << " = " << token;
      EXPECT_LT(ms.count(), 1000) << "count line " << line << " = " << token;
    }
  }
}

// A new game's file with `n` records of the smallest size in the list whose count
// is at `countLine` (empty texts, numbers "0", LF line ends), its last line padded
// so that exactly `rest` bytes follow the count's line.
std::string smallRecordsThenBytes(size_t countLine, const std::string& record, int n,
                                  size_t rest) {
  TCorporation company;
  const EngineValues values;
  const std::vector<std::string> lines = SaveLines(company, values, "");
  std::string head, after;
  for (size_t i = 0; i < countLine; ++i) head += utf8ToCp1251(lines[i]) + "\n";
  head += std::to_string(n) + "\n";
  for (int i = 0; i < n; ++i) after += record;
  for (size_t i = countLine + 1; i + 1 < lines.size(); ++i)
    after += utf8ToCp1251(lines[i]) + "\n";
  if (after.size() + 1 > rest) return "";  // no room for the padding
  after += std::string(rest - after.size() - 1, 'x') + "\n";
  return head + after;
}

// The smallest record of a list: its entry's text and every text empty, every
// number 0, LF line ends.
class SmallestRecord {
 public:
  template <class Table, class Subject>
  SmallestRecord(const Table& table, Subject& subject) : lines_(1), bytes_("\n") {
    savefile::walk(*this, table, subject);
  }
  template <class F, class V>
  void field(const F&, const V&) {
    bytes_ += std::is_same_v<std::remove_cv_t<V>, std::string> ? "\n" : "0\n";
    ++lines_;
  }
  size_t lines() const { return lines_; }
  const std::string& bytes() const { return bytes_; }

 private:
  size_t lines_;
  std::string bytes_;
};

TEST(SaveCounts, RecordsMustFitTheBytesLeft) {
  // The three building counts open a new game's file, the four staff counts follow the
  // office; the bytes after the count's line must hold two bytes per record line. The
  // smallest records are a little shorter than that, so enough of them reach the limit.
  Random random;
  TShop shop;
  TSmallStore store;
  TSaler salesman(random);
  const SmallestRecord sale(savefile::kSaleFields, shop);
  const SmallestRecord storage(savefile::kStoreFields, store);
  const SmallestRecord employee(savefile::kEmployeeFields, salesman);
  const size_t staff = 3 + savefile::kOfficeRecordLines;
  const struct {
    const char* list;
    size_t countLine;
    const SmallestRecord& record;
  } lists[] = {{"shops", 0, sale},          {"stalls", 1, sale},
               {"stores", 2, storage},      {"accountants", staff, employee},
               {"loaders", staff + 1, employee}, {"managers", staff + 2, employee},
               {"salesmen", staff + 3, employee}};
  constexpr int n = 1000;
  for (const auto& list : lists) {
    const size_t limit = n * list.record.lines() * 2;
    const std::string fits = smallRecordsThenBytes(list.countLine, list.record.bytes(), n, limit);
    ASSERT_FALSE(fits.empty()) << list.list;
    EXPECT_TRUE(load(fits)->ok) << list.list << " with exactly " << limit << " bytes left";
    EXPECT_FALSE(load(smallRecordsThenBytes(list.countLine, list.record.bytes(), n, limit - 1))->ok)
        << list.list << " with " << limit - 1 << " bytes left";
  }
}

TEST(SaveCounts, EachLoadedEmployeeDrawsOneRandomNumber) {
  Random random;
  TCorporation company;
  company.BuildStore();
  company.BuildShop();
  company.Office->Level = 3;
  company.Office->StaffPlaces = 20;
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(company.HireLoader(random));
  for (int i = 0; i < 2; ++i) ASSERT_TRUE(company.HireSalesman(random));
  ASSERT_TRUE(company.HireAccountant(random));
  ASSERT_TRUE(company.HireManager(random));
  const EngineValues values;
  const std::string bytes = SaveFileBytes(SaveLines(company, values, ""));
  Loaded l;
  l.random.setSeed(12345);
  ASSERT_TRUE(LoadGameFromBytes(bytes, l.company, l.world, l.random));
  EXPECT_EQ(l.random.draws(), 7u);
  Random expected;
  expected.setSeed(12345);
  for (int i = 0; i < 7; ++i) expected.integer(21);
  EXPECT_EQ(l.random.seed(), expected.seed());
  // The saved moods replace the drawn ones.
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(l.company.Loaders[i].Mood, company.Loaders[i].Mood);
}

// ---------------------------------------------------------------------------
// The size of the file

TEST(SaveFileSize, LargestAcceptedFileLoadsAndOneByteMoreFails) {
  const SmallGame g;
  std::string bytes = SaveFileBytes(g.lines);
  bytes.resize(kMaxSaveFileBytes, ' ');  // blanks after the last line are never read
  auto l = load(bytes);
  ASSERT_TRUE(l->ok);
  EXPECT_EQ(l->world.tickerLine, "тикер");
  bytes.push_back(' ');
  EXPECT_FALSE(load(bytes)->ok);
}

TEST(SaveFileSize, OnDiskTheSameLimitHolds) {
  const SmallGame g;
  const kmtest::ScratchDir dir;
  const fs::path file = dir / "game.dat";
  savetest::writeAll(file, SaveFileBytes(g.lines));
  fs::resize_file(file, kMaxSaveFileBytes);  // zero bytes after the ticker line
  Loaded ok;
  EXPECT_TRUE(LoadGame(file.string(), ok.company, ok.world, ok.random));
  EXPECT_EQ(ok.company.Shops.size(), 1u);
  fs::resize_file(file, kMaxSaveFileBytes + 1);
  Loaded big;
  EXPECT_FALSE(LoadGame(file.string(), big.company, big.world, big.random));
}

TEST(SaveFileSize, MissingOrUnreadableFileFails) {
  Loaded l;
  EXPECT_FALSE(LoadGame((fs::temp_directory_path() / "kelpmark-no-such-dir" / "game.dat").string(),
                        l.company, l.world, l.random));
  // A directory is not a file that can be read.
  Loaded d;
  EXPECT_FALSE(LoadGame(fs::temp_directory_path().string(), d.company, d.world, d.random));
}

}  // namespace
}  // namespace kelpmark
