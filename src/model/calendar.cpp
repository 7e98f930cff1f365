// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/calendar.h"

#include <array>
#include <cmath>

namespace kelpmark {

namespace {

constexpr int64_t kMsPerDay = 86400000;
// Day number of 1 January 1970 in the game calendar.
constexpr int64_t kUnixEpochDay = 25569;

int64_t floorDiv(int64_t a, int64_t b) {
  int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

// Proleptic Gregorian calendar from days since 1970-01-01.
void civilFromDays(int64_t z, int64_t& y, int& m, int& d) {
  z += 719468;
  const int64_t era = floorDiv(z, 146097);
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  y = yoe + era * 400;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  if (m <= 2) ++y;
}

int64_t daysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const int64_t era = floorDiv(y, 400);
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

std::string pad(int64_t v, int width) {
  std::string s = std::to_string(v < 0 ? -v : v);
  while (static_cast<int>(s.size()) < width) s.insert(s.begin(), '0');
  return v < 0 ? "-" + s : s;
}

// Expands runs of pattern letters through a callback.
template <class F>
std::string expand(const std::string& pattern, F field) {
  std::string out;
  for (size_t i = 0; i < pattern.size();) {
    char c = pattern[i];
    size_t j = i;
    while (j < pattern.size() && pattern[j] == c) ++j;
    int run = static_cast<int>(j - i);
    std::string piece;
    if (field(c, run, piece)) {
      out += piece;
    } else {
      out.append(pattern, i, j - i);
    }
    i = j;
  }
  return out;
}

// The date as a whole number of milliseconds.
int64_t millisecondsOf(double date) {
  if (!std::isfinite(date)) date = 0;
  // Day numbers far outside any game are clamped so that the millisecond count, and
  // the day times the milliseconds of a day, fit in 64 bits (1e11 days is 8.64e18 ms).
  if (date > 1e11) date = 1e11;
  if (date < -1e11) date = -1e11;
  return static_cast<int64_t>(std::nearbyint(date * static_cast<double>(kMsPerDay)));
}

void decodeTime(int64_t t, DecodedDate& r) {
  r.hour = static_cast<int>(t / 3600000);
  t %= 3600000;
  r.minute = static_cast<int>(t / 60000);
  t %= 60000;
  r.second = static_cast<int>(t / 1000);
  r.millisecond = static_cast<int>(t % 1000);
}

void decodeDay(int64_t day, DecodedDate& r) {
  r.day = day;
  civilFromDays(day - kUnixEpochDay, r.year, r.month, r.dayOfMonth);
  int64_t wd = (day - 1) % 7;
  if (wd < 0) wd += 7;
  r.weekDay = static_cast<int>(wd) + 1;
}

}  // namespace

DecodedDate decodeDate(double date) {
  DecodedDate r;
  const int64_t ms = millisecondsOf(date);
  const int64_t day = floorDiv(ms, kMsPerDay);
  decodeTime(ms - day * kMsPerDay, r);
  decodeDay(day, r);
  return r;
}

const DecodedDate& DateDecoder::operator()(double date) {
  if (date == date_) return decoded_;
  date_ = date;
  const int64_t ms = millisecondsOf(date);
  const int64_t day = floorDiv(ms, kMsPerDay);
  decodeTime(ms - day * kMsPerDay, decoded_);
  if (!decodedAny_ || day != decoded_.day) decodeDay(day, decoded_);
  decodedAny_ = true;
  return decoded_;
}

double snapToMillisecond(double date) {
  return std::nearbyint(date * static_cast<double>(kMsPerDay)) / static_cast<double>(kMsPerDay);
}

double encodeDate(int64_t year, int month, int day) {
  return static_cast<double>(daysFromCivil(year, month, day) + kUnixEpochDay);
}

std::string formatDate(const DecodedDate& d, const std::string& pattern) {
  return expand(pattern, [&](char c, int run, std::string& out) {
    switch (c) {
      case 'd': out = pad(d.dayOfMonth, run >= 2 ? 2 : 1); return true;
      case 'M': out = pad(d.month, run >= 2 ? 2 : 1); return true;
      case 'y':
        out = run >= 3 ? pad(d.year, 4) : pad(((d.year % 100) + 100) % 100, 2);
        return true;
      default: return false;
    }
  });
}

std::string formatTime(const DecodedDate& d, const std::string& pattern) {
  return expand(pattern, [&](char c, int run, std::string& out) {
    switch (c) {
      case 'H':
      case 'h': out = pad(d.hour, run >= 2 ? 2 : 1); return true;
      case 'm': out = pad(d.minute, run >= 2 ? 2 : 1); return true;
      case 's': out = pad(d.second, run >= 2 ? 2 : 1); return true;
      default: return false;
    }
  });
}

Marked weekDayName(int weekDay) {
  static constexpr std::array<Marked, 8> names = {
      Marked{nullptr, ""},             KM_TR("Calendar", "Воскресенье"),
      KM_TR("Calendar", "Понедельник"), KM_TR("Calendar", "Вторник"),
      KM_TR("Calendar", "Среда"),       KM_TR("Calendar", "Четверг"),
      KM_TR("Calendar", "Пятница"),     KM_TR("Calendar", "Суббота")};
  if (weekDay < 1 || weekDay > 7) return names[0];
  return names[static_cast<size_t>(weekDay)];
}

}  // namespace kelpmark
