// The full-screen switch asks for 800 x 600 at 16 bits where it is offered,
// else at the display's own depth, and is refused without 800 x 600.
#include <gtest/gtest.h>

#include <vector>

#include "platform/common/display_mode_choice.h"

namespace vorbexia {
namespace {

int Choose(const std::vector<DisplayModeOffer>& offered, int desktop_bits) {
  return ChooseFullscreenMode(offered, 800, 600, 16, desktop_bits);
}

TEST(DisplayModeChoiceTest, SixteenBitsWhereOffered) {
  EXPECT_EQ(Choose({{1024, 768, 16}, {800, 600, 32}, {800, 600, 16}}, 32), 2);
}

TEST(DisplayModeChoiceTest, OtherwiseTheDisplaysOwnDepth) {
  EXPECT_EQ(Choose({{800, 600, 8}, {800, 600, 24}, {800, 600, 32}}, 24), 1);
}

TEST(DisplayModeChoiceTest, RefusedWithoutTheSize) {
  EXPECT_EQ(Choose({{1024, 768, 16}, {800, 601, 16}, {640, 480, 24}}, 24), -1);
  EXPECT_EQ(Choose({{800, 600, 8}}, 24), -1);  // neither 16 bits nor its own
  EXPECT_EQ(Choose({}, 24), -1);
}

}  // namespace
}  // namespace vorbexia
