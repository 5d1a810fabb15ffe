// The game's own generator: the same sequence from one seed on every platform.
#include <gtest/gtest.h>

#include <algorithm>

#include "world/random.h"

namespace vorbexia {
namespace {

TEST(RandomTest, SeedOneGivesTheKnownSequence) {
  Random random;
  SeedRandom(random, 1);
  const int32_t expected[] = {41, 18467, 6334, 26500, 19169};
  for (int32_t value : expected) EXPECT_EQ(NextRandom(random), value);
}

TEST(RandomTest, StateWrapsModulo2To32) {
  Random random;
  SeedRandom(random, 0xFFFFFFFFu);
  // 0xFFFFFFFF * 214013 + 2531011 = 2531011 - 214013 = 0x235AC6 modulo 2^32.
  EXPECT_EQ(NextRandom(random), 0x23);
  EXPECT_EQ(random.state, 0x235AC6u);
}

TEST(RandomTest, ValuesStayWithinFifteenBits) {
  Random random;
  SeedRandom(random, 20261207u);
  int32_t highest = 0;
  for (int i = 0; i < 100000; ++i) {
    const int32_t value = NextRandom(random);
    ASSERT_GE(value, 0);
    ASSERT_LE(value, 32767);
    highest = std::max(highest, value);
  }
  EXPECT_GT(highest, 32700);  // the whole range is reached
}

TEST(RandomTest, SameSeedSameGame) {
  Random a;
  Random b;
  SeedRandom(a, 1733616000u);
  SeedRandom(b, 1733616000u);
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(NextRandom(a), NextRandom(b));
}

}  // namespace
}  // namespace vorbexia
