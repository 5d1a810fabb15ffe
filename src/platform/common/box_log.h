// The texts of the boxes, for the tests: where VORBEXIA_BOX_LOG names a
// file, every box shown also appends one "caption: text" line to it. The
// player sees only the boxes.
#pragma once

#include <string>

namespace vorbexia {

void LogBox(const std::string& caption, const std::string& text);

}  // namespace vorbexia
