// Screenshots: the frame as a 24-bit bitmap file in the player's pictures
// folder, named by the local date and time, never over an existing file.
#pragma once

#include <ctime>
#include <string>

#include "image/rgb_image.h"

namespace vorbexia {

// "vorbexia-YYYY-MM-DD-hh-mm-ss.bmp" for that local time.
std::string ScreenshotFileName(const std::tm& local_time);

// Makes `folder` (a UTF-8 path) and the folders above it as needed, then
// writes `image` (rows bottom first, as ReadFrame gives them) under the name
// for `local_time`; when that name is taken, under the same name with "-2",
// "-3"... before ".bmp". The picture is written whole to "NAME.part" first,
// then given its name, which is taken exclusively, so a file that appears
// meanwhile is not overwritten either. True: `path` names the new file.
// False: `error` says why in one line (its paths escaped), and no file is
// left behind.
bool SaveScreenshot(const std::string& folder, const RgbImage& image,
                    const std::tm& local_time, std::string& path, std::string& error);

}  // namespace vorbexia
