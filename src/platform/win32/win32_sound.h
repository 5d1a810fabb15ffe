// The game's sounds through WinMM's waveOut: one channel of 16-bit PCM at
// kSampleRate, mixed by the same Mixer as on Linux into a few short blocks
// that a feeding thread refills as the device finishes each.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "shell/sound_output.h"
#include "sound/mixer.h"

namespace vorbexia {

// Synthesises the sounds and opens the default wave output. Without one (no
// device, no driver, or waveOutOpen refusing the format) returns nullptr:
// the game then plays silently and shows no box for it. `volume`: percent,
// as the Mixer takes it.
std::unique_ptr<SoundOutput> OpenWin32Sound(int volume = 100);

// One sample of the mix as 16-bit PCM: -1 to 1 onto -32767 to 32767,
// rounded to the nearest step; anything beyond is clipped.
int16_t ToPcm16(float sample);

// Writes the mixer's next block.size() samples as 16-bit PCM, so that
// consecutive blocks continue one stream without a gap. True when any
// sample of the block is not silence.
bool MixPcm16(Mixer& mixer, std::span<int16_t> block);

}  // namespace vorbexia
