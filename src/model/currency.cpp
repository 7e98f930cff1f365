// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/currency.h"

#include "model/int128.h"

namespace kelpmark {

Currency Currency::fromUnits(int64_t units) {
  return Currency(saturate64(static_cast<int128>(units) * kScale));
}

Currency Currency::fromDouble(double units) { return Currency(roundToInt64(units * 10000.0)); }

Currency Currency::fromDoubleWholeUnits(double units) { return fromUnits(roundToInt64(units)); }

Currency Currency::fromDoubleCount(double count) { return Currency(roundToInt64(count)); }

Currency Currency::roundedToUnits() const {
  return fromUnits(divRoundHalfEven(count_, kScale));
}

Currency Currency::abs() const { return count_ < 0 ? -*this : *this; }

Currency operator+(Currency a, Currency b) {
  return Currency(saturate64(static_cast<int128>(a.count_) + b.count_));
}

Currency operator-(Currency a, Currency b) {
  return Currency(saturate64(static_cast<int128>(a.count_) - b.count_));
}

Currency Currency::operator-() const { return Currency(saturate64(-static_cast<int128>(count_))); }

Currency operator*(Currency a, int64_t k) {
  return Currency(saturate64(static_cast<int128>(a.count_) * k));
}

}  // namespace kelpmark
