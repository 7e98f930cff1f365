// SPDX-License-Identifier: GPL-3.0-or-later
// The game calendar: day numbers from 30 December 1899, decoded to the millisecond.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "model/calendar.h"

using kelpmark::decodeDate;
using kelpmark::encodeDate;
using kelpmark::snapToMillisecond;

TEST(Calendar, DecodesDaysWeekDaysAndTimes) {
  // The start of every game: Monday 1 January 2001, 06:00.
  const auto start = decodeDate(36892.25);
  EXPECT_EQ(start.year, 2001);
  EXPECT_EQ(start.month, 1);
  EXPECT_EQ(start.dayOfMonth, 1);
  EXPECT_EQ(start.hour, 6);
  EXPECT_EQ(start.minute, 0);
  EXPECT_EQ(start.weekDay, 2);

  // Day 0 is Saturday 30 December 1899; the day before it a Friday.
  const auto zero = decodeDate(0);
  EXPECT_EQ(zero.year, 1899);
  EXPECT_EQ(zero.month, 12);
  EXPECT_EQ(zero.dayOfMonth, 30);
  EXPECT_EQ(zero.weekDay, 7);
  const auto before = decodeDate(-1);
  EXPECT_EQ(before.dayOfMonth, 29);
  EXPECT_EQ(before.weekDay, 6);

  // 7 January 2001 is a Sunday (1), 1 February a Thursday (5), 1 January 2002 a Tuesday (3).
  EXPECT_EQ(decodeDate(36898).weekDay, 1);
  const auto february = decodeDate(36923);
  EXPECT_EQ(february.month, 2);
  EXPECT_EQ(february.dayOfMonth, 1);
  EXPECT_EQ(february.weekDay, 5);
  const auto nextYear = decodeDate(37257);
  EXPECT_EQ(nextYear.year, 2002);
  EXPECT_EQ(nextYear.month, 1);
  EXPECT_EQ(nextYear.weekDay, 3);

  // 23:59:59.999 on 31 December 2001.
  const auto last = decodeDate(37257 - 1.0 / 86400000);
  EXPECT_EQ(last.year, 2001);
  EXPECT_EQ(last.hour, 23);
  EXPECT_EQ(last.minute, 59);
  EXPECT_EQ(last.second, 59);
  EXPECT_EQ(last.millisecond, 999);
}

TEST(Calendar, DecodingRoundsToTheNearestMillisecond) {
  // 0.4 ms before midnight is midnight; 0.6 ms before is still the old day.
  const auto almost = decodeDate(36892 - 0.4 / 86400000);
  EXPECT_EQ(almost.dayOfMonth, 1);
  EXPECT_EQ(almost.year, 2001);
  EXPECT_EQ(almost.hour, 0);
  EXPECT_EQ(almost.millisecond, 0);
  const auto notYet = decodeDate(36892 - 0.6 / 86400000);
  EXPECT_EQ(notYet.year, 2000);
  EXPECT_EQ(notYet.dayOfMonth, 31);
  EXPECT_EQ(notYet.millisecond, 999);
  // 6:59:59.9996 reads as 7:00.
  EXPECT_EQ(decodeDate(36892 + 7.0 / 24 - 0.4 / 86400000).hour, 7);
}

TEST(Calendar, EncodesDatesAcrossLeapYears) {
  EXPECT_EQ(encodeDate(2001, 1, 1), 36892.0);
  EXPECT_EQ(encodeDate(2002, 1, 1), 37257.0);
  EXPECT_EQ(encodeDate(1899, 12, 30), 0.0);
  // 2000 and 2004 are leap years; 1900 and 2001 are not.
  EXPECT_EQ(encodeDate(2000, 3, 1) - encodeDate(2000, 2, 28), 2.0);
  EXPECT_EQ(encodeDate(2004, 3, 1) - encodeDate(2004, 2, 28), 2.0);
  EXPECT_EQ(encodeDate(1900, 3, 1) - encodeDate(1900, 2, 28), 1.0);
  EXPECT_EQ(encodeDate(2001, 3, 1) - encodeDate(2001, 2, 28), 1.0);
  const auto leapDay = decodeDate(encodeDate(2004, 2, 28) + 1);
  EXPECT_EQ(leapDay.month, 2);
  EXPECT_EQ(leapDay.dayOfMonth, 29);
  const auto noLeapDay = decodeDate(encodeDate(2001, 2, 28) + 1);
  EXPECT_EQ(noLeapDay.month, 3);
  EXPECT_EQ(noLeapDay.dayOfMonth, 1);
}

