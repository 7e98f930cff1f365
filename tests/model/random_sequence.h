// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The generator's rule written out for tests, so that expected draws are derived
// from the rule and not from the game's own generator:
//   seed := seed * 134775813 + 1 (mod 2^32);
//   a real is the new seed / 2^32; an integer in [0, n) is the high 32 bits of
//   the 64-bit product of the new seed and n.
#include <cstdint>

namespace kmtest {

inline uint32_t nextSeed(uint32_t s) { return s * 134775813u + 1u; }

inline uint32_t seedAfter(uint32_t s, int steps) {
  for (int i = 0; i < steps; ++i) s = nextSeed(s);
  return s;
}

class DrawSequence {
 public:
  explicit DrawSequence(uint32_t seed) : seed_(seed) {}
  int integer(int n) {
    seed_ = nextSeed(seed_);
    return static_cast<int>((static_cast<uint64_t>(seed_) * static_cast<uint32_t>(n)) >> 32);
  }
  double real() {
    seed_ = nextSeed(seed_);
    return static_cast<double>(seed_) / 4294967296.0;
  }
  uint32_t seed() const { return seed_; }

 private:
  uint32_t seed_;
};

}  // namespace kmtest
