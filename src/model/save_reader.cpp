// Reading the saved game. The reader consumes exactly the sequence the writer
// produces; numbers are single tokens, texts the rest of their line. Counts and
// values the game could never use fail the load, so that nothing in a file can
// exhaust memory or overflow the game's arithmetic.
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "model/codepage.h"
#include "model/random.h"
#include "model/save_disk.h"
#include "model/save_file.h"

namespace kelpmark {

namespace {

constexpr int64_t kIntLimit = 1000000000;      // every other integer
constexpr double kMoneyLimit = 1e11;           // amounts, in units
constexpr double kDateLimit = 1e6;             // dates, in days
constexpr double kRealLimit = 1e9;             // every other real

struct LoadFailed {};

class Reader {
 public:
  explicit Reader(const std::string& bytes) : data_(bytes) {}

  size_t bytesLeft() const { return data_.size() - pos_; }

  // A whole line without its line end. The end of the file before the line fails.
  std::string text() {
    if (pos_ >= data_.size()) throw LoadFailed{};
    const size_t start = pos_;
    while (pos_ < data_.size() && !isLineEnd(data_[pos_])) ++pos_;
    std::string out = data_.substr(start, pos_ - start);
    endLine();
    return cp1251ToUtf8(out);
  }

  bool flag() { return text() == "TRUE"; }

  int64_t integer(int64_t lo, int64_t hi) {
    const std::string tok = token(32);
    size_t i = 0;
    bool negative = false;
    if (tok[0] == '+' || tok[0] == '-') {
      negative = tok[0] == '-';
      i = 1;
    }
    if (i == tok.size()) throw LoadFailed{};
    int64_t v = 0;
    for (; i < tok.size(); ++i) {
      if (tok[i] < '0' || tok[i] > '9') throw LoadFailed{};
      v = v * 10 + (tok[i] - '0');
      if (v > 2147483648LL) throw LoadFailed{};
    }
    if (negative) v = -v;
    if (v > 2147483647LL || v < lo || v > hi) throw LoadFailed{};
    return v;
  }

  int32_t int32(int64_t lo = -kIntLimit, int64_t hi = kIntLimit) {
    return static_cast<int32_t>(integer(lo, hi));
  }

  double real(double limit) {
    const std::string tok = token(64);
    if (!isRealToken(tok)) throw LoadFailed{};
    // Read independently of the C locale's decimal separator.
    const char* first = tok.data();
    const char* last = tok.data() + tok.size();
    if (*first == '+') ++first;
    double v = 0;
    const auto r = std::from_chars(first, last, v, std::chars_format::general);
    if (r.ptr != last) throw LoadFailed{};
    if (r.ec == std::errc::result_out_of_range) {
      // A token of at most 64 characters is out of range only through its exponent:
      // a negative one means a value too small to tell from 0.
      const size_t e = tok.find_first_of("eE");
      if (e == std::string::npos || tok[e + 1] != '-') throw LoadFailed{};
      v = 0;
    } else if (r.ec != std::errc()) {
      throw LoadFailed{};
    }
    if (!std::isfinite(v) || v > limit || v < -limit) throw LoadFailed{};
    return v;
  }

  double date() { return real(kDateLimit); }
  double number() { return real(kRealLimit); }

  Currency money() {
    const double units = real(kMoneyLimit);
    return Currency::fromDoubleCount(units * 10000);
  }

  // A list count; fails when the records could not fit in the rest of the file.
  int32_t count(int linesPerRecord) {
    const int32_t n = int32();
    if (n > 0 && static_cast<int64_t>(n) * linesPerRecord * 2 > static_cast<int64_t>(bytesLeft()))
      throw LoadFailed{};
    return n;
  }

 private:
  static bool isLineEnd(char ch) { return ch == '\r' || ch == '\n'; }

