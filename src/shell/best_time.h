// How long a won game took, and the best time of the games won on this
// computer, kept in the player's data folder.
#pragma once

#include <cstdint>
#include <string>

namespace vorbexia {

// `frames` of the game (60 a second) as minutes, seconds and hundredths:
// "1:23.45".
std::string PlayTime(uint64_t frames);

// The same in whole seconds, for the clock on the screen: "1:23".
std::string ClockTime(uint64_t frames);

// After a game won in `frames`: the best so far, this one included, kept in
// FOLDER/best-time (a number of frames). A file that cannot be read or makes
// no sense counts as none; false with `error` when the new best cannot be
// written (`best` is still the best).
bool KeepBestTime(const std::string& folder, uint64_t frames, uint64_t& best, std::string& error);

}  // namespace vorbexia