// A tick adds HourStep / 24 / SpeedDivider days and puts the date back on the
// nearest millisecond. Over the whole year 2001 every tick must decode to the exact
// minute it stands for, so no hour, day or month boundary is ever missed.
TEST(Calendar, SnappedTicksLandOnEveryBoundaryForAWholeYear) {
  for (int divider : {60, 12, 4, 1}) {
    const int minutesPerTick = 60 / divider;
    double date = 36892.25;
    int64_t minutes = 6 * 60;  // since 1 January 2001 00:00
    int failures = 0;
    while (minutes < 365 * 1440) {
      date = snapToMillisecond(date + static_cast<double>(1) / 24 / divider);
      minutes += minutesPerTick;
      const auto d = decodeDate(date);
      const bool exact = d.day == 36892 + minutes / 1440 && d.hour == (minutes % 1440) / 60 &&
                         d.minute == minutes % 60 && d.second == 0 && d.millisecond == 0;
      if (!exact && ++failures <= 3)
        ADD_FAILURE() << "divider " << divider << ": minute " << minutes << " decodes as day "
                      << d.day << " " << d.hour << ":" << d.minute << ":" << d.second << "."
                      << d.millisecond;
    }
    // The last tick reaches 1 January 2002, 00:00 exactly.
    EXPECT_EQ(date, 37257.0) << "divider " << divider;
    EXPECT_EQ(decodeDate(date).year, 2002);
  }
  // 1440 one-minute ticks from midnight reach the next midnight exactly.
  double date = 36923.0;
  for (int i = 0; i < 1440; ++i) date = snapToMillisecond(date + static_cast<double>(1) / 24 / 60);
  EXPECT_EQ(date, 36924.0);
}

// The clock's decoder keeps the calendar day of its last date: going forward within a
// day, across midnight, back in time (a new game) and to dates it cannot use, it must
// decode exactly as decodeDate does.
TEST(Calendar, RememberingDecoderAgreesWithDecodeDate) {
  kelpmark::DateDecoder decode;
  const double dates[] = {36892.25, 36892.25,  36892.9993055556, 37256.99999999, 37257.0,
                          36892.25, -1.75,     0.0,              -0.0,           1e15,
                          std::nan(""), 36923.5, 36924.5,        36924.0,        -1e15};
  for (double date : dates) {
    const kelpmark::DecodedDate a = decode(date);
    const kelpmark::DecodedDate b = decodeDate(date);
    EXPECT_TRUE(a.day == b.day && a.year == b.year && a.month == b.month &&
                a.dayOfMonth == b.dayOfMonth && a.hour == b.hour && a.minute == b.minute &&
                a.second == b.second && a.millisecond == b.millisecond && a.weekDay == b.weekDay)
        << date;
  }
}

TEST(Calendar, DateAndTimePatterns) {
  const auto d = decodeDate(36892.25 + 1.0 / 1440);
  EXPECT_EQ(kelpmark::formatDate(d, "dd.MM.yyyy"), "01.01.2001");
  EXPECT_EQ(kelpmark::formatTime(d, "H:mm:ss"), "6:01:00");
  EXPECT_EQ(kelpmark::formatTime(d, "HH:mm"), "06:01");
  EXPECT_EQ(kelpmark::formatDate(d, "d.M.yy"), "1.1.01");
  const auto late = decodeDate(encodeDate(2001, 12, 31) + (23 * 3600 + 59 * 60 + 59) / 86400.0);
  EXPECT_EQ(kelpmark::formatDate(late, "dd.MM.yyyy"), "31.12.2001");
  EXPECT_EQ(kelpmark::formatTime(late, "H:mm:ss"), "23:59:59");
  EXPECT_STREQ(kelpmark::weekDayName(1).source, "Воскресенье");
  EXPECT_STREQ(kelpmark::weekDayName(2).source, "Понедельник");
  EXPECT_STREQ(kelpmark::weekDayName(7).source, "Суббота");
}
