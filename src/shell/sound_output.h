// Where the game's sounds go: the shell calls this seam and nothing else of
// the sound device. The SDL game plays through sdl_sound.h; the silent
// output serves a muted game, a game without a sound device, and every
// platform that has no sound yet.
#pragma once

#include "sound/sound.h"

namespace vorbexia {

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  // Starts `sound` now, over whatever is playing.
  virtual void Play(Sound sound) = 0;
  // True while any sound is still playing.
  virtual bool Playing() = 0;
  // Lets the sounds play on for that many milliseconds before returning.
  virtual void Wait(int milliseconds) = 0;
  // The loudness from now on, percent.
  virtual void SetVolume(int percent) { (void)percent; }
};

class SilentSound final : public SoundOutput {
 public:
  void Play(Sound) override {}
  bool Playing() override { return false; }
  void Wait(int) override {}
};

}  // namespace vorbexia
