#include "shell/frame_pacer.h"

namespace vorbexia {

uint64_t NextFrameWait(FramePacer& pacer, uint64_t now_ns) {
  if (pacer.next_deadline_ns == 0 || now_ns >= pacer.next_deadline_ns) {
    // First frame, or late: show now and count the next period from here.
    pacer.next_deadline_ns = now_ns + pacer.period_ns;
    return 0;
  }
  const uint64_t wait = pacer.next_deadline_ns - now_ns;
  pacer.next_deadline_ns += pacer.period_ns;
  return wait;
}

}  // namespace vorbexia
