// A pad as the game's keys: the stick's hysteresis, and the keyboard and the
// pads sharing the keys they hold.
#include <gtest/gtest.h>

#include "shell/key_sources.h"
#include "shell/pad_keys.h"

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

TEST(PadKeysTest, AKeyHeldByTwoSourcesIsReleasedByTheLast) {
  KeySources sources;
  EXPECT_TRUE(PassSourceKey(sources, kKeyboardSource, {EventCode::kKeyDown, 38, 0}));
  // The pad presses Up too: a key-down (it may fire), then lets go: nothing.
  EXPECT_EQ(HoldOnly(sources, 1, {38}).size(), 1u);
  EXPECT_TRUE(HoldOnly(sources, 1, {}).empty());
  EXPECT_EQ(HoldOnly(sources, 1, {38}).size(), 1u);
  EXPECT_FALSE(PassSourceKey(sources, kKeyboardSource, {EventCode::kKeyUp, 38, 0}));
  const std::vector<Event> release = HoldOnly(sources, 1, {});
  ASSERT_EQ(release.size(), 1u);
  EXPECT_EQ(release[0].code, EventCode::kKeyUp);
  EXPECT_EQ(release[0].wparam, 38u);
}

}  // namespace
}  // namespace vorbexia
