// Which sounds a frame makes: the world's events of the frame, one sound
// each, in a fixed order, and the victory.
#pragma once

#include "shell/sound_output.h"
#include "world/world_events.h"

namespace vorbexia {

// Frames of walking from one footstep to the next: at 60 frames per second,
// three steps a second.
constexpr int kFramesPerFootstep = 20;

// Paces the footsteps: the first step of a walk sounds at once, then one
// every kFramesPerFootstep frames while the player keeps walking.
struct FootstepClock {
  int frames_walked = 0;  // frames of the current walk; 0 when standing
};

// Shot, wall hit, robot hit, robot fall, victory, footstep: each that
// happened in the frame is played.
void PlayFrameSounds(const WorldEvents& events, bool victory,
                     FootstepClock& footsteps, SoundOutput& sound);

}  // namespace vorbexia
