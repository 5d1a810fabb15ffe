#include "shell/settings.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <sstream>

#include "demo/demo_file.h"
#include "demo/key_script.h"

namespace vorbexia {
namespace {

// A settings file is a few dozen short lines; anything much longer is not one.
constexpr size_t kMaxSettingsBytes = 64 * 1024;

std::string_view Trim(std::string_view text) {
  const size_t begin = text.find_first_not_of(" \t\r");
  if (begin == std::string_view::npos) return {};
  const size_t end = text.find_last_not_of(" \t\r");
  return text.substr(begin, end - begin + 1);
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  size_t at = 0;
  while ((at = text.find_first_not_of(" \t", at)) != std::string_view::npos) {
    const size_t end = std::min(text.find_first_of(" \t", at), text.size());
    words.push_back(text.substr(at, end - at));
    at = end;
  }
  return words;
}

bool ParseSwitch(std::string_view value, bool& on) {
  if (value == "on") return on = true, true;
  if (value == "off") return on = false, true;
  return false;
}

bool ParseStart(std::string_view value, StartMode& start) {
  if (value == "ask") return start = StartMode::kAsk, true;
  if (value == "window") return start = StartMode::kWindow, true;
  if (value == "fullscreen") return start = StartMode::kFullscreen, true;
  if (value == "desktop") return start = StartMode::kDesktop, true;
  return false;
}

bool ParseVolume(std::string_view value, int& volume) {
  int number = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
  if (error != std::errc() || end != value.data() + value.size()) return false;
  if (number < 0 || number > 100) return false;
  volume = number;
  return true;
}

bool ParseSensitivity(std::string_view value, float& sensitivity) {
  // strtof wants a terminated string and reads the locale's decimal point;
  // the file's numbers always use '.'.
  std::istringstream in{std::string(value)};
  in.imbue(std::locale::classic());
  float number = 0.0f;
  if (!(in >> number) || !in.eof()) return false;
  if (!(number >= kMinMouseSensitivity && number <= kMaxMouseSensitivity)) return false;
  sensitivity = number;
  return true;
}

bool ParseKeys(std::string_view value, std::vector<uint32_t>& keys) {
  keys.clear();
  for (std::string_view word : Words(value)) {
    const std::optional<uint32_t> key = KeyNamed(word);
    if (!key) return false;
    keys.push_back(*key);
  }
  return !keys.empty();
}

// What the default of a setting is, for the warning.
std::string DefaultOf(std::string_view key) {
  if (key == "start") return "ask";
  if (key == "keys") return "arrows";
  if (key == "mouse" || key == "hud") return "off";
  if (key == "mouse_sensitivity") return "0.15";
  if (key == "volume") return "100";
  const std::optional<Action> action = ActionNamed(key);
  return action ? KeyNames(DefaultBindings(), *action) : "";
}

// The settings other than the key bindings.
constexpr std::string_view kSettingNames[] = {"start",  "keys", "mouse", "mouse_sensitivity",
                                              "volume", "hud"};

bool IsSetting(std::string_view key) {
  return std::find(std::begin(kSettingNames), std::end(kSettingNames), key) !=
             std::end(kSettingNames) ||
         ActionNamed(key).has_value();
}

// One `key = value` line into the settings; false when it cannot be used.
bool ApplySetting(std::string_view key, std::string_view value, Settings& settings) {
  if (key == "start") return ParseStart(value, settings.start);
  if (key == "mouse") return ParseSwitch(value, settings.mouse);
  if (key == "hud") return ParseSwitch(value, settings.hud);
  if (key == "volume") return ParseVolume(value, settings.volume);
  if (key == "mouse_sensitivity") return ParseSensitivity(value, settings.mouse_sensitivity);
  if (key == "keys") {
    if (value == "wasd") AddWasd(settings.bindings);
    return value == "wasd" || value == "arrows";
  }
  const std::optional<Action> action = ActionNamed(key);
  std::vector<uint32_t> keys;
  if (!action || !ParseKeys(value, keys)) return false;
  Bind(settings.bindings, *action, keys);
  return true;
}

}  // namespace

Settings ParseSettings(std::string_view text, const std::string& file,
                       std::vector<std::string>& warnings) {
  Settings settings;
  int number = 0;
  while (!text.empty()) {
    const size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    ++number;
    line = Trim(line.substr(0, line.find('#')));
    if (line.empty()) continue;
    const std::string where = file + ":" + std::to_string(number) + ": ";
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      warnings.push_back(where + "not a 'key = value' line: '" +
                         EscapeForMessage(std::string(line)) + "'; ignored");
      continue;
    }
    const std::string_view key = Trim(line.substr(0, equals));
    const std::string_view value = Trim(line.substr(equals + 1));
    const std::string shown_key = EscapeForMessage(std::string(key));
    if (!IsSetting(key)) {
      warnings.push_back(where + "unknown setting '" + shown_key + "'; ignored");
      continue;
    }
    if (!ApplySetting(key, value, settings)) {
      // The default is used, also over an earlier line's value.
      const std::string fallback = DefaultOf(key);
      ApplySetting(key, fallback, settings);
      warnings.push_back(where + "bad value '" + EscapeForMessage(std::string(value)) +
                         "' for " + shown_key + "; using " + fallback);
    }
  }
  return settings;
}

bool LoadSettings(const std::string& path, bool must_exist, Settings& settings,
                  std::vector<std::string>& warnings, std::string& error) {
  const std::string shown = EscapeForMessage(path);
  // A file that cannot be used: an error where it was asked for by name,
  // otherwise a warning and the defaults.
  const auto give_up = [&](const std::string& why) {
    if (must_exist) {
      error = why;
      return false;
    }
    warnings.push_back(why + "; using the defaults");
    return true;
  };
  std::ifstream in(PathFromUtf8(path), std::ios::binary);
  if (!in) {
    const int code = errno;
    if (code == ENOENT && !must_exist) return true;
    return give_up("cannot read the settings '" + shown + "': " + std::strerror(code));
  }
  std::string text(kMaxSettingsBytes + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (in.bad()) return give_up("cannot read the settings '" + shown + "'");
  text.resize(static_cast<size_t>(in.gcount()));
  if (text.size() > kMaxSettingsBytes) {
    return give_up("the settings '" + shown + "' are longer than 64 KiB");
  }
  settings = ParseSettings(text, shown, warnings);
  return true;
}

}  // namespace vorbexia
