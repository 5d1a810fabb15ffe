// The game's sounds through SDL's audio: one float channel at kSampleRate,
// mixed in SDL's audio callback.
#pragma once

#include <memory>

#include "shell/sound_output.h"

namespace vorbexia {

// Synthesises the sounds and opens the default audio device. Without one
// (no driver, no device, SDL_AUDIODRIVER=dummy) returns nullptr: the game
// then plays silently and shows no box for it. `volume`: percent.
std::unique_ptr<SoundOutput> OpenSdlSound(int volume = 100);

}  // namespace vorbexia
