// The swap is held to 60 frames per second and resynchronises after a stall.
#include <gtest/gtest.h>

#include "shell/frame_pacer.h"

namespace vorbexia {
namespace {

constexpr uint64_t kMs = 1'000'000;  // nanoseconds
constexpr uint64_t kPeriod = 1'000'000'000ull / 60;

TEST(FramePacerTest, FirstFrameIsShownAtOnce) {
  FramePacer pacer;
  EXPECT_EQ(NextFrameWait(pacer, 5 * kMs), 0u);
  EXPECT_EQ(pacer.next_deadline_ns, 5 * kMs + kPeriod);
}

TEST(FramePacerTest, FastFramesWaitForTheirDeadline) {
  FramePacer pacer;
  NextFrameWait(pacer, 1000 * kMs);
  // A frame ready 2 ms later waits out the rest of the period.
  EXPECT_EQ(NextFrameWait(pacer, 1002 * kMs), kPeriod - 2 * kMs);
  // Deadlines are spaced by whole periods, so rounding never drifts.
  EXPECT_EQ(NextFrameWait(pacer, 1000 * kMs + kPeriod + 1 * kMs),
            kPeriod - 1 * kMs);
  EXPECT_EQ(pacer.next_deadline_ns, 1000 * kMs + 3 * kPeriod);
}

TEST(FramePacerTest, SixtyFramesTakeOneSecond) {
  FramePacer pacer;
  uint64_t now = 0;
  NextFrameWait(pacer, 1);
  now = 1;
  for (int frame = 0; frame < 60; ++frame) {
    now += 1 * kMs;  // each frame takes 1 ms to draw
    now += NextFrameWait(pacer, now);
  }
  EXPECT_EQ(now, 1 + 60 * kPeriod);
}

TEST(FramePacerTest, StallResynchronisesInsteadOfRacing) {
  FramePacer pacer;
  NextFrameWait(pacer, 0 + 1);
  // Half a second late: shown at once, and the next deadline is one period
  // from now, not a burst of catch-up frames.
  const uint64_t late = 500 * kMs;
  EXPECT_EQ(NextFrameWait(pacer, late), 0u);
  EXPECT_EQ(NextFrameWait(pacer, late + 1 * kMs), kPeriod - 1 * kMs);
}

}  // namespace
}  // namespace vorbexia
