// Screenshots: the frame as a PNG or a 24-bit bitmap file in the player's
// pictures folder, named by the local date and time, never over an existing
// file.
#pragma once

#include <ctime>
#include <string>

#include "controls/settings.h"
#include "image/rgb_image.h"

namespace vorbexia {

// "vorbexia-YYYY-MM-DD-hh-mm-ss.png" (or ".bmp") for that local time.
std::string ScreenshotFileName(const std::tm& local_time, ScreenshotFormat format);

// Makes `folder` (a UTF-8 path) and the folders above it as needed, then
// writes `image` (rows bottom first, as ReadFrame gives them) in `format`
// under the name for `local_time`; when that name is taken, under the same
// name with "-2", "-3"... before the extension. The picture is written whole to "NAME.part" first,
// then given its name, which is taken exclusively, so a file that appears
// meanwhile is not overwritten either. True: `path` names the new file.
// False: `error` says why in one line (its paths escaped), and no file is
// left behind.
bool SaveScreenshot(const std::string& folder, const RgbImage& image, ScreenshotFormat format,
                    const std::tm& local_time, std::string& path, std::string& error);

}  // namespace vorbexia
