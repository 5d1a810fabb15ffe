// Game pads on SDL: a virtual pad's buttons and sticks arrive as the
// game's actions, held by the pad's own source.
#include <gtest/gtest.h>

#include <algorithm>

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
      while (platform.NextEvent(event)) {
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

constexpr EventCode kDown = EventCode::kActionDown;
constexpr EventCode kUp = EventCode::kActionUp;
constexpr Action kWalk = Action::kWalk, kBack = Action::kBack, kLeft = Action::kTurnLeft,
                 kRight = Action::kTurnRight, kFire = Action::kFire, kQuit = Action::kQuit;

void ExpectActions(const std::vector<Event>& events, EventCode code,
                   std::vector<Action> actions) {
  ASSERT_EQ(events.size(), actions.size());
  for (size_t i = 0; i < actions.size(); ++i) {
    EXPECT_EQ(events[i].code, code);
    EXPECT_EQ(events[i].action, actions[i]);
    EXPECT_EQ(events[i].source, 1);
  }
}

TEST_F(SdlGamepadTest, DpadAndTheStickWalkAndTurnAsTheArrowKeys) {
  ExpectActions(Button(SDL_CONTROLLER_BUTTON_DPAD_UP, true), kDown, {kWalk});
  ExpectActions(Button(SDL_CONTROLLER_BUTTON_DPAD_UP, false), kUp, {kWalk});
  ExpectActions(Axis(SDL_CONTROLLER_AXIS_LEFTX, -32768), kDown, {kLeft});
  ExpectActions(Axis(SDL_CONTROLLER_AXIS_LEFTX, -12000), kDown, {});
  ExpectActions(Axis(SDL_CONTROLLER_AXIS_LEFTX, 0), kUp, {kLeft});
  // The stick pushed away walks forward, pulled back walks back.
  ExpectActions(Axis(SDL_CONTROLLER_AXIS_LEFTY, -32768), kDown, {kWalk});
  ExpectActions(Axis(SDL_CONTROLLER_AXIS_LEFTY, 0), kUp, {kWalk});
  ExpectActions(Axis(SDL_CONTROLLER_AXIS_LEFTY, 32767), kDown, {kBack});
}

TEST_F(SdlGamepadTest, SouthButtonAndTriggerFireOncePerPressStartAndBackQuit) {
  ExpectActions(Button(SDL_CONTROLLER_BUTTON_A, true), kDown, {kFire});
  ExpectActions(Button(SDL_CONTROLLER_BUTTON_A, false), kUp, {kFire});
  ExpectActions(Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767), kDown, {kFire});
  ExpectActions(Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 20000), kDown, {});
  // SDL maps the trigger's raw -32768 to 32767 onto 0 to 32767: -10000 is
  // 11383, still above the let-go point, so pressing fully again is no shot;
  // -12000 is 10383, which lets go, and the next full press fires anew.
  ExpectActions(Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -10000), kUp, {});
  ExpectActions(Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767), kDown, {});
  ExpectActions(Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -12000), kUp, {kFire});
  ExpectActions(Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767), kDown, {kFire});
  ExpectActions(Button(SDL_CONTROLLER_BUTTON_START, true), kDown, {kQuit});
  ExpectActions(Button(SDL_CONTROLLER_BUTTON_START, false), kUp, {kQuit});
  ExpectActions(Button(SDL_CONTROLLER_BUTTON_BACK, true), kDown, {kQuit});
}

TEST_F(SdlGamepadTest, APadPulledOutLetsGoOfItsActions) {
  Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
  Button(SDL_CONTROLLER_BUTTON_A, true);
  SDL_JoystickClose(joystick);
  joystick = nullptr;
  SDL_JoystickDetachVirtual(device);
  device = -1;
  // Whether SDL lets go of the buttons itself first decides the order.
  std::vector<Event> releases = Drain();
  std::sort(releases.begin(), releases.end(),
            [](const Event& a, const Event& b) { return a.action < b.action; });
  ExpectActions(releases, kUp, {kRight, kFire});
}

// A pad reports changes only: what it held when the window lost the focus
// (which lets everything go) acts again only once let go and pressed anew.
TEST_F(SdlGamepadTest, APadHeldThroughAFocusLossSendsNothingUntilItChanges) {
  Button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
  SDL_Event focus{};
  focus.type = SDL_WINDOWEVENT;
  focus.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
  SDL_PushEvent(&focus);
  const std::vector<Event> events = Drain();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].code, EventCode::kActivate);
  EXPECT_FALSE(events[0].focus);
  ExpectActions(Axis(SDL_CONTROLLER_AXIS_LEFTX, 32767), kDown, {kRight});
  ExpectActions(Button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, false), kUp, {kBack});
}

}  // namespace
}  // namespace vorbexia
