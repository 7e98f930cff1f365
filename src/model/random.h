// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's one random generator: a 32-bit linear congruential generator.
// The order of draws is part of the rules.
#include <cstdint>

namespace kelpmark {

class Random {
 public:
  void setSeed(uint32_t seed) { seed_ = seed; }
  uint32_t seed() const { return seed_; }

  // A real in [0, 1): the new seed divided by 2^32.
  double real() { return static_cast<double>(step()) / 4294967296.0; }

  // An integer in [0, n): the high 32 bits of the product of the new seed and n.
  // The seed advances also when n is 0 (the result is then 0).
  int32_t integer(int32_t n) {
    const uint64_t product = static_cast<uint64_t>(step()) * static_cast<uint32_t>(n);
    return static_cast<int32_t>(static_cast<uint32_t>(product >> 32));
  }

  // Number of draws so far (for tests and diagnostics).
  uint64_t draws() const { return draws_; }

 private:
  uint32_t step() {
    ++draws_;
    seed_ = seed_ * 134775813u + 1u;
    return seed_;
  }
  uint32_t seed_ = 0;
  uint64_t draws_ = 0;
};

}  // namespace kelpmark
