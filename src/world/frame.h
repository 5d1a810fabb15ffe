// One frame of the game in its fixed order, the same for the game loop,
// demo playback and the headless simulator: the world steps, the frame is
// drawn, Esc is tested, the victory test, the frame is shown, then the keys
// act. The frame's keys are the world's only input: which keyboard, pad or
// mouse held them is the shell's business.
#pragma once

#include <vector>

#include "world/game_state.h"
#include "world/random.h"

namespace vorbexia {

// The keys acting in one frame. Fire is a press, not a hold: it is set in a
// frame only for a Space key-down that no earlier frame has acted on.
struct FrameKeys {
  bool forward = false;   // U
  bool backward = false;  // D
  bool right = false;     // R
  bool left = false;      // L
  bool fire = false;      // S
  // The window was minimised: the world stood still in this frame, the keys
  // still acted (a demo's line starting with '-').
  bool inactive = false;

  bool operator==(const FrameKeys&) const = default;
};

using KeyScript = std::vector<FrameKeys>;

// Each key acts on its own, in this fixed order: forward, backward, right,
// left, then fire (so a shot leaves along the heading turned this frame).
void ApplyFrameKeys(GameState& state, const FrameKeys& keys);

// One step of the world: the shot, then robots 0 to 4.
void AdvanceWorld(GameState& state, Random& random);

// How a frame is seen: drawn after the world's step, shown after the victory
// test. A headless run sees nothing.
class FrameView {
 public:
  virtual ~FrameView() = default;
  virtual void Draw(const GameState& state) { (void)state; }
  virtual void Show() {}
};

enum class FrameEnd {
  kGoOn,
  kEscape,   // the player quit: the frame was drawn but not shown, no key acted
  kVictory,  // every robot is down: the frame was shown and its keys acted
};

// One frame. The world steps and the frame is drawn unless `keys.inactive`
// (a minimised window: the robots and the shot stand still, the keys still
// act); the frame is always shown, also when nothing was drawn. `quit`: Esc
// was held, as the shell saw it; it is tested after the draw and never
// recorded. The world's events of the frame are in state.events afterwards.
FrameEnd RunFrame(GameState& state, Random& random, const FrameKeys& keys,
                  FrameView& view, bool quit);

}  // namespace vorbexia
