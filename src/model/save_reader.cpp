// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the saved game: the reader walks the save tables as the writer does, so
// it consumes exactly the sequence the writer produces. Numbers are single tokens,
// texts whole lines; a file that ends before a line it should hold fails. Counts and
// values the game could never use fail the load, so that nothing in a file can
// exhaust memory or overflow the game's arithmetic.
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <type_traits>

#include "model/codepage.h"
#include "model/random.h"
#include "model/save_disk.h"
#include "model/save_fields.h"
#include "model/save_file.h"

namespace kelpmark {

namespace {

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

  double real(double lo, double hi) {
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
    if (!std::isfinite(v) || v < lo || v > hi) throw LoadFailed{};
    return v;
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

// Reads each field's line into it, the list records into new entries of their
// lists. A count fails when its records could not fit in the rest of the file.
class FieldReader {
 public:
  FieldReader(Reader& r, Random& random) : r_(r), random_(random) {}

  template <class F, class V>
  void field(const F& f, V& v) {
    using savefile::OnLoad;
    if (f.bounds.onLoad == OnLoad::Skip) {
      r_.text();
      return;
    }
    using T = std::remove_const_t<V>;
    T x{};
    if constexpr (std::is_same_v<T, std::string>) {
      x = r_.text();
    } else if constexpr (std::is_same_v<T, bool>) {
      x = r_.text() == "TRUE";
    } else if constexpr (std::is_same_v<T, int32_t>) {
      x = static_cast<int32_t>(
          r_.integer(static_cast<int64_t>(f.bounds.lo), static_cast<int64_t>(f.bounds.hi)));
    } else if constexpr (std::is_same_v<T, double>) {
      x = r_.real(f.bounds.lo, f.bounds.hi);
    } else {
      static_assert(std::is_same_v<T, Currency>);
      x = Currency::fromDoubleCount(r_.real(f.bounds.lo, f.bounds.hi) * 10000);
    }
    if constexpr (!std::is_const_v<V>) {
      if (f.bounds.onLoad == OnLoad::Take) v = std::move(x);
    }
  }

  template <class Building, class Fields>
  void buildings(BuildingList& list, const Fields& fields) {
    const int32_t n = count(1 + savefile::kLines<Fields>);
    for (int32_t i = 0; i < n; ++i) {
      std::string name = r_.text();
      auto b = std::make_shared<Building>();
      list.add(std::move(name), b);
      savefile::walk(*this, fields, *b);
    }
  }

  template <class Worker>
  void staff(StaffList& list) {
    const int32_t n = count(savefile::kEmployeeRecordLines);
    for (int32_t i = 0; i < n; ++i) {
      std::string name = r_.text();
      auto w = std::make_shared<Worker>(random_);
      list.add(std::move(name), w);
      savefile::walk(*this, savefile::kEmployeeFields, *w);
    }
  }

 private:
  int32_t count(size_t linesPerRecord) {
    const int64_t n = r_.integer(static_cast<int64_t>(savefile::kInteger.lo),
                                 static_cast<int64_t>(savefile::kInteger.hi));
    if (n > 0 && n * static_cast<int64_t>(linesPerRecord) * 2 >
                     static_cast<int64_t>(r_.bytesLeft()))
      throw LoadFailed{};
    return static_cast<int32_t>(n);
  }

  Reader& r_;
  Random& random_;
};

}  // namespace

bool LoadGameFromBytes(const std::string& bytes, TCorporation& company, SavedWorld& world,
                       Random& random) {
  if (bytes.size() > kMaxSaveFileBytes) return false;
  Reader reader(bytes);
  FieldReader fields(reader, random);
  savefile::ValuesView<TCorporation, EngineValues, std::string> view{company, world.values,
                                                                     world.tickerLine};
  try {
    savefile::walkFile(fields, view);
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
