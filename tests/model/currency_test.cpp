// SPDX-License-Identifier: GPL-3.0-or-later
// Money is an exact count of 1/10000 units; conversions from reals round half to even.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "model/currency.h"

using kelpmark::Currency;

namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

}  // namespace

TEST(Currency, FromDoubleRoundsToNearestCountHalfToEven) {
  // 0.00025 * 10000 and 0.00035 * 10000 are exactly 2.5 and 3.5 in doubles.
  EXPECT_EQ(Currency::fromDouble(0.00025).count(), 2);
  EXPECT_EQ(Currency::fromDouble(0.00035).count(), 4);
  EXPECT_EQ(Currency::fromDouble(-0.00025).count(), -2);
  EXPECT_EQ(Currency::fromDouble(-0.00035).count(), -4);
  EXPECT_EQ(Currency::fromDouble(8.5).count(), 85000);
  EXPECT_EQ(Currency::fromDouble(-12.3456).count(), -123456);
  EXPECT_EQ(Currency::fromDoubleCount(2.5).count(), 2);
  EXPECT_EQ(Currency::fromDoubleCount(3.5).count(), 4);
  EXPECT_EQ(Currency::fromDoubleCount(-2.5).count(), -2);
  EXPECT_EQ(Currency::fromDoubleCount(2.5000001).count(), 3);
}

TEST(Currency, WholeUnitConversionsRoundHalfToEven) {
  // A salary of 75 raised by 10%: 82.5 gives 82; 83.5 gives 84.
  EXPECT_EQ(Currency::fromDoubleWholeUnits(75 * 1.1), Currency::fromUnits(82));
  EXPECT_EQ(Currency::fromDoubleWholeUnits(83.5), Currency::fromUnits(84));
  EXPECT_EQ(Currency::fromDoubleWholeUnits(0.5), Currency());
  EXPECT_EQ(Currency::fromDoubleWholeUnits(-0.5), Currency());
  EXPECT_EQ(Currency::fromDoubleWholeUnits(-1.5), Currency::fromUnits(-2));
  EXPECT_EQ(Currency::fromDoubleWholeUnits(-82.5), Currency::fromUnits(-82));
  EXPECT_EQ(Currency::fromDoubleWholeUnits(2.4999), Currency::fromUnits(2));

  // roundedToUnits works on the exact count.
  EXPECT_EQ(Currency::fromCount(25000).roundedToUnits(), Currency::fromUnits(2));
  EXPECT_EQ(Currency::fromCount(35000).roundedToUnits(), Currency::fromUnits(4));
  EXPECT_EQ(Currency::fromCount(25001).roundedToUnits(), Currency::fromUnits(3));
  EXPECT_EQ(Currency::fromCount(24999).roundedToUnits(), Currency::fromUnits(2));
  EXPECT_EQ(Currency::fromCount(-25000).roundedToUnits(), Currency::fromUnits(-2));
  EXPECT_EQ(Currency::fromCount(-35000).roundedToUnits(), Currency::fromUnits(-4));
  EXPECT_EQ(Currency::fromCount(-25001).roundedToUnits(), Currency::fromUnits(-3));
  EXPECT_EQ(Currency::fromCount(-5000).roundedToUnits(), Currency());
  EXPECT_EQ(Currency::fromCount(125000).roundedToUnits(), Currency::fromUnits(12));
  EXPECT_EQ(Currency::fromCount(135000).roundedToUnits(), Currency::fromUnits(14));
}

TEST(Currency, ArithmeticIsExactAndSaturatesAtTheLimits) {
  // 0.1 + 0.2 is exactly 0.3 in money, unlike in doubles.
  EXPECT_EQ(Currency::fromCount(1000) + Currency::fromCount(2000), Currency::fromCount(3000));
  EXPECT_EQ(Currency::fromUnits(3) * 7, Currency::fromUnits(21));
  EXPECT_EQ(-Currency::fromUnits(5), Currency::fromUnits(-5));

  const Currency top = Currency::fromCount(kMax);
  const Currency bottom = Currency::fromCount(kMin);
  EXPECT_EQ((top + Currency::fromCount(1)).count(), kMax);
  EXPECT_EQ((bottom - Currency::fromCount(1)).count(), kMin);
  EXPECT_EQ((-bottom).count(), kMax);
  EXPECT_EQ(bottom.abs().count(), kMax);
  EXPECT_EQ((Currency::fromCount(kMax / 2 + 1) * 2).count(), kMax);
  EXPECT_EQ((Currency::fromCount(kMax / 2 + 1) * -3).count(), kMin);
  EXPECT_EQ(Currency::fromUnits(kMax).count(), kMax);
  EXPECT_EQ(Currency::fromUnits(kMin).count(), kMin);
  EXPECT_EQ(Currency::fromDouble(1e30).count(), kMax);
  EXPECT_EQ(Currency::fromDouble(-1e30).count(), kMin);
  EXPECT_EQ(Currency::fromDoubleWholeUnits(1e300).count(), kMax);
  // The limits lie between whole units: rounded, they fall outside and saturate.
  EXPECT_EQ(bottom.roundedToUnits().count(), kMin);
  EXPECT_EQ(top.roundedToUnits().count(), kMax);
}

TEST(Currency, ComparisonsAreExact) {
  EXPECT_LT(Currency::fromCount(999999), Currency::fromUnits(100));
  EXPECT_GT(Currency::fromCount(1), Currency());
  EXPECT_EQ(Currency::fromUnits(10000).units(), 10000.0);
  EXPECT_EQ(Currency::fromCount(-123456).units(), -12.3456);
}
