// Mixes the sounds that are playing into one channel of float samples. It is
// run by the sound device's callback, so it never allocates: a fixed number
// of voices, each reading a bank's samples in place.
#pragma once

#include <array>
#include <cstddef>

#include "sound/synthesis.h"

namespace vorbexia {

class Mixer {
 public:
  // Enough for the busiest firing: a shot and a hit every other frame.
  static constexpr int kVoices = 32;

  // Starts `samples` from its beginning. With every voice busy, the voice
  // nearest its end gives way. `samples` must outlive its playing.
  void Start(const Samples& samples);

  // Writes the next `count` samples: the sum of the playing voices, clipped
  // to -1 to 1. Voices that reach their end stop.
  void Mix(float* out, size_t count);

  // True while any voice plays.
  bool Busy() const;

  // The sum is scaled by `percent` / 100 before clipping; set before the
  // device plays. 100, the default, leaves every sample as it was.
  void SetVolume(int percent);

 private:
  struct Voice {
    const Samples* samples = nullptr;  // nullptr: free
    size_t at = 0;
  };
  std::array<Voice, kVoices> voices_{};
  float gain_ = 1.0f;
};

}  // namespace vorbexia
