// Keeps the GL driver's libraries (and D-Bus, which SDL loads for the screen
// saver) loaded until the process ends.
//
// The driver is loaded and unloaded with each test's context; LeakSanitizer
// then finds the driver's own leftovers at exit in a module it can no longer
// name, so no suppression matches them. Pinned, they keep their names and the
// suppressions for the system's graphics libraries apply.
#pragma once

#include <dlfcn.h>
#include <link.h>

#include <cstring>

namespace vorbexia {

inline void KeepGlDriverLoaded() {
  dl_iterate_phdr(
      [](dl_phdr_info* info, size_t, void*) {
        const char* name = info->dlpi_name;
        if (name != nullptr && (std::strstr(name, "_dri") || std::strstr(name, "gallium") ||
                                std::strstr(name, "LLVM") || std::strstr(name, "GLX_mesa") ||
                                std::strstr(name, "libdbus"))) {
          dlopen(name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
        }
        return 0;
      },
      nullptr);
}

}  // namespace vorbexia
