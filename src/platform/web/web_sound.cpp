#include "platform/web/web_sound.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include "sound/mixer.h"
#include "sound/synthesis.h"

// An audio context with one script node whose buffers `mix` fills; resumed
// at the first key press or click. `output` is ours to mix into: `count`
// floats. False without Web Audio or its sample rate.
EM_JS(int, OpenPageAudio, (void* sound, float* output, int count, int rate), {
  const Context = globalThis.AudioContext || globalThis.webkitAudioContext;
  if (!Context) return 0;
  let context;
  try {
    context = new Context({sampleRate: rate});
  } catch (error) {
    return 0;
  }
  if (context.sampleRate != rate) {
    context.close();
    return 0;
  }
  const node = context.createScriptProcessor(count, 0, 1);
  node.onaudioprocess = event => {
    Module._VorbexiaMixSound(sound, output, count);
    event.outputBuffer.getChannelData(0).set(HEAPF32.subarray(output >> 2, (output >> 2) + count));
  };
  node.connect(context.destination);
  // A resume waits for a gesture the browser counts (Esc is none): a game
  // that ends first closes the context, which refuses the resume, and no
  // sound is missed then.
  const resume = () => {
    if (context.state != 'suspended') return;
    context.resume().catch(error => {
      if (context.state != 'closed') console.log('sound not resumed: ' + error.message);
    });
  };
  for (const type of ['keydown', 'pointerdown']) document.addEventListener(type, resume, true);
  Module.vorbexiaAudio = {context, node, resume};
  return 1;
});

EM_JS(int, PageAudioRuns, (), {
  return Module.vorbexiaAudio && Module.vorbexiaAudio.context.state == 'running' ? 1 : 0;
});

EM_JS(void, ClosePageAudio, (), {
  const audio = Module.vorbexiaAudio;
  if (!audio) return;
  for (const type of ['keydown', 'pointerdown']) {
    document.removeEventListener(type, audio.resume, true);
  }
  audio.node.onaudioprocess = null;
  audio.node.disconnect();
  audio.context.close();
  delete Module.vorbexiaAudio;
});

namespace vorbexia {
namespace {

constexpr int kBufferSamples = 1024;  // about 23 ms at 44,100 Hz

class WebSound final : public SoundOutput {
 public:
  explicit WebSound(int volume) : bank_(SynthesizeSounds()) { mixer_.SetVolume(volume); }
  ~WebSound() override {
    if (open_) ClosePageAudio();
  }
  WebSound(const WebSound&) = delete;
  WebSound& operator=(const WebSound&) = delete;

  bool Open() {
    open_ = OpenPageAudio(this, buffer_, kBufferSamples, kSampleRate) != 0;
    return open_;
  }

  void Play(Sound sound) override { mixer_.Start(bank_.Of(sound)); }
  void SetVolume(int percent) override { mixer_.SetVolume(percent); }

  // Nothing plays while the browser holds the context back.
  bool Playing() override { return mixer_.Busy() && PageAudioRuns(); }

  // The browser asks for the buffers meanwhile.
  void Wait(int milliseconds) override { emscripten_sleep(static_cast<unsigned>(milliseconds)); }

  void Mix(float* out, int count) { mixer_.Mix(out, static_cast<size_t>(count)); }

 private:
  const SoundBank bank_;
  Mixer mixer_;
  float buffer_[kBufferSamples] = {};
  bool open_ = false;
};

}  // namespace

std::unique_ptr<SoundOutput> OpenWebSound(int volume) {
  auto sound = std::make_unique<WebSound>(volume);
  if (!sound->Open()) return nullptr;
  return sound;
}

}  // namespace vorbexia

// Called by the page's script node for the next buffer.
extern "C" EMSCRIPTEN_KEEPALIVE void VorbexiaMixSound(void* sound, float* out, int count) {
  static_cast<vorbexia::WebSound*>(sound)->Mix(out, count);
}
