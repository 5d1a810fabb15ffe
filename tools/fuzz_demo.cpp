// libFuzzer target for demo files and key scripts: each input is read as a
// demo (ReadDemo) and as vorbexia-sim's key script (ReadKeyScript). A demo
// that reads writes back, through the recorder's own DemoHeader and
// DemoFrameLine, as a text that reads to the same seed and frames; a key
// script that reads is, under a demo's header, a demo of the same frames.
// A refusal is one readable line that names the line.
#include <cstdint>
#include <sstream>
#include <string>

#include "demo/demo_file.h"
#include "demo/key_script.h"
#include "fuzz_checks.h"

namespace {

using vorbexia::fuzz::Require;

void CheckRefusal(const std::string& error) {
  Require(vorbexia::fuzz::OneLine(error), "a refusal is one readable line");
  Require(error.starts_with("line "), "a refusal names the line");
}

void CheckDemo(const std::string& text) {
  std::istringstream in(text);
  vorbexia::Demo demo;
  std::string error;
  if (!vorbexia::ReadDemo(in, demo, error)) return CheckRefusal(error);
  std::string written = vorbexia::DemoHeader(demo.seed);
  for (const vorbexia::FrameKeys& keys : demo.frames) {
    written += vorbexia::DemoFrameLine(keys) + "\n";
  }
  std::istringstream again(written);
  vorbexia::Demo reread;
  Require(vorbexia::ReadDemo(again, reread, error), "a demo written back reads");
  Require(reread.seed == demo.seed, "a demo written back keeps its seed");
  Require(reread.frames == demo.frames, "a demo written back keeps its frames");
}

void CheckKeyScript(const std::string& text) {
  std::istringstream in(text);
  vorbexia::KeyScript script;
  std::string error;
  if (!vorbexia::ReadKeyScript(in, script, error)) return CheckRefusal(error);
  for (const vorbexia::FrameKeys& keys : script) {
    Require(!keys.inactive, "a key script has no inactive frames");
  }
  std::istringstream as_demo(vorbexia::DemoHeader(7) + text);
  vorbexia::Demo demo;
  Require(vorbexia::ReadDemo(as_demo, demo, error), "a key script under a header is a demo");
  Require(demo.frames == script, "a key script is a demo of the same frames");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  CheckDemo(text);
  CheckKeyScript(text);
  return 0;
}
