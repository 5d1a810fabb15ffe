#include "platform/win32/win32_sound.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <mutex>
#include <thread>

#include "sound/synthesis.h"

// After the game's own headers (see win32_platform.cpp).
#include <windows.h>
#include <mmsystem.h>

namespace vorbexia {
namespace {

// Three blocks of 1024 samples, about 23 ms each at 44100 Hz: a sound
// started by the game is heard within about 70 ms, and the feeding thread
// has two blocks' time (46 ms) to refill one before the device runs dry.
constexpr int kBlocks = 3;
constexpr size_t kBlockSamples = 1024;
// Floats mixed at a time into a buffer on the stack.
constexpr size_t kMixChunk = 256;

WAVEFORMATEX Pcm16Mono() {
  WAVEFORMATEX format{};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = 1;
  format.nSamplesPerSec = kSampleRate;
  format.wBitsPerSample = 16;
  format.nBlockAlign = sizeof(int16_t);
  format.nAvgBytesPerSec = kSampleRate * format.nBlockAlign;
  return format;
}

class Win32Sound final : public SoundOutput {
 public:
  explicit Win32Sound(int volume) : bank_(SynthesizeSounds()) { mixer_.SetVolume(volume); }
  ~Win32Sound() override { Close(); }

  // Opens the default device and queues every block, then starts feeding.
  bool Open() {
    event_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (!event_) return false;
    WAVEFORMATEX format = Pcm16Mono();
    if (waveOutOpen(&device_, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(event_), 0,
                    CALLBACK_EVENT) != MMSYSERR_NOERROR) {
      device_ = nullptr;
      return false;
    }
    for (Block& block : blocks_) {
      if (!Prepare(block)) return false;
    }
    for (Block& block : blocks_) {
      if (!Queue(block)) return false;
    }
    feeder_ = std::thread(&Win32Sound::Feed, this);
    return true;
  }

  void Play(Sound sound) override {
    const std::lock_guard lock(mutex_);
    mixer_.Start(bank_.Of(sound));
  }

  void SetVolume(int percent) override {
    const std::lock_guard lock(mutex_);
    mixer_.SetVolume(percent);
  }

  // Until the mixer is done and the last block that carried sound has
  // been heard, so that closing after this cuts nothing off.
  bool Playing() override {
    const std::lock_guard lock(mutex_);
    if (failed_) return false;
    return mixer_.Busy() || std::any_of(blocks_.begin(), blocks_.end(),
                                        [](const Block& block) { return block.audible; });
  }

  void Wait(int milliseconds) override { Sleep(static_cast<DWORD>(std::max(0, milliseconds))); }

 private:
  struct Block {
    WAVEHDR header{};
    std::array<int16_t, kBlockSamples> samples{};
    bool prepared = false;
    bool audible = false;  // queued with sound in it (guarded by mutex_)
  };

  bool Prepare(Block& block) {
    block.header.lpData = reinterpret_cast<LPSTR>(block.samples.data());
    block.header.dwBufferLength = sizeof block.samples;
    block.prepared =
        waveOutPrepareHeader(device_, &block.header, sizeof block.header) == MMSYSERR_NOERROR;
    return block.prepared;
  }

  // Fills the block with the mixer's next samples and hands it to the device.
  bool Queue(Block& block) {
    const std::lock_guard lock(mutex_);
    block.audible = MixPcm16(mixer_, block.samples);
    if (waveOutWrite(device_, &block.header, sizeof block.header) == MMSYSERR_NOERROR) {
      return true;
    }
    block.audible = false;
    failed_ = true;
    return false;
  }

  // The feeding thread: woken by the device as each block finishes, it
  // refills the blocks in the order they were queued, so that each
  // continues the stream of the one before.
  void Feed() {
    size_t next = 0;
    for (;;) {
      WaitForSingleObject(event_, INFINITE);
      if (stopping_) return;
      while (blocks_[next].header.dwFlags & WHDR_DONE) {
        if (!Queue(blocks_[next])) return;
        next = (next + 1) % blocks_.size();
      }
    }
  }

  // The thread first, so that nothing is queued after the reset.
  void Close() {
    if (feeder_.joinable()) {
      stopping_ = true;
      SetEvent(event_);
      feeder_.join();
    }
    if (device_) {
      waveOutReset(device_);
      for (Block& block : blocks_) {
        if (block.prepared) waveOutUnprepareHeader(device_, &block.header, sizeof block.header);
      }
      waveOutClose(device_);
    }
    if (event_) CloseHandle(event_);
  }

  const SoundBank bank_;
  std::mutex mutex_;  // the mixer and the blocks' flags: game thread and feeder
  Mixer mixer_;
  bool failed_ = false;
  std::array<Block, kBlocks> blocks_{};
  HWAVEOUT device_ = nullptr;
  HANDLE event_ = nullptr;  // set by the device on each finished block
  std::atomic<bool> stopping_ = false;
  std::thread feeder_;
};

}  // namespace

int16_t ToPcm16(float sample) {
  constexpr float kFullScale = 32767.0f;
  return static_cast<int16_t>(std::lround(std::clamp(sample, -1.0f, 1.0f) * kFullScale));
}

bool MixPcm16(Mixer& mixer, std::span<int16_t> block) {
  std::array<float, kMixChunk> mix;
  bool audible = false;
  for (size_t at = 0; at < block.size(); at += kMixChunk) {
    const size_t count = std::min(kMixChunk, block.size() - at);
    mixer.Mix(mix.data(), count);
    for (size_t i = 0; i < count; ++i) {
      block[at + i] = ToPcm16(mix[i]);
      audible = audible || block[at + i] != 0;
    }
  }
  return audible;
}

std::unique_ptr<SoundOutput> OpenWin32Sound(int volume) {
  auto sound = std::make_unique<Win32Sound>(volume);
  if (!sound->Open()) return nullptr;
  return sound;
}

}  // namespace vorbexia
