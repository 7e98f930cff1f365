// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/results.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <sstream>

#include "model/calendar.h"
#include "model/save_disk.h"
#include "model/text_format.h"

namespace kelpmark {

namespace {

const char* const kHeader = "kelpmark results 1";
const char* const kOutcomes[] = {"won", "value_halved", "prestige_lost", "year_over"};

std::optional<int> number(const std::string& s, size_t at, size_t digits) {
  if (at + digits > s.size()) return std::nullopt;
  int v = 0;
  for (size_t i = at; i < at + digits; ++i) {
    if (s[i] < '0' || s[i] > '9') return std::nullopt;
    v = v * 10 + (s[i] - '0');
  }
  return v;
}

// "DD.MM.YYYY HH:MM" of a game date, and back.
std::string gameDateText(double date) {
  const DecodedDate d = decodeDate(date);
  return formatDate(d, "dd.MM.yyyy") + " " + formatTime(d, "HH:mm");
}

std::optional<double> gameDate(const std::string& s) {
  if (s.size() != 16 || s[2] != '.' || s[5] != '.' || s[10] != ' ' || s[13] != ':')
    return std::nullopt;
  const auto day = number(s, 0, 2), month = number(s, 3, 2), year = number(s, 6, 4);
  const auto hour = number(s, 11, 2), minute = number(s, 14, 2);
  if (!day || !month || !year || !hour || !minute || *day < 1 || *day > 31 || *month < 1 ||
      *month > 12 || *hour > 23 || *minute > 59)
    return std::nullopt;
  const double date = encodeDate(*year, *month, *day) + (*hour * 60 + *minute) / 1440.0;
  // A day the month does not have (31.02) comes out as another date.
  if (gameDateText(date) != s) return std::nullopt;
  return date;
}

bool playedDate(const std::string& s) {
  return s.size() == 16 && s[4] == '-' && s[7] == '-' && s[10] == ' ' && s[13] == ':' &&
         number(s, 0, 4) && number(s, 5, 2) && number(s, 8, 2) && number(s, 11, 2) &&
         number(s, 14, 2);
}

std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> out;
  size_t start = 0;
  for (;;) {
    const size_t tab = line.find('\t', start);
    out.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return out;
    start = tab + 1;
  }
}

}  // namespace

const char* gameOutcomeId(GameOutcome outcome) { return kOutcomes[static_cast<size_t>(outcome)]; }

std::string resultsText(const std::vector<GameResult>& results) {
  std::string out = std::string(kHeader) + "\n";
  for (const GameResult& r : results)
    out += r.played + "\t" + gameOutcomeId(r.outcome) + "\t" + gameDateText(r.ended) + "\t" +
           formatMoney(r.value) + "\t" + formatMoney(r.money) + "\t" +
           std::to_string(r.marketShare) + "\n";
  return out;
}

std::optional<std::vector<GameResult>> parseResults(const std::string& text) {
  if (text.size() > kMaxResultsFileBytes) return std::nullopt;
  std::istringstream in(text);
  std::string line;
  if (!std::getline(in, line) || line != kHeader) return std::nullopt;
  std::vector<GameResult> results;
  while (std::getline(in, line)) {
    const std::vector<std::string> f = fields(line);
    if (f.size() != 6 || !playedDate(f[0])) return std::nullopt;
    GameResult r;
    r.played = f[0];
    const auto outcome = std::find(std::begin(kOutcomes), std::end(kOutcomes), f[1]);
    if (outcome == std::end(kOutcomes)) return std::nullopt;
    r.outcome = static_cast<GameOutcome>(outcome - std::begin(kOutcomes));
    const std::optional<double> ended = gameDate(f[2]);
    const std::optional<Currency> value = parseMoney(f[3]);
    const std::optional<Currency> money = parseMoney(f[4]);
    int share = 0;
    const auto parsed = std::from_chars(f[5].data(), f[5].data() + f[5].size(), share);
    if (!ended || !value || !money || parsed.ec != std::errc() ||
        parsed.ptr != f[5].data() + f[5].size() || share < 1 || share > 100)
      return std::nullopt;
    r.ended = *ended;
    r.value = *value;
    r.money = *money;
    r.marketShare = share;
    results.push_back(std::move(r));
  }
  return results;
}

std::vector<GameResult> rankResults(std::vector<GameResult> results) {
  std::stable_sort(results.begin(), results.end(), [](const GameResult& a, const GameResult& b) {
    const bool aWon = a.outcome == GameOutcome::Won;
    const bool bWon = b.outcome == GameOutcome::Won;
    if (aWon != bWon) return aWon;
    if (aWon) return a.ended < b.ended;
    return a.value > b.value;
  });
  return results;
}

std::vector<GameResult> readResults(const std::string& path) {
  std::string text;
  if (!readRegularFile(path, kMaxResultsFileBytes, text)) {
    // Whatever stands in the file's place and cannot be read as one (a file too
    // long, a directory) is moved aside, so that the next result finds room.
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(path, ec))) moveAside(path);
    return {};
  }
  std::optional<std::vector<GameResult>> results = parseResults(text);
  if (results) return *results;
  keepRefusedSave(path);
  std::error_code ec;
  std::filesystem::remove(path, ec);
  return {};
}

bool addResult(const std::string& path, const GameResult& result, int* error) {
  std::vector<GameResult> results = readResults(path);
  results.push_back(result);
  return replaceFile(path, resultsText(results), false, error);
}

}  // namespace kelpmark
