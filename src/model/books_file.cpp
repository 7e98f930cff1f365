// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/books_file.h"

#include <charconv>
#include <optional>
#include <sstream>
#include <vector>

#include "model/calendar.h"
#include "model/int128.h"
#include "model/text_format.h"

namespace kelpmark {

namespace {

const char* const kHeader = "kelpmark books 1";

// A real as the save file writes it, without its sign position's blank.
std::string saveReal(double v) {
  std::string s = formatSaveReal(v);
  if (!s.empty() && s.front() == ' ') s.erase(0, 1);
  return s;
}

void categoryLines(std::string& out, const CategoryAmounts& amounts) {
  for (size_t k = 0; k < kMoneyCategoryCount; ++k) {
    if (amounts[k] == Currency()) continue;
    out += moneyCategoryId(static_cast<MoneyCategory>(k));
    out += ' ';
    out += formatMoney(amounts[k]);
    out += '\n';
  }
}

std::vector<std::string> words(const std::string& line) {
  std::vector<std::string> w;
  std::istringstream in(line);
  std::string word;
  while (in >> word) w.push_back(word);
  return w;
}

std::optional<int64_t> integer(const std::string& s) {
  int64_t v = 0;
  const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
  if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return std::nullopt;
  return v;
}

std::optional<MonthIndex> month(const std::string& s) {
  const size_t dot = s.find('.');
  if (dot != 2) return std::nullopt;
  const std::optional<int64_t> m = integer(s.substr(0, 2));
  const std::optional<int64_t> y = integer(s.substr(3));
  if (!m || !y || *m < 1 || *m > 12 || *y < -100000 || *y > 100000) return std::nullopt;
  return *y * 12 + (*m - 1);
}

// The category lines that follow a month or the day, into `amounts`; false for a
// line that is no category, a category out of order or repeated, or a bad amount.
bool readCategories(const std::vector<std::vector<std::string>>& lines, size_t& at,
                    CategoryAmounts& amounts) {
  size_t next = 0;
  for (; at < lines.size() && lines[at].size() == 2; ++at) {
    size_t k = next;
    while (k < kMoneyCategoryCount && lines[at][0] != moneyCategoryId(static_cast<MoneyCategory>(k))) ++k;
    if (k == kMoneyCategoryCount) return lines[at][0] == "today" || lines[at][0] == "month";
    const std::optional<Currency> a = parseMoney(lines[at][1]);
    if (!a) return false;
    amounts[k] = *a;
    next = k + 1;
  }
  return true;
}

}  // namespace

std::string booksFileText(const Books& books, double gameDate, Currency money) {
  std::string out = std::string(kHeader) + "\n";
  out += "save " + saveReal(gameDate) + " " + saveReal(money.units()) + "\n";
  for (const BooksMonth& m : books.months(gameDate, money)) {
    out += "month " + monthText(m.month) + " opening " + formatMoney(m.opening) + " closing " +
           formatMoney(m.closing) + "\n";
    categoryLines(out, m.amounts);
  }
  out += "today " + std::to_string(books.todayDay()) + "\n";
  categoryLines(out, books.todayAmounts());
  out += "end\n";
  return out;
}

BooksFileFit readBooksFile(const std::string& text, double gameDate, Currency money, Books& out) {
  if (text.size() > kMaxBooksFileBytes) return BooksFileFit::Damaged;
  std::vector<std::vector<std::string>> lines;
  std::istringstream in(text);
  std::string line;
  bool first = true;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (first && line != kHeader) return BooksFileFit::Damaged;
    if (!first) lines.push_back(words(line));
    first = false;
  }
  if (lines.empty() || lines[0].size() != 3 || lines[0][0] != "save") return BooksFileFit::Damaged;
  if (lines[0][1] != saveReal(gameDate) || lines[0][2] != saveReal(money.units()))
    return BooksFileFit::Foreign;

  size_t at = 1;
  std::vector<CategoryAmounts> months;
  MonthIndex firstMonth = 0;
  Currency opening;
  Currency closing;
  while (at < lines.size() && !lines[at].empty() && lines[at][0] == "month") {
    const std::vector<std::string>& w = lines[at++];
    if (w.size() != 6 || w[2] != "opening" || w[4] != "closing") return BooksFileFit::Damaged;
    const std::optional<MonthIndex> m = month(w[1]);
    const std::optional<Currency> a = parseMoney(w[3]);
    const std::optional<Currency> b = parseMoney(w[5]);
    if (!m || !a || !b || months.size() >= Books::kMaxMonths) return BooksFileFit::Damaged;
    if (months.empty()) {
      firstMonth = *m;
      opening = *a;
    } else if (*m != firstMonth + static_cast<MonthIndex>(months.size()) || *a != closing) {
      return BooksFileFit::Damaged;
    }
    CategoryAmounts amounts{};
    if (!readCategories(lines, at, amounts)) return BooksFileFit::Damaged;
    Currency sum = *a;
    for (Currency x : amounts) sum += x;
    if (sum != *b) return BooksFileFit::Damaged;
    closing = *b;
    months.push_back(amounts);
  }
  if (months.empty() || closing != money ||
      firstMonth + static_cast<MonthIndex>(months.size()) - 1 != monthIndexOf(gameDate))
    return BooksFileFit::Damaged;
  if (at >= lines.size() || lines[at].size() != 2 || lines[at][0] != "today")
    return BooksFileFit::Damaged;
  const std::optional<int64_t> day = integer(lines[at++][1]);
  CategoryAmounts today{};
  if (!day || !readCategories(lines, at, today)) return BooksFileFit::Damaged;
  if (at + 1 != lines.size() || lines[at] != std::vector<std::string>{"end"})
    return BooksFileFit::Damaged;
  out.restore(firstMonth, opening, std::move(months), *day, today);
  return BooksFileFit::Belongs;
}

}  // namespace kelpmark
