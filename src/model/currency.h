// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Money: a signed 64-bit count of 1/10000 units with exact arithmetic.
#include <compare>
#include <cstdint>

namespace kelpmark {

class Currency {
 public:
  static constexpr int64_t kScale = 10000;

  constexpr Currency() = default;

  static constexpr Currency fromCount(int64_t count) { return Currency(count); }
  // Whole units (saturating).
  static Currency fromUnits(int64_t units);
  // A real number of units, rounded to the nearest 1/10000 (ties to even).
  static Currency fromDouble(double units);
  // A real number of units rounded to whole units (ties to even).
  static Currency fromDoubleWholeUnits(double units);
  // A real count of 1/10000 units rounded to the nearest count (ties to even).
  static Currency fromDoubleCount(double count);

  constexpr int64_t count() const { return count_; }
  // The amount in units as a double (count / 10000).
  double units() const { return static_cast<double>(count_) / 10000.0; }
  // The count as a double.
  double countAsDouble() const { return static_cast<double>(count_); }

  // Rounded to whole units, ties to even.
  Currency roundedToUnits() const;
  Currency abs() const;

  friend Currency operator+(Currency a, Currency b);
  friend Currency operator-(Currency a, Currency b);
  Currency operator-() const;
  friend Currency operator*(Currency a, int64_t k);
  friend Currency operator*(int64_t k, Currency a) { return a * k; }
  Currency& operator+=(Currency b) { return *this = *this + b; }
  Currency& operator-=(Currency b) { return *this = *this - b; }

  friend constexpr auto operator<=>(Currency a, Currency b) = default;
  friend constexpr bool operator==(Currency a, Currency b) = default;

 private:
  explicit constexpr Currency(int64_t count) : count_(count) {}
  int64_t count_ = 0;
};

}  // namespace kelpmark
