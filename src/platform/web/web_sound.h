// The game's sounds through the browser's Web Audio: the shared mixer fills
// a mono buffer at kSampleRate whenever the browser asks for the next one.
#pragma once

#include <memory>

#include "shell/sound_output.h"

namespace vorbexia {

// Synthesises the sounds and opens an audio context. Browsers start it only
// after a gesture of the player's, so it starts at the first key press or
// click on the page; until then nothing is heard and nothing counts as
// playing. Without Web Audio at 44,100 samples a second, returns nullptr:
// the game then plays silently.
// `volume`: percent.
std::unique_ptr<SoundOutput> OpenWebSound(int volume = 100);

}  // namespace vorbexia
