// The game's sound effects, by name. They are synthesised at start-up
// (synthesis.h) and mixed as they play (mixer.h); nothing here knows of a
// sound device.
#pragma once

namespace vorbexia {

enum class Sound {
  kShot,       // the plasma shot leaving the gun
  kWallHit,    // the shot dying against a wall
  kRobotHit,   // the shot striking a robot
  kRobotFall,  // a robot losing its last hit point
  kVictory,    // the last robot down
  kFootstep,   // one step of the player
};
constexpr int kSoundCount = 6;

// Samples per second of every sound and of the mix: one channel.
constexpr int kSampleRate = 44100;

// A short lower-case name, for traces and test messages.
const char* SoundName(Sound sound);

}  // namespace vorbexia
