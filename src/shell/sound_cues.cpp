#include "shell/sound_cues.h"

namespace vorbexia {

void PlayFrameSounds(const WorldEvents& events, bool victory,
                     FootstepClock& footsteps, SoundOutput& sound) {
  if (events.shot_fired) sound.Play(Sound::kShot);
  if (events.shot_hit_wall) sound.Play(Sound::kWallHit);
  if (events.robot_hit) sound.Play(Sound::kRobotHit);
  if (events.robot_fell) sound.Play(Sound::kRobotFall);
  if (victory) sound.Play(Sound::kVictory);
  if (!events.player_walked) {
    footsteps.frames_walked = 0;
    return;
  }
  if (footsteps.frames_walked % kFramesPerFootstep == 0) sound.Play(Sound::kFootstep);
  ++footsteps.frames_walked;
}

}  // namespace vorbexia
