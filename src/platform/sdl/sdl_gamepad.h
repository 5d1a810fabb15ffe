// Game pads through SDL's game-controller support: each pad's buttons and
// sticks become the game's actions (pad_keys.h), each pad a source of its
// own. Pads plugged in or pulled out during play are opened and closed as
// they come and go.
#pragma once

#include <SDL.h>

#include <vector>

#include "platform/common/pad_keys.h"
#include "shell/platform.h"

namespace vorbexia {

class SdlGamepads {
 public:
  // Starts SDL's game-controller support; where it cannot start the game
  // simply plays on the keyboard alone. SDL then reports the pads already
  // plugged in as arriving.
  void Start();
  // Closes every pad and stops the support.
  void Stop();

  // Takes the pads' own SDL events, adding the events they make to
  // `events`; false for any other event.
  bool TakeEvent(const SDL_Event& sdl_event, std::vector<Event>& events);

 private:
  struct Pad {
    SDL_GameController* controller = nullptr;
    SDL_JoystickID id = -1;
    int source = 0;
    PadState state;
  };

  void Open(int device_index);
  void Close(SDL_JoystickID id, std::vector<Event>& events);
  Pad* Find(SDL_JoystickID id);
  int FreeSource() const;
  // The events of a pad's change from `before` to `after`.
  static void Follow(int source, const PadState& before, const PadState& after,
                     std::vector<Event>& events);

  bool started_ = false;
  std::vector<Pad> pads_;
};

}  // namespace vorbexia
