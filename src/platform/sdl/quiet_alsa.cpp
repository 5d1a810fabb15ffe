#include "platform/sdl/quiet_alsa.h"

// alsa-lib 1.2.8 declares snd_lib_error_set_local after its header's own
// extern "C" block has ended.
extern "C" {
#include <alsa/error.h>
}

namespace vorbexia {
namespace {

void Drop(const char*, int, const char*, int, const char*, va_list) {}

}  // namespace

QuietAlsa::QuietAlsa() : previous_(snd_lib_error_set_local(&Drop)) {}

QuietAlsa::~QuietAlsa() { snd_lib_error_set_local(previous_); }

}  // namespace vorbexia
