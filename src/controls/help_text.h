// The help the player sees over the game (F1): the keys as bound, in the
// game's own words.
#pragma once

#include <string>
#include <vector>

#include "controls/settings.h"

namespace vorbexia {

std::vector<std::string> HelpLines(const Settings& settings);

}  // namespace vorbexia
