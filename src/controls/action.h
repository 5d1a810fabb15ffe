// What the player can do: the game's own actions (walk, turn, fire, quit),
// which make each frame's command, and the shell's (pause, screenshot, ...).
// Every source of input (a key as bound, a pad's button, later a touch
// control or the menu) comes down to these.
#pragma once

namespace vorbexia {

enum class Action {
  kWalk,
  kBack,
  kTurnLeft,
  kTurnRight,
  kFire,
  kQuit,
  kToggleHud,
  kPause,
  kScreenshot,
  kHelp,
};
constexpr int kActionCount = 10;

}  // namespace vorbexia
