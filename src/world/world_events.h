// What happened in the world during one frame, for the game's feedback (its
// sounds). The world only notes events here; it never acts on them, so a
// game played with or without sound steps exactly alike.
#pragma once

namespace vorbexia {

struct WorldEvents {
  bool shot_fired = false;     // a shot left the gun
  bool shot_hit_wall = false;  // the shot ended against a wall
  bool robot_hit = false;      // the shot ended against a robot's box
  bool robot_fell = false;     // ... and took that robot's last hit point
  bool player_walked = false;  // the player took a step (forward or back)
};

}  // namespace vorbexia
