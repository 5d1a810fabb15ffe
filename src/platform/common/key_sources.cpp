#include "platform/common/key_sources.h"

#include <algorithm>

namespace vorbexia {
namespace {

uint32_t Bit(int source) { return 1u << source; }

}  // namespace

bool PassSourceKey(KeySources& sources, int source, const Event& event) {
  if (event.key >= sources.holders.size()) return true;
  uint32_t& holders = sources.holders[event.key];
  if (event.code == EventCode::kKeyDown) {
    holders |= Bit(source);
    return true;
  }
  if (event.code != EventCode::kKeyUp) return true;
  holders &= ~Bit(source);
  return holders == 0;
}

std::vector<Event> HoldOnly(KeySources& sources, int source,
                            const std::vector<uint32_t>& keys) {
  std::vector<Event> events;
  const auto wanted = [&](uint32_t code) {
    return std::find(keys.begin(), keys.end(), code) != keys.end();
  };
  for (uint32_t code = 0; code < sources.holders.size(); ++code) {
    const bool held = (sources.holders[code] & Bit(source)) != 0;
    const Event release{.code = EventCode::kKeyUp, .key = code, .pad = source != kKeyboardSource};
    if (held && !wanted(code) && PassSourceKey(sources, source, release)) {
      events.push_back(release);
    }
  }
  for (uint32_t code = 0; code < sources.holders.size(); ++code) {
    const bool held = (sources.holders[code] & Bit(source)) != 0;
    const Event press{.code = EventCode::kKeyDown, .key = code, .pad = source != kKeyboardSource};
    if (!held && wanted(code) && PassSourceKey(sources, source, press)) {
      events.push_back(press);
    }
  }
  return events;
}

void ForgetHolders(KeySources& sources) { sources.holders.fill(0); }

}  // namespace vorbexia
