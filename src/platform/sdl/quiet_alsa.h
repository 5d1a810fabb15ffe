// alsa-lib prints its errors on standard error itself: eight lines of
// configuration trouble when the machine has no sound card and SDL tries its
// ALSA driver, although the game plays on without sound. Opening the sound
// under a QuietAlsa drops those messages; the game says in its own words
// what became of the sound.
#pragma once

#include <cstdarg>

namespace vorbexia {

// While it lives, alsa-lib's messages from this thread go nowhere (alsa-lib's
// handler for the calling thread only: SDL's audio threads keep theirs).
class QuietAlsa {
 public:
  QuietAlsa();
  ~QuietAlsa();
  QuietAlsa(const QuietAlsa&) = delete;
  QuietAlsa& operator=(const QuietAlsa&) = delete;

 private:
  using Handler = void (*)(const char* file, int line, const char* function, int error,
                           const char* format, va_list arguments);
  Handler previous_;
};

}  // namespace vorbexia
