// sound-render DEMO OUT: the sound of a demo's game written to OUT as the
// game's sound device would get it (native floats, one channel at
// kSampleRate), without waiting for it in real time. Every frame runs as the
// game's main loop runs it, its sounds are started by the game's own cues
// into the game's mixer, and then one frame's worth of samples (1/60 s) is
// mixed; after the victory the mix runs on until the last sound has ended,
// as the game's window stays until then. sound-trace names what is heard.
// Exit 2 with one line when the demo cannot be read or OUT not written.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "demo/demo_file.h"
#include "demo/replay.h"
#include "shell/sound_cues.h"
#include "shell/sound_output.h"
#include "sound/mixer.h"
#include "sound/synthesis.h"
#include "world/world.h"

namespace {

constexpr size_t kFrameSamples = vorbexia::kSampleRate / 60;

class RenderedSound final : public vorbexia::SoundOutput {
 public:
  void Play(vorbexia::Sound sound) override { mixer_.Start(bank_.Of(sound)); }
  bool Playing() override { return mixer_.Busy(); }
  void Wait(int milliseconds) override {
    MixOn(static_cast<size_t>(milliseconds) * vorbexia::kSampleRate / 1000);
  }
  void MixOn(size_t count) {
    const size_t at = samples_.size();
    samples_.resize(at + count);
    mixer_.Mix(samples_.data() + at, count);
  }
  const std::vector<float>& samples() const { return samples_; }

 private:
  const vorbexia::SoundBank bank_ = vorbexia::SynthesizeSounds();
  vorbexia::Mixer mixer_;
  std::vector<float> samples_;
};

int Fail(const std::string& error) {
  std::fprintf(stderr, "sound-render: %s\n", error.c_str());
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return Fail("usage: sound-render DEMO OUT");
  vorbexia::Demo demo;
  std::string error;
  if (!vorbexia::ReadDemoFile(argv[1], demo, error)) return Fail(error);

  vorbexia::GameState state;
  vorbexia::Random random;
  vorbexia::SeedRandom(random, demo.seed);
  vorbexia::SetupLevel(state);
  vorbexia::SetupRobots(state, random);
  RenderedSound sound;
  vorbexia::FootstepClock footsteps;
  bool victory = false;
  for (const vorbexia::FrameKeys& keys : demo.frames) {
    victory = vorbexia::RunReplayFrame(state, random, keys);
    vorbexia::PlayFrameSounds(state.events, victory, footsteps, sound);
    sound.MixOn(kFrameSamples);
    if (victory) break;
  }
  // The game's window waits for the victory sound; a lost game's last
  // sounds are cut off with the window, and are here too.
  while (victory && sound.Playing()) sound.Wait(10);

  std::ofstream out(argv[2], std::ios::binary);
  out.write(reinterpret_cast<const char*>(sound.samples().data()),
            static_cast<std::streamsize>(sound.samples().size() * sizeof(float)));
  out.close();
  if (!out) return Fail(std::string("cannot write ") + argv[2]);
  return 0;
}
