// SPDX-License-Identifier: GPL-3.0-or-later
// Number texts: the general and fixed money formats, the save file's real form,
// the reports window's fixed-point figures, label format strings, and the texts
// handed to the windows with their arguments.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "model/text.h"
#include "model/text_format.h"

using kelpmark::Currency;
using kelpmark::formatFixedSignificant;
using kelpmark::formatMoney;
using kelpmark::formatMoneyFixed;
using kelpmark::formatSaveReal;

namespace {

Currency count(int64_t c) { return Currency::fromCount(c); }

}  // namespace

TEST(MoneyFormat, GeneralFormatDropsTrailingZerosAndUsesTheSeparator) {
  EXPECT_EQ(formatMoney(Currency::fromUnits(10000)), "10000");
  EXPECT_EQ(formatMoney(Currency()), "0");
  EXPECT_EQ(formatMoney(count(8431000)), "843.1");
  EXPECT_EQ(formatMoney(count(12300)), "1.23");
  EXPECT_EQ(formatMoney(count(1)), "0.0001");
  EXPECT_EQ(formatMoney(count(-123456)), "-12.3456");
  EXPECT_EQ(formatMoney(count(-5000)), "-0.5");
  EXPECT_EQ(formatMoney(count(-1)), "-0.0001");
  EXPECT_EQ(formatMoney(count(8431000), ','), "843,1");
  EXPECT_EQ(formatMoney(Currency::fromUnits(-7), ','), "-7");
  EXPECT_EQ(formatMoney(count(std::numeric_limits<int64_t>::min())), "-922337203685477.5808");
  EXPECT_EQ(formatMoney(count(std::numeric_limits<int64_t>::max())), "922337203685477.5807");
}

TEST(MoneyFormat, FixedFormatRoundsTheExactAmountHalfToEven) {
  EXPECT_EQ(formatMoneyFixed(count(85050)), "8.50");
  EXPECT_EQ(formatMoneyFixed(count(85150)), "8.52");
  EXPECT_EQ(formatMoneyFixed(count(85051)), "8.51");
  EXPECT_EQ(formatMoneyFixed(count(-85050)), "-8.50");
  EXPECT_EQ(formatMoneyFixed(count(-85150)), "-8.52");
  EXPECT_EQ(formatMoneyFixed(count(105000)), "10.50");
  EXPECT_EQ(formatMoneyFixed(count(84000)), "8.40");
  EXPECT_EQ(formatMoneyFixed(Currency()), "0.00");
  EXPECT_EQ(formatMoneyFixed(count(99950)), "10.00");
  EXPECT_EQ(formatMoneyFixed(Currency::fromUnits(1234567)), "1234567.00");
  // Small negative amounts that round to zero never show a minus sign.
  EXPECT_EQ(formatMoneyFixed(count(-49)), "0.00");
  EXPECT_EQ(formatMoneyFixed(count(-50)), "0.00");
  EXPECT_EQ(formatMoneyFixed(count(-51)), "-0.01");
  EXPECT_EQ(formatMoneyFixed(count(-150)), "-0.02");
  EXPECT_EQ(formatMoneyFixed(count(105000), ','), "10,50");
}

TEST(RealFileText, TwentyThreeCharactersWithSignPositionAndFourDigitExponent) {
  EXPECT_EQ(formatSaveReal(10000), " 1.00000000000000E+0004");
  EXPECT_EQ(formatSaveReal(0), " 0.00000000000000E+0000");
  EXPECT_EQ(formatSaveReal(-0.0), " 0.00000000000000E+0000");
  EXPECT_EQ(formatSaveReal(-12.3456), "-1.23456000000000E+0001");
  EXPECT_EQ(formatSaveReal(0.9), " 9.00000000000000E-0001");
  EXPECT_EQ(formatSaveReal(36892.25), " 3.68922500000000E+0004");
  // Fifteen significant digits, the last one rounded.
  EXPECT_EQ(formatSaveReal(2.0 / 3.0), " 6.66666666666667E-0001");
  EXPECT_EQ(formatSaveReal(-1.0 / 3.0), "-3.33333333333333E-0001");
  // Three-digit exponents, the largest double and the smallest subnormal one.
  EXPECT_EQ(formatSaveReal(1e-300), " 1.00000000000000E-0300");
  EXPECT_EQ(formatSaveReal(std::numeric_limits<double>::max()), " 1.79769313486232E+0308");
  EXPECT_EQ(formatSaveReal(-std::numeric_limits<double>::denorm_min()),
            "-4.94065645841247E-0324");
  for (double v : {0.0, 1.0, -1.0, 1e-300, -1e300, 5e-324, 123456789.125})
    EXPECT_EQ(formatSaveReal(v).size(), 23u) << v;
}

