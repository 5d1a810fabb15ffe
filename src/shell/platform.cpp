#include "shell/platform.h"

namespace vorbexia {

bool Platform::NextEvent(Event& event) {
  if (QuitSignal()) {
    event = Event{.code = EventCode::kQuit};
    return true;
  }
  if (posted_.empty()) PumpEvents();
  if (!posted_.empty()) {
    event = posted_.front();
    posted_.pop_front();
    return true;
  }
  if (quit_posted_) {
    quit_posted_ = false;
    event = Event{.code = EventCode::kQuit};
    return true;
  }
  return false;
}

}  // namespace vorbexia
