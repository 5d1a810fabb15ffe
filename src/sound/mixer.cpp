#include "sound/mixer.h"

#include <algorithm>

namespace vorbexia {
namespace {

size_t Left(const Samples& samples, size_t at) { return samples.size() - at; }

}  // namespace

void Mixer::Start(const Samples& samples) {
  if (samples.empty()) return;
  Voice* chosen = &voices_[0];
  for (Voice& voice : voices_) {
    if (!voice.samples) {
      chosen = &voice;
      break;
    }
    if (Left(*voice.samples, voice.at) < Left(*chosen->samples, chosen->at)) {
      chosen = &voice;
    }
  }
  *chosen = Voice{&samples, 0};
}

void Mixer::Mix(float* out, size_t count) {
  std::fill(out, out + count, 0.0f);
  for (Voice& voice : voices_) {
    if (!voice.samples) continue;
    const size_t n = std::min(count, Left(*voice.samples, voice.at));
    const float* from = voice.samples->data() + voice.at;
    for (size_t i = 0; i < n; ++i) out[i] += from[i];
    voice.at += n;
    if (voice.at == voice.samples->size()) voice = Voice{};
  }
  for (size_t i = 0; i < count; ++i) out[i] = std::clamp(out[i] * gain_, -1.0f, 1.0f);
}

void Mixer::SetVolume(int percent) {
  gain_ = static_cast<float>(std::clamp(percent, 0, 100)) / 100.0f;
}

bool Mixer::Busy() const {
  return std::any_of(voices_.begin(), voices_.end(),
                     [](const Voice& voice) { return voice.samples != nullptr; });
}

}  // namespace vorbexia
