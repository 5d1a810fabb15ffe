// vorbexia-sim: replays a key script headlessly and prints every state.
//
//   vorbexia-sim --seed S [--frames N] < script
//   vorbexia-sim --demo FILE [--frames N]
//   vorbexia-sim --help
//
// A demo gives the seed and the frames; its inactive frames step no world.
// Bad input gets one line on standard error and exit code 2; nothing is
// simulated then. A failed write gets one line and exit code 1.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "demo/demo_file.h"
#include "demo/key_script.h"
#include "demo/replay.h"
#include "sim_options.h"

namespace {

constexpr int kBadInput = 2;

int Fail(const std::string& error) {
  std::fprintf(stderr, "vorbexia-sim: %s\n", error.c_str());
  return kBadInput;
}

// 0 once standard output holds everything written to it, else 1 and a line
// saying why (a full disk, a closed pipe).
int WrittenOut(const char* what) {
  std::cout.flush();
  if (std::cout) return 0;
  std::fprintf(stderr, "vorbexia-sim: cannot write %s: %s\n", what, std::strerror(errno));
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef SIGXFSZ
  std::signal(SIGXFSZ, SIG_IGN);  // a size limit on the states' file: a failed write
#endif
  std::ios::sync_with_stdio(false);
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  vorbexia::ReplayOptions options;
  std::string error;
  if (!vorbexia::ParseReplayOptions(args, options, error)) {
    return Fail(error + " (usage: vorbexia-sim --seed S [--frames N] < script,"
                        " or vorbexia-sim --demo FILE [--frames N])");
  }
  if (options.help) {
    std::cout << vorbexia::SimUsageText();
    return WrittenOut("the usage");
  }
  vorbexia::Demo demo;
  if (options.demo) {
    if (!vorbexia::ReadDemoFile(*options.demo, demo, error)) return Fail(error);
  } else {
    demo.seed = options.seed;
    if (!vorbexia::ReadKeyScript(std::cin, demo.frames, error)) return Fail(error);
  }
  const uint64_t frames = options.frames.value_or(demo.frames.size());
  vorbexia::RunReplay(demo.seed, demo.frames, frames, std::cout);
  return WrittenOut("the states");
}
