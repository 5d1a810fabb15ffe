#include "platform/common/box_log.h"

#include <cstdio>
#include <cstdlib>

namespace vorbexia {

void LogBox(const std::string& caption, const std::string& text) {
  const char* path = std::getenv("VORBEXIA_BOX_LOG");
  if (!path || !*path) return;
  // Binary: one "\n" a line on every platform, as the tests read it.
  if (std::FILE* log = std::fopen(path, "ab")) {
    std::fprintf(log, "%s: %s\n", caption.c_str(), text.c_str());
    std::fclose(log);
  }
}

}  // namespace vorbexia
