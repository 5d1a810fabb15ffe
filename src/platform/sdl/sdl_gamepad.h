// Game pads through SDL's game-controller support: each pad's buttons and
// sticks become the key events the keyboard sends (pad_keys.h), shared with
// the keyboard by who holds each key (key_sources.h). Pads plugged in or
// pulled out during play are opened and closed as they come and go.
#pragma once

#include <SDL.h>

#include <deque>
#include <vector>

#include "platform/common/key_sources.h"
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

  // Takes the pads' own SDL events, adding the key events they make to
  // `events`; false for any other event.
  bool TakeEvent(const SDL_Event& sdl_event, std::deque<Event>& events);


  // The window has let every key go (it lost the focus): what the pads hold
  // now counts as let go, and acts again only once pressed anew.
  void ForgetHeldKeys();

 private:
  struct Pad {
    SDL_GameController* controller = nullptr;
    SDL_JoystickID id = -1;
    int source = 0;
    PadState state;
  };

  void Open(int device_index);
  void Close(SDL_JoystickID id, std::deque<Event>& events);
  Pad* Find(SDL_JoystickID id);
  int FreeSource() const;
  void Follow(Pad& pad, std::deque<Event>& events);

  bool started_ = false;
  std::vector<Pad> pads_;
  KeySources sources_;
};

}  // namespace vorbexia
