#include "platform/sdl/sdl_sound.h"

#include <SDL.h>

#include <cstdio>

#include "platform/sdl/quiet_alsa.h"
#include "sound/mixer.h"
#include "sound/synthesis.h"

namespace vorbexia {
namespace {

constexpr Uint16 kCallbackSamples = 512;  // about 12 ms at 44100 Hz

class SdlSound final : public SoundOutput {
 public:
  explicit SdlSound(int volume) : bank_(SynthesizeSounds()) { mixer_.SetVolume(volume); }
  ~SdlSound() override {
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    if (started_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  bool Open() {
    const QuietAlsa quiet;  // OpenSdlSound says it in one line
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    started_ = true;
    SDL_AudioSpec want{};
    want.freq = kSampleRate;
    want.format = AUDIO_F32SYS;
    want.channels = 1;
    want.samples = kCallbackSamples;
    want.callback = &SdlSound::Callback;
    want.userdata = this;
    SDL_AudioSpec have{};
    // No changes allowed: SDL converts to whatever the device takes.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device_ == 0) return false;
    SDL_PauseAudioDevice(device_, 0);
    return true;
  }

  void Play(Sound sound) override {
    SDL_LockAudioDevice(device_);
    mixer_.Start(bank_.Of(sound));
    SDL_UnlockAudioDevice(device_);
  }

  void SetVolume(int percent) override {
    SDL_LockAudioDevice(device_);
    mixer_.SetVolume(percent);
    SDL_UnlockAudioDevice(device_);
  }

  bool Playing() override {
    SDL_LockAudioDevice(device_);
    const bool busy = mixer_.Busy();
    SDL_UnlockAudioDevice(device_);
    return busy;
  }

  void Wait(int milliseconds) override { SDL_Delay(static_cast<Uint32>(milliseconds)); }

 private:
  // Runs on SDL's audio thread, with the device locked.
  static void Callback(void* self, Uint8* stream, int bytes) {
    static_cast<SdlSound*>(self)->mixer_.Mix(
        reinterpret_cast<float*>(stream), static_cast<size_t>(bytes) / sizeof(float));
  }

  const SoundBank bank_;
  Mixer mixer_;
  SDL_AudioDeviceID device_ = 0;
  bool started_ = false;
};

}  // namespace

std::unique_ptr<SoundOutput> OpenSdlSound(int volume) {
  auto sound = std::make_unique<SdlSound>(volume);
  if (!sound->Open()) {
    std::fprintf(stderr, "vorbexia: no sound device (%s); playing without sound\n",
                 SDL_GetError());
    return nullptr;
  }
  return sound;
}

}  // namespace vorbexia
