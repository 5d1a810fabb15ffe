#include "platform/sdl/sdl_gamepad.h"

namespace vorbexia {
namespace {

void SetButton(PadState& pad, Uint8 button, bool down) {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP: pad.dpad_up = down; break;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: pad.dpad_down = down; break;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: pad.dpad_left = down; break;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: pad.dpad_right = down; break;
    case SDL_CONTROLLER_BUTTON_A: pad.south = down; break;
    case SDL_CONTROLLER_BUTTON_START: pad.start = down; break;
    case SDL_CONTROLLER_BUTTON_BACK: pad.back = down; break;
    default: break;
  }
}

void SetAxis(PadState& pad, Uint8 axis, int value) {
  switch (axis) {
    case SDL_CONTROLLER_AXIS_LEFTX:
      pad.stick_x = AxisDirection(pad.stick_x, value);
      break;
    case SDL_CONTROLLER_AXIS_LEFTY:
      pad.stick_y = AxisDirection(pad.stick_y, value);
      break;
    case SDL_CONTROLLER_AXIS_TRIGGERRIGHT:
      pad.trigger = AxisDirection(pad.trigger ? 1 : 0, value) > 0;
      break;
    default: break;
  }
}

}  // namespace

void SdlGamepads::Start() {
  if (started_) return;
  started_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

void SdlGamepads::Stop() {
  for (Pad& pad : pads_) SDL_GameControllerClose(pad.controller);
  pads_.clear();
  if (started_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
  started_ = false;
}

SdlGamepads::Pad* SdlGamepads::Find(SDL_JoystickID id) {
  for (Pad& pad : pads_) {
    if (pad.id == id) return &pad;
  }
  return nullptr;
}

// The lowest pad source no open pad uses, or 0 when all are taken.
int SdlGamepads::FreeSource() const {
  for (int source = 1; source <= kMaxSource; ++source) {
    bool used = false;
    for (const Pad& pad : pads_) used = used || pad.source == source;
    if (!used) return source;
  }
  return 0;
}

void SdlGamepads::Open(int device_index) {
  const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(device_index);
  const int source = FreeSource();
  if (id < 0 || Find(id) || source == 0) return;  // known already, or too many
  SDL_GameController* controller = SDL_GameControllerOpen(device_index);
  if (!controller) return;
  pads_.push_back(Pad{controller, id, source, PadState{}});
}

// A pad pulled out lets go of every key it held.
void SdlGamepads::Close(SDL_JoystickID id, std::vector<Event>& events) {
  Pad* pad = Find(id);
  if (!pad) return;
  Follow(pad->source, pad->state, PadState{}, events);
  SDL_GameControllerClose(pad->controller);
  pads_.erase(pads_.begin() + (pad - pads_.data()));
}

void SdlGamepads::Follow(int source, const PadState& before, const PadState& after,
                         std::vector<Event>& events) {
  for (const Event& change : PadChanges(source, before, after)) events.push_back(change);
}

bool SdlGamepads::TakeEvent(const SDL_Event& sdl_event, std::vector<Event>& events) {
  switch (sdl_event.type) {
    case SDL_CONTROLLERDEVICEADDED:
      Open(sdl_event.cdevice.which);
      return true;
    case SDL_CONTROLLERDEVICEREMOVED:
      Close(sdl_event.cdevice.which, events);
      return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
      if (Pad* pad = Find(sdl_event.cbutton.which)) {
        const PadState before = pad->state;
        SetButton(pad->state, sdl_event.cbutton.button,
                  sdl_event.type == SDL_CONTROLLERBUTTONDOWN);
        Follow(pad->source, before, pad->state, events);
      }
      return true;
    case SDL_CONTROLLERAXISMOTION:
      if (Pad* pad = Find(sdl_event.caxis.which)) {
        const PadState before = pad->state;
        SetAxis(pad->state, sdl_event.caxis.axis, sdl_event.caxis.value);
        Follow(pad->source, before, pad->state, events);
      }
      return true;
    default:
      return false;
  }
}

}  // namespace vorbexia
