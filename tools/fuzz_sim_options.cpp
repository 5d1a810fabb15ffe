// libFuzzer target for vorbexia-sim's command line (ParseReplayOptions): the
// input is split at its NUL bytes into arguments. A refusal is one readable
// line; options that are taken, written out again, read the same.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_checks.h"
#include "sim_options.h"

namespace {

using vorbexia::ReplayOptions;
using vorbexia::fuzz::Require;
using vorbexia::fuzz::SplitAtNul;

// The options that give `options`: a seed is written when no demo gives
// one, or beside --help when it is not the default.
std::vector<std::string> Written(const ReplayOptions& options) {
  std::vector<std::string> args;
  if (options.demo) args.insert(args.end(), {"--demo", *options.demo});
  if ((!options.demo && !options.help) || options.seed != 0) {
    args.insert(args.end(), {"--seed", std::to_string(options.seed)});
  }
  if (options.frames) args.insert(args.end(), {"--frames", std::to_string(*options.frames)});
  if (options.help) args.push_back("--help");
  return args;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string_view> args =
      SplitAtNul(std::string_view(reinterpret_cast<const char*>(data), size));
  ReplayOptions options;
  std::string error;
  if (!vorbexia::ParseReplayOptions(args, options, error)) {
    Require(vorbexia::fuzz::OneLine(error), "a refusal is one readable line");
    return 0;
  }
  Require(options.help || !options.demo || options.seed == 0, "a demo gives the seed");
  const std::vector<std::string> written = Written(options);
  const std::vector<std::string_view> again(written.begin(), written.end());
  ReplayOptions reread;
  Require(vorbexia::ParseReplayOptions(again, reread, error), "the options written out read");
  Require(reread.seed == options.seed && reread.frames == options.frames &&
              reread.demo == options.demo && reread.help == options.help,
          "the options written out read the same");
  return 0;
}
