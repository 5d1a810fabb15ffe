// Game pads on SDL: a virtual pad's buttons and sticks arrive as the key
// events of the arrow keys, Space and Esc.
#include <gtest/gtest.h>

#include "platform/sdl/sdl_platform.h"

namespace vorbexia {
namespace {

class SdlGamepadTest : public ::testing::Test {
 protected:
  SdlPlatform platform;
  int device = -1;
  SDL_Joystick* joystick = nullptr;

  void SetUp() override {
    if (!platform.Build(WindowStep::kOpenDisplay, WindowRequest{})) GTEST_SKIP() << "no display";
    SDL_VirtualJoystickDesc pad{};
    pad.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    pad.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    pad.naxes = SDL_CONTROLLER_AXIS_MAX;
    pad.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    pad.name = "Vorbexia test pad";
    device = SDL_JoystickAttachVirtualEx(&pad);
    ASSERT_GE(device, 0) << SDL_GetError();
    // The joystick is held here only to set its buttons and axes.
    joystick = SDL_JoystickOpen(device);
    ASSERT_NE(joystick, nullptr) << SDL_GetError();
    Drain();
  }

  void TearDown() override {
    if (joystick) SDL_JoystickClose(joystick);
    if (device >= 0) SDL_JoystickDetachVirtual(device);
    Drain();
    platform.Release(WindowStep::kOpenDisplay);
  }

  // The events the platform has for the window now.
  std::vector<Event> Drain() {
    std::vector<Event> events;
    Event event;
    for (int idle = 0; idle < 3; ++idle) {
      while (platform.PeekEvent(event)) {
        events.push_back(event);
        idle = 0;
      }
    }
    return events;
  }

  std::vector<Event> Button(SDL_GameControllerButton button, bool down) {
    SDL_JoystickSetVirtualButton(joystick, button, down ? 1 : 0);
    return Drain();
  }
  std::vector<Event> Axis(SDL_GameControllerAxis axis, Sint16 value) {
    SDL_JoystickSetVirtualAxis(joystick, axis, value);
    return Drain();
  }
};

void ExpectKeys(const std::vector<Event>& events, EventCode code,
                std::vector<uint32_t> keys) {
  ASSERT_EQ(events.size(), keys.size());
  for (size_t i = 0; i < keys.size(); ++i) {
    EXPECT_EQ(events[i].code, code);
    EXPECT_EQ(events[i].key, keys[i]);
  }
}

TEST_F(SdlGamepadTest, DpadAndTheStickWalkAndTurnAsTheArrowKeys) {
  ExpectKeys(Button(SDL_CONTROLLER_BUTTON_DPAD_UP, true), EventCode::kKeyDown, {38});
  ExpectKeys(Button(SDL_CONTROLLER_BUTTON_DPAD_UP, false), EventCode::kKeyUp, {38});
  ExpectKeys(Axis(SDL_CONTROLLER_AXIS_LEFTX, -32768), EventCode::kKeyDown, {37});
  ExpectKeys(Axis(SDL_CONTROLLER_AXIS_LEFTX, -12000), EventCode::kKeyDown, {});
  ExpectKeys(Axis(SDL_CONTROLLER_AXIS_LEFTX, 0), EventCode::kKeyUp, {37});
  // The stick pushed away walks forward, pulled back walks back.
  ExpectKeys(Axis(SDL_CONTROLLER_AXIS_LEFTY, -32768), EventCode::kKeyDown, {38});
  ExpectKeys(Axis(SDL_CONTROLLER_AXIS_LEFTY, 0), EventCode::kKeyUp, {38});
  ExpectKeys(Axis(SDL_CONTROLLER_AXIS_LEFTY, 32767), EventCode::kKeyDown, {40});
}

TEST_F(SdlGamepadTest, SouthButtonAndTriggerFireOncePerPressStartAndBackQuit) {
  ExpectKeys(Button(SDL_CONTROLLER_BUTTON_A, true), EventCode::kKeyDown, {32});
  ExpectKeys(Button(SDL_CONTROLLER_BUTTON_A, false), EventCode::kKeyUp, {32});
  ExpectKeys(Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767), EventCode::kKeyDown, {32});
  ExpectKeys(Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 20000), EventCode::kKeyDown, {});
  // SDL maps the trigger's raw -32768 to 32767 onto 0 to 32767: -10000 is
  // 11383, still above the let-go point, so pressing fully again is no shot;
  // -12000 is 10383, which lets go, and the next full press fires anew.
  ExpectKeys(Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -10000), EventCode::kKeyUp, {});
  ExpectKeys(Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767), EventCode::kKeyDown, {});
  ExpectKeys(Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -12000), EventCode::kKeyUp, {32});
  ExpectKeys(Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767), EventCode::kKeyDown, {32});
  ExpectKeys(Button(SDL_CONTROLLER_BUTTON_START, true), EventCode::kKeyDown, {27});
  ExpectKeys(Button(SDL_CONTROLLER_BUTTON_START, false), EventCode::kKeyUp, {27});
  ExpectKeys(Button(SDL_CONTROLLER_BUTTON_BACK, true), EventCode::kKeyDown, {27});
}

TEST_F(SdlGamepadTest, APadPulledOutLetsGoOfItsKeys) {
  Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
  Button(SDL_CONTROLLER_BUTTON_A, true);
  SDL_JoystickClose(joystick);
  joystick = nullptr;
  SDL_JoystickDetachVirtual(device);
  device = -1;
  ExpectKeys(Drain(), EventCode::kKeyUp, {32, 39});
}

// The keyboard and the pads are merged by the shell's key bindings: here
// every keyboard key passes, and the pads' keys say whose they are.
TEST_F(SdlGamepadTest, KeyboardKeysPassAndThePadsKeysAreMarked) {
  SDL_Event key{};
  key.type = SDL_KEYDOWN;
  key.key.keysym.sym = SDLK_UP;
  SDL_PushEvent(&key);
  const std::vector<Event> downs = Button(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
  ExpectKeys(downs, EventCode::kKeyDown, {38, 38});
  EXPECT_FALSE(downs[0].pad);
  EXPECT_TRUE(downs[1].pad);
  key.type = SDL_KEYUP;
  SDL_PushEvent(&key);
  ExpectKeys(Drain(), EventCode::kKeyUp, {38});
  const std::vector<Event> ups = Button(SDL_CONTROLLER_BUTTON_DPAD_UP, false);
  ExpectKeys(ups, EventCode::kKeyUp, {38});
  EXPECT_TRUE(ups[0].pad);
}

TEST_F(SdlGamepadTest, KeysThePadHoldsAreLetGoWhenTheFocusIsLost) {
  Button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
  SDL_Event focus{};
  focus.type = SDL_WINDOWEVENT;
  focus.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
  SDL_PushEvent(&focus);
  const std::vector<Event> events = Drain();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[1].code, EventCode::kKeyUp);
  EXPECT_EQ(events[1].key, 40u);
  // Let go while the window had no focus: nothing more to release.
  ExpectKeys(Button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, false), EventCode::kKeyUp, {});
  ExpectKeys(Button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true), EventCode::kKeyDown, {40});
}

}  // namespace
}  // namespace vorbexia
