// The touch controls drawn by the page over the picture
// (page/vorbexia-page.js). The page queues what each finger presses and lets
// go of, by the name of the control's action (its data-action: "walk",
// "fire", ...); here each name becomes the game's Action and each finger a
// source of its own after the pads', so that a finger is to the game what a
// pad's button is: the frame's command, the demos and the menu see nothing
// new.
#pragma once

#include <optional>
#include <string_view>

#include "controls/event.h"
#include "platform/web/web_gamepads.h"

namespace vorbexia {

// Finger i (0 up, as the page numbers them) is source kFirstTouchSource + i.
constexpr int kFirstTouchSource = WebGamepads::kPads + 1;
constexpr int kTouchFingers = kMaxSource - kFirstTouchSource + 1;

// The game's action that a touch control names; none for any other name
// (full screen is the page's own doing, and a page of another build may
// name what this one does not know).
std::optional<Action> TouchAction(std::string_view name);

// The event of `finger` pressing (`down`) or letting go of the control
// named `name`; none for an unknown name or a finger out of range.
std::optional<Event> TouchEvent(int finger, std::string_view name, bool down);

// The oldest touch the page has queued, as the game's event; false once
// none is left. What the game cannot take is dropped on the way.
bool TakePageTouch(Event& event);

}  // namespace vorbexia
