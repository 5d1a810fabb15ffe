// The game's pseudo-random generator: a linear congruential generator of our
// own, so that one seed gives the same game on every platform.
//   state = state * 214013 + 2531011 (mod 2^32), value = (state >> 16) & 0x7FFF
// Values run from 0 to 32767. Seeded with 1, the first five are
// 41, 18467, 6334, 26500, 19169.
#pragma once

#include <cstdint>

namespace vorbexia {

struct Random {
  uint32_t state = 1;
};

inline void SeedRandom(Random& random, uint32_t seed) { random.state = seed; }

inline int32_t NextRandom(Random& random) {
  random.state = random.state * 214013u + 2531011u;
  return static_cast<int32_t>((random.state >> 16) & 0x7FFFu);
}

}  // namespace vorbexia
