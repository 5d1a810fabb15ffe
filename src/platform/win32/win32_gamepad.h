// Game pads on Windows through XInput: each pad's buttons and sticks become
// the game's actions (pad_keys.h), each pad a source of its own, exactly as
// the SDL layer plays them; the input state merges them with the keyboard's.
// XInput reports states, not events: the four user slots are read as the
// events are taken, and only what changed since the last reading acts.
#pragma once

#include <array>
#include <cstdint>

#include "platform/common/pad_keys.h"
#include "platform/win32/win32_messages.h"

// XInput's state record (xinput.h) and Windows' module handle (windows.h),
// whose headers only the .cpp files include.
struct _XINPUT_STATE;
struct HINSTANCE__;

namespace vorbexia {

// XInputGetState: the state of the pad in user slot 0 to 3; ERROR_SUCCESS,
// or ERROR_DEVICE_NOT_CONNECTED where the slot has no pad.
using XInputGetStateFunction = unsigned long(__stdcall*)(unsigned long, _XINPUT_STATE*);

// The XInput the pads are read through: Windows' own, or a test's.
struct XInput {
  XInputGetStateFunction get_state = nullptr;  // none: no pads at all
};

// Windows' XInput, loaded while this lives: xinput1_4.dll (Windows 8 and
// later), else xinput9_1_0.dll (Vista and 7). Where neither loads the game
// plays on the keyboard alone. Loaded at run time, so that the game needs no
// DLL that some Windows lacks.
class XInputLibrary {
 public:
  XInputLibrary();
  ~XInputLibrary();
  XInputLibrary(const XInputLibrary&) = delete;
  XInputLibrary& operator=(const XInputLibrary&) = delete;

  const XInput& xinput() const { return xinput_; }

 private:
  HINSTANCE__* module_ = nullptr;
  XInput xinput_;
};

// What of a pad's state the game reads; XInput's Y axis points up.
struct PadReading {
  uint16_t buttons = 0;  // XINPUT_GAMEPAD_* bits
  int right_trigger = 0;  // 0 to 255
  int left_x = 0, left_y = 0;  // -32768 to 32767
};

class Win32Gamepads {
 public:
  // A slot with no pad is asked again after this long, not at every event:
  // pads plugged in during play are found within about a second.
  static constexpr uint64_t kRetryMs = 1000;

  explicit Win32Gamepads(const XInput& xinput) : xinput_(xinput) {}

  // Reads the pads at `now_ms` and queues the events of what changed in
  // `messages`. The pads play only while the window is the active one; a pad
  // pulled out lets go of every key it held.
  void Poll(WindowMessages& messages, uint64_t now_ms);

 private:
  struct Slot {
    bool connected = false;
    uint64_t next_try_ms = 0;  // when a slot with no pad is asked again
    PadReading last;           // as last read; at rest before the first
    PadState state;
  };

  void PollSlot(WindowMessages& messages, int index, uint64_t now_ms);
  void Unplug(WindowMessages& messages, int index, uint64_t now_ms);

  XInput xinput_;
  std::array<Slot, 4> slots_{};
};

}  // namespace vorbexia
