// Which of the display's modes the full-screen switch asks for.
#pragma once

#include <span>

namespace vorbexia {

struct DisplayModeOffer {
  int width = 0;   // pixels
  int height = 0;  // pixels
  int bits = 0;    // bits per pixel
};

// The index of the offered mode of width x height at `bits` bits per pixel,
// else of width x height at the display's own depth (desktop_bits); -1 when
// neither is offered and the switch is refused. The first match wins, so the
// display's own order of preference (refresh rate) is kept.
int ChooseFullscreenMode(std::span<const DisplayModeOffer> offered, int width,
                         int height, int bits, int desktop_bits);

}  // namespace vorbexia
