// Who holds each virtual key: the keyboard and every game pad press the same
// keys, and a key is let go only when the last of them lets it go, so that a
// pad released under a held arrow key does not stop the walk.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "controls/event.h"

namespace vorbexia {

// Source 0 is the keyboard; pads take the sources 1 to kMaxKeySource.
constexpr int kKeyboardSource = 0;
constexpr int kMaxKeySource = 31;

struct KeySources {
  std::array<uint32_t, 256> holders{};  // by virtual-key code, a bit per source
};

// Follows a key-down or key-up event of `source`; true when the event goes on
// to the window. Every key-down goes on; a key-up only when no other source
// still holds the key. Other events always go on.
bool PassSourceKey(KeySources& sources, int source, const Event& event);

// `source` now holds exactly `keys`: the key-up events of the keys it let go
// that nobody else holds, then the key-down events of the keys it newly
// holds, each lowest code first.
std::vector<Event> HoldOnly(KeySources& sources, int source,
                            const std::vector<uint32_t>& keys);

// Nobody holds any key any more (the window has let them all go).
void ForgetHolders(KeySources& sources);

}  // namespace vorbexia
