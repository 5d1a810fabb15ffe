// The platform layer on Win32, GDI and WGL: the calls the game was written
// for, one per step.
#pragma once

#include <memory>

#include "shell/platform.h"

namespace vorbexia {

// paced: hold the swap to 60 frames per second (the game).
std::unique_ptr<Platform> MakeWin32Platform(bool paced = true);

}  // namespace vorbexia
