// A player's text in a message: whatever bytes a file or a command line
// holds, the message stays one readable line.
#pragma once

#include <string>
#include <string_view>

namespace vorbexia {

// The text with its control characters and the bytes that are not UTF-8
// shown as \xHH, fit for one line of an error message.
std::string EscapeForMessage(std::string_view text);

}  // namespace vorbexia
