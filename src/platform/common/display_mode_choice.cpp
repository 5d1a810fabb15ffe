#include "platform/common/display_mode_choice.h"

namespace vorbexia {
namespace {

int FindMode(std::span<const DisplayModeOffer> offered, int width, int height,
             int bits) {
  for (size_t i = 0; i < offered.size(); ++i) {
    const DisplayModeOffer& mode = offered[i];
    if (mode.width == width && mode.height == height && mode.bits == bits) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

}  // namespace

int ChooseFullscreenMode(std::span<const DisplayModeOffer> offered, int width,
                         int height, int bits, int desktop_bits) {
  const int exact = FindMode(offered, width, height, bits);
  if (exact >= 0) return exact;
  // Where the display has no such depth, its own depth serves.
  return FindMode(offered, width, height, desktop_bits);
}

}  // namespace vorbexia
