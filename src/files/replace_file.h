// A file the game keeps for the player (the settings, the best time),
// written anew: the new bytes go into a file beside it, which is renamed
// over it only when whole, so that a failure leaves the old file as it was.
#pragma once

#include <string>
#include <string_view>

namespace vorbexia {

// Writes `bytes` as the file at `path` (UTF-8), making its folder where
// there is none; a link is followed to the file it names. False with
// `error` when it cannot: PATH.part already there (another game writing
// it), a full disk, a folder that cannot be made.
bool ReplaceFile(const std::string& path, std::string_view bytes, std::string& error);

}  // namespace vorbexia
