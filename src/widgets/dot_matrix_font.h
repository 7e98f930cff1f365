// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <array>
#include <cstdint>

namespace kelpmark::widgets {

// One character of the ticker's 5 x 7 dot font: seven rows from top to bottom;
// in each row bit 4 is the leftmost dot column and bit 0 the rightmost.
using DotGlyph = std::array<std::uint8_t, 7>;

// The ticker's built-in dot font. It covers printable ASCII (32..126), the
// Russian alphabet (А..я, Ё, ё) and the numero sign №. Most letters are four
// dots wide and leave the fifth column dark, so that neighbouring characters
// stay apart on the display; a few wide letters (М, Ш, Ж, W ...) use all five.
class DotMatrixFont {
 public:
  static constexpr int kWidth = 5;
  static constexpr int kHeight = 7;

  // True when the font has a glyph of its own for c.
  static bool hasGlyph(QChar c);

  // The glyph of c; characters the font lacks get unknownGlyph().
  static const DotGlyph& glyph(QChar c);

  // A small hollow box drawn for characters the font lacks.
  static const DotGlyph& unknownGlyph();

  // Dot column col (0 = left) of a glyph as a bit mask: bit r is row r (0 = top).
  static std::uint8_t column(const DotGlyph& glyph, int col);
};

}  // namespace kelpmark::widgets
