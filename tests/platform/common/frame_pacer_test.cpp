// The game runs 60 frames per second on every display, and resynchronises
// after a stall.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/common/frame_pacer.h"

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

TEST(FramePacerTest, VsyncOnlyOnWholeMultiplesOfSixtyHertz) {
  EXPECT_EQ(SwapIntervalFor(60), 1);
  EXPECT_EQ(SwapIntervalFor(120), 2);
  EXPECT_EQ(SwapIntervalFor(240), 4);
  for (int hz : {0, 30, 50, 59, 75, 100, 144, 165}) {
    EXPECT_EQ(SwapIntervalFor(hz), 0) << hz << " Hz";
  }
}

// A display of refresh_hz: a swap with vsync returns at the refresh that
// ends the interval; without vsync at once. Each frame takes 1 ms to draw.
// Returns the times at which the frames of one simulated second were shown.
std::vector<uint64_t> ShowOneSecond(int refresh_hz, bool driver_honours_vsync) {
  const int interval = SwapIntervalFor(refresh_hz);
  FramePacer pacer = PacerForDisplay(refresh_hz, interval > 0);
  const uint64_t refresh_ns =
      refresh_hz > 0 ? 1'000'000'000ull / refresh_hz : 0;
  std::vector<uint64_t> shown;
  uint64_t now = 0;
  while (now < 1'000'000'000ull) {
    now += 1 * kMs;
    if (interval > 0 && driver_honours_vsync) {
      now = (now / refresh_ns + interval) * refresh_ns;
    }
    shown.push_back(now);
    now += NextFrameWait(pacer, now);
  }
  return shown;
}

TEST(FramePacerTest, SixtyEvenFramesPerSecondOnEveryDisplay) {
  for (int hz : {0, 50, 60, 75, 120, 144}) {
    const std::vector<uint64_t> shown = ShowOneSecond(hz, true);
    EXPECT_NEAR(static_cast<double>(shown.size()), 60.0, 1.0) << hz << " Hz";
    std::vector<uint64_t> gaps;
    for (size_t i = 2; i < shown.size(); ++i) gaps.push_back(shown[i] - shown[i - 1]);
    const auto [shortest, longest] = std::minmax_element(gaps.begin(), gaps.end());
    EXPECT_LE(*longest - *shortest, 1 * kMs) << hz << " Hz";
  }
}

TEST(FramePacerTest, VsyncKeepsThePaceWhileSwapsTakeAboutAFrame) {
  FramePacer pacer = PacerForDisplay(60, true);
  uint64_t now = 1000 * kMs;
  // Swaps a millisecond either side of a frame, and twice two swaps in a
  // row back after 1 ms (a refresh caught just as it came): never three
  // early swaps in a row, so every frame is shown at once and vsync stays.
  for (int frame = 0; frame < 120; ++frame) {
    const bool early = frame % 40 == 10 || frame % 40 == 11;
    now += early ? 1 * kMs : kPeriod + (frame % 2 ? 1 * kMs : -1 * kMs);
    ASSERT_EQ(NextFrameWait(pacer, now), 0u) << "frame " << frame;
  }
  EXPECT_TRUE(pacer.vsync);
}

TEST(FramePacerTest, VsyncThatDoesNotHoldGivesWayToTheClock) {
  // The driver takes the swap interval on a 60 Hz display but never waits.
  const std::vector<uint64_t> shown = ShowOneSecond(60, false);
  EXPECT_NEAR(static_cast<double>(shown.size()), 60.0, 4.0);
}

// Frames due at the refreshes of one second of a display of refresh_hz,
// every other refresh `jitter_ns` late; `most`: the most at one refresh.
int FramesAtRefreshes(int refresh_hz, uint64_t jitter_ns, int& most) {
  FramePacer pacer;
  int frames = most = 0;
  for (int refresh = 0; refresh < refresh_hz; ++refresh) {
    const int due = FramesDueAtRefresh(
        pacer, 1000 * kMs + refresh * (1'000'000'000ull / refresh_hz) + (refresh % 2) * jitter_ns);
    frames += due;
    most = std::max(most, due);
  }
  return frames;
}

TEST(FramePacerTest, SixtyFramesAtTheRefreshesOfEveryDisplay) {
  int most = 0;
  for (int hz : {60, 120}) {  // 2 ms of jitter never double a frame
    EXPECT_NEAR(FramesAtRefreshes(hz, 2 * kMs, most), 60, 1) << hz << " Hz";
    EXPECT_EQ(most, 1) << hz << " Hz";
  }
  for (int hz : {30, 50, 144}) EXPECT_NEAR(FramesAtRefreshes(hz, 0, most), 60, 1) << hz << " Hz";
}

TEST(FramePacerTest, RefreshesAfterAStallStartAgainFromNow) {
  FramePacer pacer;
  EXPECT_EQ(FramesDueAtRefresh(pacer, 1000 * kMs), 1);
  // Four periods late is a slow display catching up; five is a stall.
  EXPECT_EQ(FramesDueAtRefresh(pacer, 1000 * kMs + kPeriod / 4 + 3 * kPeriod), 4);
  EXPECT_EQ(FramesDueAtRefresh(pacer, 5000 * kMs), 1);
  EXPECT_EQ(FramesDueAtRefresh(pacer, 5000 * kMs + kPeriod / 8), 0);
}

}  // namespace
}  // namespace vorbexia