  // A line ends at CR LF, at a lone LF or at a lone CR.
  void endLine() {
    if (pos_ < data_.size() && data_[pos_] == '\r') {
      ++pos_;
      if (pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
    } else if (pos_ < data_.size() && data_[pos_] == '\n') {
      ++pos_;
    }
  }

  // Skips blanks, control characters and line ends, takes one token, then skips the
  // rest of its line. The end of the file before the token fails.
  std::string token(size_t maxLength) {
    while (pos_ < data_.size() && static_cast<unsigned char>(data_[pos_]) <= 0x20) ++pos_;
    if (pos_ >= data_.size()) throw LoadFailed{};
    std::string tok;
    while (pos_ < data_.size() && static_cast<unsigned char>(data_[pos_]) > 0x20) {
      tok += data_[pos_++];
      if (tok.size() > maxLength) throw LoadFailed{};
    }
    while (pos_ < data_.size() && !isLineEnd(data_[pos_])) ++pos_;
    endLine();
    return tok;
  }

  // [+-]?(digits[.digits?]|.digits)([eE][+-]?digits)?
  static bool isRealToken(const std::string& t) {
    size_t i = 0;
    auto digits = [&] {
      size_t start = i;
      while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
      return i - start;
    };
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    if (digits() > 0) {
      if (i < t.size() && t[i] == '.') {
        ++i;
        digits();
      }
    } else {
      if (i >= t.size() || t[i] != '.') return false;
      ++i;
      if (digits() == 0) return false;
    }
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
      ++i;
      if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
      if (digits() == 0) return false;
    }
    return i == t.size();
  }

