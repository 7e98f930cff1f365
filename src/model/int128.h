// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Wide intermediates for exact money arithmetic.
#include <cstdint>

namespace kelpmark {

__extension__ typedef __int128 int128;

// num / den rounded to the nearest integer, ties to even; den must not be 0.
// The result saturates at the limits of int64.
int64_t divRoundHalfEven(int128 num, int128 den);

// Saturating narrowing of a wide value to int64.
int64_t saturate64(int128 v);

// Saturating narrowing to int32.
int32_t saturate32(int64_t v);

// A double rounded to the nearest integer (ties to even) and saturated to the
// range of int32; NaN gives 0.
int32_t roundToInt32(double v);

// The same, saturated to the range of int64.
int64_t roundToInt64(double v);

}  // namespace kelpmark
