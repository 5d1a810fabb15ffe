// The sound effects, made from sines and noise rather than read from sample
// files. Pure computation: the same samples on every machine and every run.
#pragma once

#include <array>
#include <vector>

#include "sound/sound.h"

namespace vorbexia {

// One float sample per 1/kSampleRate seconds, within -1 to 1. Every sound
// starts and ends at 0, so a sound starting or stopping never clicks, and
// each stays below kSoundPeak, so that several can overlap unclipped.
using Samples = std::vector<float>;
constexpr float kSoundPeak = 0.3f;

struct SoundBank {
  std::array<Samples, kSoundCount> sounds;
  const Samples& Of(Sound sound) const { return sounds[static_cast<int>(sound)]; }
};

SoundBank SynthesizeSounds();

}  // namespace vorbexia
