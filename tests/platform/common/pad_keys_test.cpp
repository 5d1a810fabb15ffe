// A pad's stick as the game's keys: its dead zone and hysteresis.
#include <gtest/gtest.h>

#include "platform/common/pad_keys.h"

namespace vorbexia {
namespace {

TEST(PadKeysTest, StickPressesPastHalfAndLetsGoBelowAThird) {
  EXPECT_EQ(AxisDirection(0, -16383), 0);
  EXPECT_EQ(AxisDirection(0, -16384), -1);
  EXPECT_EQ(AxisDirection(-1, -10923), -1);  // held on down to a third
  EXPECT_EQ(AxisDirection(-1, -10922), 0);
  EXPECT_EQ(AxisDirection(0, 10923), 0);     // a third does not press
  EXPECT_EQ(AxisDirection(-1, 32767), 1);    // across in one move
}

}  // namespace
}  // namespace vorbexia
