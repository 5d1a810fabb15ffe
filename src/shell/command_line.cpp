#include "shell/command_line.h"

#include "controls/settings.h"
#include "demo/demo_file.h"
#include "demo/key_script.h"
#include "files/message_text.h"

#ifndef VORBEXIA_VERSION
#define VORBEXIA_VERSION "1.0"
#endif

namespace vorbexia {
namespace {

bool Refuse(std::string& error, std::string text) {
  error = std::move(text);
  return false;
}

// The value after the option at `at`; false when there is none.
bool TakeValue(std::span<const std::string_view> args, size_t& at,
               std::string_view& value, std::string& error) {
  if (at + 1 >= args.size()) {
    return Refuse(error, std::string(args[at]) + " needs a value");
  }
  value = args[++at];
  return true;
}

bool TakeDemo(std::span<const std::string_view> args, size_t& at, DemoUse use,
              CommandLine& line, std::string& error) {
  if (line.demo == use) return Refuse(error, "repeated option " + std::string(args[at]));
  if (line.demo != DemoUse::kNone) {
    return Refuse(error, "only one of --record, --replay and --timedemo");
  }
  std::string_view path;
  if (!TakeValue(args, at, path, error)) return false;
  if (path.empty()) return Refuse(error, std::string(args[at - 1]) + " needs a file name");
  line.demo = use;
  line.demo_path = std::string(path);
  return true;
}

bool TakeSeed(std::span<const std::string_view> args, size_t& at,
              CommandLine& line, std::string& error) {
  if (line.seed) return Refuse(error, "repeated option --seed");
  std::string_view text;
  if (!TakeValue(args, at, text, error)) return false;
  uint32_t seed = 0;
  if (!ParseSeed(text, seed)) {
    return Refuse(error, "--seed takes a number from 0 to 4294967295, not '" +
                             EscapeForMessage(text) + "'");
  }
  line.seed = seed;
  return true;
}

bool TakeMode(std::string_view name, CommandLine& line, std::string& error) {
  const bool fullscreen = name == "--fullscreen";
  if (line.fullscreen == fullscreen) return Refuse(error, "repeated option " + std::string(name));
  if (line.fullscreen) return Refuse(error, "only one of --windowed and --fullscreen");
  line.fullscreen = fullscreen;
  return true;
}

bool TakeVolume(std::span<const std::string_view> args, size_t& at,
                CommandLine& line, std::string& error) {
  if (line.volume) return Refuse(error, "repeated option --volume");
  std::string_view text;
  if (!TakeValue(args, at, text, error)) return false;
  uint32_t volume = 0;
  if (!ParseSeed(text, volume) || volume > 100) {
    return Refuse(error, "--volume takes a number from 0 to 100, not '" +
                             EscapeForMessage(text) + "'");
  }
  line.volume = static_cast<int>(volume);
  return true;
}

bool TakeConfig(std::span<const std::string_view> args, size_t& at,
                CommandLine& line, std::string& error) {
  if (line.config) return Refuse(error, "repeated option --config");
  std::string_view path;
  if (!TakeValue(args, at, path, error)) return false;
  if (path.empty()) return Refuse(error, "--config needs a file name");
  line.config = std::string(path);
  return true;
}

// A switch given once; a second one is refused like any repeated option.
bool TakeSwitch(std::string_view name, bool& value, std::string& error) {
  if (value) return Refuse(error, "repeated option " + std::string(name));
  value = true;
  return true;
}

bool TakeOption(std::span<const std::string_view> args, size_t& at,
                CommandLine& line, std::string& error) {
  const std::string_view name = args[at];
  if (name == "--windowed" || name == "--fullscreen") return TakeMode(name, line, error);
  if (name == "--seed") return TakeSeed(args, at, line, error);
  if (name == "--record") return TakeDemo(args, at, DemoUse::kRecord, line, error);
  if (name == "--replay") return TakeDemo(args, at, DemoUse::kReplay, line, error);
  if (name == "--timedemo") return TakeDemo(args, at, DemoUse::kTimedemo, line, error);
  if (name == "--hud") return TakeSwitch(name, line.hud, error);
  if (name == "--mute") return TakeSwitch(name, line.mute, error);
  if (name == "--volume") return TakeVolume(args, at, line, error);
  if (name == "--config") return TakeConfig(args, at, line, error);
  if (name == "--help") return TakeSwitch(name, line.help, error);
  if (name == "--version") return TakeSwitch(name, line.version, error);
  return Refuse(error, "unknown argument '" + EscapeForMessage(name) + "'");
}

}  // namespace

bool ParseCommandLine(std::span<const std::string_view> args, CommandLine& line,
                      std::string& error) {
  line = CommandLine{};
  for (size_t at = 0; at < args.size(); ++at) {
    if (!TakeOption(args, at, line, error)) return false;
  }
  const bool plays_demo =
      line.demo == DemoUse::kReplay || line.demo == DemoUse::kTimedemo;
  if (plays_demo && line.seed) {
    return Refuse(error, "--seed does not go with a demo played back (the demo has its seed)");
  }
  return true;
}

std::string UsageText(const std::string& settings_file) {
  // Without a home (HOME unset or relative) there is no usual settings file.
  const std::string where =
      settings_file.empty()
          ? "a file given with --config FILE\n(without a home folder there is no usual one;\n"
            "see the manual page); options given here take precedence.\n"
          : EscapeForMessage(settings_file) +
                "\n(see the manual page); options given here take precedence.\n";
  return "usage: vorbexia [--windowed | --fullscreen] [--seed N] [--hud] [--mute]\n"
         "                [--volume N] [--config FILE]\n"
         "                [--record FILE | --replay FILE | --timedemo FILE]\n"
         "       vorbexia --help | --version\n"
         "\n"
         "  --windowed, --fullscreen  answer the mode question in advance\n"
         "  --seed N         seed the robots with N (0 to 4294967295), not the time\n"
         "  --hud            show the crosshair and the robots left (Tab: on/off)\n"
         "  --mute           no sound\n"
         "  --volume N       sound at N percent (0 to 100)\n"
         "  --config FILE    read the settings from FILE\n"
         "  --record FILE    write the game played as a demo file\n"
         "  --replay FILE    play a demo back at the normal pace (Esc quits)\n"
         "  --timedemo FILE  play a demo back as fast as possible, print the\n"
         "                   frame rate and the final state, no boxes\n"
         "  --help, --version  this text, the version\n"
         "\n"
         "In play: arrows walk and turn, Space fires, Tab shows the HUD, P pauses,\n"
         "F1 shows the keys, F12 takes a screenshot, Alt+Enter toggles full\n"
         "screen, Esc quits.\n"
         "\n"
         "The settings, lines `name = value` (below with their defaults, values\n"
         "and use), are set in " + where +
         SettingsHelpText();
}

std::string VersionText() { return "vorbexia " VORBEXIA_VERSION "\n"; }

}  // namespace vorbexia
