// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game calendar: a date is a double day number, day 0 being 30 December 1899,
// with the time of day as the fraction. Decoding works on the date rounded to the
// nearest millisecond.
#include <cstdint>
#include <limits>
#include <string>

#include "model/text.h"

namespace kelpmark {

struct DecodedDate {
  int64_t day = 0;  // whole day number
  int64_t year = 1899;
  int month = 12;       // 1..12
  int dayOfMonth = 30;  // 1..31
  int hour = 0, minute = 0, second = 0, millisecond = 0;
  int weekDay = 7;  // 1 = Sunday .. 7 = Saturday
};

DecodedDate decodeDate(double date);

// decodeDate that remembers its last date, and the calendar day of its last day.
class DateDecoder {
 public:
  const DecodedDate& operator()(double date);

 private:
  double date_ = std::numeric_limits<double>::quiet_NaN();
  bool decodedAny_ = false;
  DecodedDate decoded_;
};

// Puts a date back on the nearest whole millisecond (ties to even).
double snapToMillisecond(double date);

// Day number of a calendar date (no time).
double encodeDate(int64_t year, int month, int day);

// Texts in the given patterns: "dd.MM.yyyy" style (d, dd, M, MM, yy, yyyy) and
// "H:mm:ss" style (H, HH, m, mm, s, ss); other characters are copied.
std::string formatDate(const DecodedDate& d, const std::string& pattern);
std::string formatTime(const DecodedDate& d, const std::string& pattern);

// Names of the week days by number 1 (Sunday) .. 7 (Saturday).
Marked weekDayName(int weekDay);

}  // namespace kelpmark
