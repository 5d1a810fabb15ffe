#include "platform/common/frame_pacer.h"

namespace vorbexia {
namespace {

// Three swaps in a row under half a frame apart: no driver honouring the
// swap interval does that, so vsync is not holding the pace.
constexpr int kEarlySwapsWithoutVsync = 3;

// More frames than this due at one refresh is a stall, not a slow display.
constexpr uint64_t kMostFramesAtOneRefresh = 4;

// False once vsync is found not to hold.
bool VsyncHolds(FramePacer& pacer, uint64_t now_ns) {
  const bool early = pacer.last_swap_ns != 0 &&
                     now_ns - pacer.last_swap_ns < pacer.period_ns / 2;
  pacer.last_swap_ns = now_ns;
  pacer.early_swaps = early ? pacer.early_swaps + 1 : 0;
  if (pacer.early_swaps < kEarlySwapsWithoutVsync) return true;
  pacer.vsync = false;
  return false;
}

uint64_t ClockWait(FramePacer& pacer, uint64_t now_ns) {
  if (pacer.next_deadline_ns == 0 || now_ns >= pacer.next_deadline_ns) {
    // First frame, or late: show now and count the next period from here.
    pacer.next_deadline_ns = now_ns + pacer.period_ns;
    return 0;
  }
  const uint64_t wait = pacer.next_deadline_ns - now_ns;
  pacer.next_deadline_ns += pacer.period_ns;
  return wait;
}

}  // namespace

int SwapIntervalFor(int refresh_hz) {
  if (refresh_hz < kFramesPerSecond || refresh_hz % kFramesPerSecond != 0) {
    return 0;
  }
  return refresh_hz / kFramesPerSecond;
}

FramePacer PacerForDisplay(int refresh_hz, bool vsync_set) {
  FramePacer pacer;
  pacer.vsync = vsync_set && SwapIntervalFor(refresh_hz) > 0;
  return pacer;
}

uint64_t NextFrameWait(FramePacer& pacer, uint64_t now_ns) {
  if (pacer.vsync && VsyncHolds(pacer, now_ns)) return 0;
  return ClockWait(pacer, now_ns);
}

int FramesDueAtRefresh(FramePacer& pacer, uint64_t now_ns) {
  const uint64_t period = pacer.period_ns;
  if (pacer.next_deadline_ns == 0 ||
      now_ns >= pacer.next_deadline_ns + kMostFramesAtOneRefresh * period) {
    pacer.next_deadline_ns = now_ns + period / 4;
    return 1;
  }
  if (now_ns < pacer.next_deadline_ns) return 0;
  const uint64_t due = (now_ns - pacer.next_deadline_ns) / period + 1;
  pacer.next_deadline_ns += due * period;
  return static_cast<int>(due);
}

}  // namespace vorbexia
