// Holds the buffer swap to at most 60 frames per second.
//
// Every speed in the game is a fixed step per frame, tuned for about 60
// frames per second, so a frame must not be shown before its 1/60 s deadline.
// After a stall the deadlines start again from now rather than racing to
// catch up.
#pragma once

#include <cstdint>

namespace vorbexia {

struct FramePacer {
  uint64_t period_ns = 1'000'000'000ull / 60;
  uint64_t next_deadline_ns = 0;  // 0: no frame shown yet
};

// How long to wait, in nanoseconds, before showing a frame at now_ns; also
// moves the pacer on to the next deadline.
uint64_t NextFrameWait(FramePacer& pacer, uint64_t now_ns);

}  // namespace vorbexia
