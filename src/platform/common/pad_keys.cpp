#include "platform/common/pad_keys.h"

#include <algorithm>

namespace vorbexia {

int AxisDirection(int held, int value) {
  if (held < 0 && value <= -kAxisRelease) return -1;
  if (held > 0 && value >= kAxisRelease) return 1;
  if (value <= -kAxisPress) return -1;
  if (value >= kAxisPress) return 1;
  return 0;
}

std::vector<Action> PadHeldActions(const PadState& pad) {
  std::vector<Action> actions;
  const auto hold = [&](bool held, Action action) {
    if (held) actions.push_back(action);
  };
  hold(pad.dpad_up || pad.stick_y < 0, Action::kWalk);
  hold(pad.dpad_down || pad.stick_y > 0, Action::kBack);
  hold(pad.dpad_left || pad.stick_x < 0, Action::kTurnLeft);
  hold(pad.dpad_right || pad.stick_x > 0, Action::kTurnRight);
  hold(pad.south || pad.trigger, Action::kFire);
  hold(pad.start || pad.back, Action::kQuit);
  return actions;
}

std::vector<Event> PadChanges(int source, const PadState& before, const PadState& after) {
  const std::vector<Action> was = PadHeldActions(before);
  const std::vector<Action> is = PadHeldActions(after);
  const auto among = [](const std::vector<Action>& actions, Action action) {
    return std::find(actions.begin(), actions.end(), action) != actions.end();
  };
  std::vector<Event> events;
  for (const Action action : was) {
    if (!among(is, action)) {
      events.push_back(Event{.code = EventCode::kActionUp, .action = action, .source = source});
    }
  }
  for (const Action action : is) {
    if (!among(was, action)) {
      events.push_back(Event{.code = EventCode::kActionDown, .action = action, .source = source});
    }
  }
  return events;
}

}  // namespace vorbexia
