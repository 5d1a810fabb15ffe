// Holds the game to 60 frames per second on every display.
//
// Every speed in the game is a fixed step per frame, tuned for 60 frames per
// second. Where the display refreshes 60 times a second, or a whole multiple
// of that, the buffer swap waits for every n-th refresh (vsync) and sets the
// pace; on any other display (50, 75, 144 Hz, or unknown) vsync would set the
// wrong pace, so the swap does not wait and the clock alone holds each frame
// to its 1/60 s deadline. After a stall the deadlines start again from now
// rather than racing to catch up.
#pragma once

#include <cstdint>

namespace vorbexia {

constexpr int kFramesPerSecond = 60;

struct FramePacer {
  uint64_t period_ns = 1'000'000'000ull / kFramesPerSecond;
  uint64_t next_deadline_ns = 0;  // 0: no frame shown yet
  // The swap waits for the display; the clock only watches that it does.
  bool vsync = false;
  uint64_t last_swap_ns = 0;
  int early_swaps = 0;  // vsync swaps in a row that came back far too soon
};

// The swap interval that gives 60 frames per second on a display of
// refresh_hz: refresh / 60 where that is whole, else 0 (no vsync). A rate of
// 0 means the display does not say.
int SwapIntervalFor(int refresh_hz);

// A pacer for a display of refresh_hz whose swap interval was set to
// SwapIntervalFor(refresh_hz) (vsync_set: the driver took it).
FramePacer PacerForDisplay(int refresh_hz, bool vsync_set);

// How long to wait, in nanoseconds, after a swap that returned at now_ns;
// also moves the pacer on. With vsync the answer is 0, unless the swaps keep
// returning far sooner than a frame: then the driver ignores the swap
// interval, and the clock paces from then on.
uint64_t NextFrameWait(FramePacer& pacer, uint64_t now_ns);

// Where the platform cannot wait for a deadline but is woken once per
// display refresh (a browser's animation frames): the number of frames due
// at the refresh that came at now_ns, each of which runs a world step and
// the last of which is shown. On a 60 Hz display one at every refresh; at
// 120 Hz one at every other; at 50 Hz now and then two. The deadlines lie a
// quarter period off the refreshes of a 60 or 120 Hz display, so that a few
// milliseconds of jitter never make 0 or 2 where 1 is due. After a stall (a hidden page gets no refreshes) the
// deadlines start again from now, as NextFrameWait does.
int FramesDueAtRefresh(FramePacer& pacer, uint64_t now_ns);

}  // namespace vorbexia