  const std::string& data_;
  size_t pos_ = 0;
};

constexpr int64_t kLevelLimit = 100;

void readBuilding(Reader& r, TBuilding& b) {
  b.MaxLevel = r.int32(-kLevelLimit, kLevelLimit);
  b.Level = r.int32(-kLevelLimit, kLevelLimit);
  b.Condition = r.int32();
  b.Value = r.money();
  b.UpgradeCost = r.money();
  b.Upkeep = r.money();
  b.BuildingSpare = r.number();
  b.StaffPlaces = r.int32();
  b.IsOffice = r.int32();
}

template <class Building>
void readBuildings(Reader& r, BuildingList& list, int linesPerRecord) {
  const int32_t n = r.count(linesPerRecord);
  for (int32_t i = 0; i < n; ++i) {
    std::string name = r.text();
    auto b = std::make_shared<Building>();
    list.add(std::move(name), b);
    b->Description = r.text();
    b->TypeName = r.text();
    readBuilding(r, *b);
    if constexpr (std::is_base_of_v<TSaleBuilding, Building>) {
      b->SaleKind = r.int32();
      b->SalesCapacity = r.int32();
      b->SaleSpare = r.int32();
    }
  }
}

template <class Worker>
void readStaff(Reader& r, StaffList& list, Random& random) {
  const int32_t n = r.count(7);
  for (int32_t i = 0; i < n; ++i) {
    std::string name = r.text();
    auto w = std::make_shared<Worker>(random);
    list.add(std::move(name), w);
    w->Salary = r.money();
    w->NominalSalary = r.money();
    w->HireCost = r.money();
    w->Experience = r.int32();
    w->Profession = r.text();
    w->Mood = r.int32();
  }
}

void readAll(Reader& r, TCorporation& c, SavedWorld& world, Random& random) {
  readBuildings<TShop>(r, c.Shops, 15);
  readBuildings<TLot>(r, c.Lots, 15);
  readBuildings<TSmallStore>(r, c.Stores, 12);
  TOffice& office = *c.Office;
  office.Description = r.text();
  office.TypeName = r.text();
  readBuilding(r, office);
  office.OfficeSpare = r.int32();
  readStaff<TAccounter>(r, c.Accountants, random);
  readStaff<TStuff>(r, c.Loaders, random);
  readStaff<TManager>(r, c.Managers, random);
  readStaff<TSaler>(r, c.Salesmen, random);

  c.AccountantsWork = r.flag();
  c.LoadersWork = r.flag();
  c.ManagersWork = r.flag();
  c.SalesmenWork = r.flag();
  c.Prestige = r.int32();
  c.FishStock = r.int32();
  c.StockCost = r.money();
  c.PausePenalty = r.number();
  c.Prestige = r.int32();
  c.StaffCount = r.int32(0, kIntLimit);
  c.BuildingCount = r.int32(0, kIntLimit);
  c.TaxSavedShare = r.number();
  c.TodayRevenue = r.money();
  c.LastDayRevenue = r.money();
  c.CampaignReadyDate = r.date();
  c.CampaignDuration = r.number();
  c.TaxHolidayOver = r.flag();
  c.Money = r.money();
  c.MonthIncome = r.money();
  c.MonthExpense = r.money();
  c.OverdraftDate = r.date();
  c.LastMonthValue = r.money();
  c.OverdraftPenalty = r.int32();
  c.StrikePenalty = r.number();
  c.PendingCampaign = r.int32();
  c.ResultPoints = r.int32();
  c.CampaignEffectUntil = r.date();
  c.MarketShare = r.int32();
  c.CampaignCounter = r.int32();

  EngineValues& v = world.values;
  ClockValues& k = v.clock;
  k.GameDate = r.date();
  // The speed lines must hold integers but are not taken over: the clock keeps the
  // speed the lamps show.
  r.integer(INT32_MIN, INT32_MAX);
  r.integer(INT32_MIN, INT32_MAX);
  k.CurrentWeekDay = r.int32();
  k.PreviousWeekDay = r.int32();
  k.CurrentMonth = r.int32();
  k.PreviousMonth = r.int32();
  k.CurrentHour = r.int32();
  k.PreviousHour = r.int32();
  v.reserved.ReservedFlag = r.flag();
  MarketValues& m = v.market;
  m.RetailPrice = r.money();
  m.WholesalePrice = r.money();
  m.MarketLevel = r.number();
  v.reserved.ReservedFactorA = r.number();
  m.PricePhase = r.number();
  m.ShopPriceFactor = r.number();
  m.TrendPhase = r.number();
  m.DayPhase = r.number();
  m.MarketBias = r.number();
  v.reserved.ReservedFactorB = r.number();
  m.WholesaleFactor = r.number();
  m.RetailFactor = r.number();
  m.DemandLevel = r.number();
  m.CampaignBoost = r.number();
  v.sales.TaxRate = r.int32();
  v.bargain.BargainBulkStep = r.int32();
  v.bargain.BargainSmallStep = r.int32();
  v.bargain.MonthsElapsed = r.int32(0, kIntLimit);
  v.bargain.BargainHighPrice = r.money();
  v.bargain.BargainLowPrice = r.money();
  r.text();  // a constant 0
  v.sales.MarketScale = r.int32(-1000000, 1000000);
  v.sales.MarketCapacity = r.number();
  m.TickerFree = r.flag();

  c.OverdraftDate = r.date();
  c.OverdraftPenalty = r.int32();
  c.PauseDate = r.date();
  c.PrestigeBonusUntil = r.date();
  c.SaleTicks = r.int32(0, kIntLimit);
  c.StrikePenalty = r.number();
  c.ResultPoints = r.int32();
  c.CampaignCounter = r.int32();
  r.text();  // the chart counter keeps its value
  world.tickerLine = r.text();
}

}  // namespace

bool LoadGameFromBytes(const std::string& bytes, TCorporation& company, SavedWorld& world,
                       Random& random) {
  if (bytes.size() > kMaxSaveFileBytes) return false;
  Reader reader(bytes);
  try {
    readAll(reader, company, world, random);
  } catch (const LoadFailed&) {
    return false;
  }
  return true;
}

bool LoadGame(const std::string& path, TCorporation& company, SavedWorld& world, Random& random) {
  std::string bytes;
  if (!readRegularFile(path, kMaxSaveFileBytes, bytes)) return false;
  return LoadGameFromBytes(bytes, company, world, random);
}

}  // namespace kelpmark
