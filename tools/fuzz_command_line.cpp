// libFuzzer target for the game's command line (ParseCommandLine): the
// input is split at its NUL bytes into arguments, as the system hands them
// over. A refusal is one readable line; a command line that is taken holds
// no contradiction, and written out again as options it reads the same.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_checks.h"
#include "shell/command_line.h"

namespace {

using vorbexia::CommandLine;
using vorbexia::DemoUse;
using vorbexia::fuzz::Require;
using vorbexia::fuzz::SplitAtNul;

// The options that give `line`, in a fixed order.
std::vector<std::string> Options(const CommandLine& line) {
  std::vector<std::string> options;
  if (line.fullscreen) options.push_back(*line.fullscreen ? "--fullscreen" : "--windowed");
  if (line.seed) options.insert(options.end(), {"--seed", std::to_string(*line.seed)});
  if (line.hud) options.push_back("--hud");
  if (line.mute) options.push_back("--mute");
  if (line.volume) options.insert(options.end(), {"--volume", std::to_string(*line.volume)});
  if (line.config) options.insert(options.end(), {"--config", *line.config});
  const char* demo = line.demo == DemoUse::kRecord     ? "--record"
                     : line.demo == DemoUse::kReplay   ? "--replay"
                     : line.demo == DemoUse::kTimedemo ? "--timedemo"
                                                       : nullptr;
  if (demo) options.insert(options.end(), {demo, line.demo_path});
  if (line.help) options.push_back("--help");
  if (line.version) options.push_back("--version");
  return options;
}

bool Same(const CommandLine& a, const CommandLine& b) {
  return a.fullscreen == b.fullscreen && a.seed == b.seed && a.demo == b.demo &&
         a.demo_path == b.demo_path && a.hud == b.hud && a.mute == b.mute &&
         a.volume == b.volume && a.config == b.config && a.help == b.help &&
         a.version == b.version;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string_view> args =
      SplitAtNul(std::string_view(reinterpret_cast<const char*>(data), size));
  CommandLine line;
  std::string error;
  if (!vorbexia::ParseCommandLine(args, line, error)) {
    Require(vorbexia::fuzz::OneLine(error), "a refusal is one readable line");
    return 0;
  }
  Require((line.demo == DemoUse::kNone) == line.demo_path.empty(),
          "a demo is named exactly when one is used");
  Require(!line.config || !line.config->empty(), "a settings file named has a name");
  Require(!line.volume || (*line.volume >= 0 && *line.volume <= 100), "volume within 0 to 100");
  Require(!line.seed || line.demo == DemoUse::kNone || line.demo == DemoUse::kRecord,
          "no seed beside a demo played back");
  const std::vector<std::string> options = Options(line);
  const std::vector<std::string_view> again(options.begin(), options.end());
  CommandLine reread;
  Require(vorbexia::ParseCommandLine(again, reread, error), "the options written out read");
  Require(Same(reread, line), "the options written out read the same");
  return 0;
}
