// The platform layer on Win32, GDI and WGL: a window class, one window with
// its own device context, and a WGL rendering context on it. Every step of
// building the window is one Win32 call (or two), and has its own release.
#pragma once

#include <memory>
#include <ostream>

#include "shell/platform.h"

namespace vorbexia {

// paced: hold the swap to 60 frames per second (the game). box_lines: where
// not null, no box is shown (a timedemo runs unattended): each box's caption
// and text go there as one line, and the box gets its refusal.
std::unique_ptr<Platform> MakeWin32Platform(bool paced = true,
                                            std::ostream* box_lines = nullptr);

}  // namespace vorbexia