TEST(FixedSignificantFormat, ReportFiguresKeepAtMostThePrecisionInSignificantDigits) {
  // The tax saving share (times 100) shows 2 decimals of at most 4 significant digits.
  EXPECT_EQ(formatFixedSignificant(0.123456 * 100, 4, 2), "12.35");
  EXPECT_EQ(formatFixedSignificant(50.0, 4, 2), "50.00");
  EXPECT_EQ(formatFixedSignificant(0.0, 4, 2), "0.00");
  EXPECT_EQ(formatFixedSignificant(7.0, 4, 2), "7.00");
  // Rounded to 4 significant digits first: 123.456 is 123.5, then padded.
  EXPECT_EQ(formatFixedSignificant(123.456, 4, 2), "123.50");
  // The rounding carries into a new digit.
  EXPECT_EQ(formatFixedSignificant(99.996, 4, 2), "100.00");
  EXPECT_EQ(formatFixedSignificant(12.3456, 4, 2, ','), "12,35");

  // The month's value change shows 2 decimals of at most 6 significant digits.
  EXPECT_EQ(formatFixedSignificant(11000.0 / 10000.0 * 100 - 100, 6, 2), "10.00");
  EXPECT_EQ(formatFixedSignificant(-33.3333333, 6, 2), "-33.33");
  EXPECT_EQ(formatFixedSignificant(1234.5678, 6, 2), "1234.57");
  EXPECT_EQ(formatFixedSignificant(12345.678, 6, 2), "12345.70");
  EXPECT_EQ(formatFixedSignificant(-0.5, 6, 2), "-0.50");
}

TEST(LabelFormat, PercentSignsAndCaptionPlaceholders) {
  EXPECT_EQ(kelpmark::applyFormat("Доля рынка, не более  %s%%", "2"), "Доля рынка, не более  2%");
  EXPECT_EQ(kelpmark::applyFormat("Денег:  $%s", "10000"), "Денег:  $10000");
  EXPECT_EQ(kelpmark::applyFormat("%s", ""), "");
  // The windows draw what this returns, so its corners are the screen's too.
  EXPECT_EQ(kelpmark::applyFormat("%%s", "x"), "%s");
  EXPECT_EQ(kelpmark::applyFormat("%%%%", "x"), "%%");
  EXPECT_EQ(kelpmark::applyFormat("%s/%s", "7"), "7/7");
  EXPECT_EQ(kelpmark::applyFormat("50%", "x"), "50%");
  EXPECT_EQ(kelpmark::applyFormat("%d %s", "7"), "%d 7");
  EXPECT_EQ(kelpmark::applyFormat("<%s>", "%s%%"), "<%s%%>");
  EXPECT_EQ(kelpmark::applyFormat("Местное время", "x"), "Местное время");
  EXPECT_EQ(kelpmark::applyFormat("", "x"), "");
  EXPECT_EQ(kelpmark::escapeLineBreaks("a\n\rb"), "a\\n\\rb");
}

// Arguments go in one pass: %1..%9 in order, %n the count; a lone %, a % before
// another letter and the mark of a missing argument stay; an argument's own %2 is
// not expanded again.
TEST(PlayerText, ArgumentsGoInOnePass) {
  using kelpmark::expandPattern;
  EXPECT_EQ(expandPattern("Средний износ: %1%", {"7"}), "Средний износ: 7%");
  EXPECT_EQ(expandPattern("%2 %1 %3 %%s", {"a", "%2"}), "%2 a %3 %%s");
  EXPECT_EQ(expandPattern("%10", {"x"}), "x0");
  EXPECT_EQ(expandPattern("У вас %n грузчиков", {}, 3), "У вас 3 грузчиков");
  EXPECT_EQ(expandPattern("100% и %n", {}), "100% и %n");
}

// A language looks up each marked part by itself (arguments that are texts of
// their own included) and writes names its way; plain parts stay as they are.
TEST(PlayerText, EachMarkedPartIsLookedUpInTheLanguage) {
  struct Upper : kelpmark::TextLanguage {
    std::string translate(const char* context, const std::string& source,
                          int64_t count) const override {
      return std::string(context) + "[" + source + (count >= 0 ? "#" : "") + "]";
    }
    std::string name(const std::string& russian) const override { return "N(" + russian + ")"; }
  } language;
  const kelpmark::Text text = kelpmark::Text(KM_TR("C", "%1: %2 %3"))
                                  .arg(kelpmark::Text::plain("%1, %2").arg(KM_TR("D", "a")).arg("b"))
                                  .arg(kelpmark::Text::name("Иванов"))
                                  .arg(kelpmark::Text::stored("K", "Склад"));
  EXPECT_EQ(text.russian(), "a, b: Иванов Склад");
  EXPECT_EQ(text.in(&language), "C[D[a], b: N(Иванов) K[Склад]]");
  EXPECT_EQ(kelpmark::Text(KM_TR_N("C", "%n шт.")).count(2).in(&language), "C[2 шт.#]");
  EXPECT_TRUE(kelpmark::Text().empty());
}
