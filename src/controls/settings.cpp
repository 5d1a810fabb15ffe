#include "controls/settings.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <iomanip>
#include <sstream>

#include "demo/key_script.h"
#include "files/input_file.h"
#include "files/message_text.h"
#include "files/replace_file.h"

namespace vorbexia {
namespace {

// A settings file is a few dozen short lines; anything much longer is not one.
constexpr size_t kMaxSettingsBytes = 64 * 1024;
// Past this many warnings a file is not settings gone slightly wrong: the
// rest are counted, not listed, so that the terminal keeps the game's words.
constexpr size_t kMaxWarnings = 20;
// Values and names in warnings are cut to this many characters.
constexpr size_t kMaxShown = 60;
constexpr uint32_t kEscape = 27;  // Escape's virtual-key code

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

// Text from the file as a warning shows it: control bytes escaped, and no
// more than kMaxShown characters (a 60,000-character value is not read by
// anyone). The cut falls between characters, never inside one.
std::string Shown(std::string_view text) {
  size_t characters = 0;
  for (size_t at = 0; at < text.size(); ++at) {
    if ((static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) continue;  // within one
    if (++characters > kMaxShown) return EscapeForMessage(text.substr(0, at)) + "...";
  }
  return EscapeForMessage(text);
}

bool ParseSwitch(std::string_view value, bool& on) {
  if (value == "on") return on = true, true;
  if (value == "off") return on = false, true;
  return false;
}

// In StartMode's order.
constexpr std::string_view kStartNames[] = {"ask", "window", "fullscreen", "desktop"};

bool ParseStart(std::string_view value, StartMode& start) {
  for (size_t i = 0; i < std::size(kStartNames); ++i) {
    if (value == kStartNames[i]) return start = static_cast<StartMode>(i), true;
  }
  return false;
}

// In ScreenshotFormat's order.
constexpr std::string_view kFormatNames[] = {"png", "bmp"};

bool ParseFormat(std::string_view value, ScreenshotFormat& format) {
  for (size_t i = 0; i < std::size(kFormatNames); ++i) {
    if (value == kFormatNames[i]) return format = static_cast<ScreenshotFormat>(i), true;
  }
  return false;
}

constexpr std::string_view kLanguageNames[] = {"pl", "en"};  // in Language's order

bool ParseLanguage(std::string_view value, Language& language) {
  for (size_t i = 0; i < std::size(kLanguageNames); ++i) {
    if (value == kLanguageNames[i]) return language = static_cast<Language>(i), true;
  }
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

// strtof wants a terminated string and reads the locale's decimal point;
// the file's numbers always use '.'.
bool ParseFloat(std::string_view value, float& number) {
  std::istringstream in{std::string(value)};
  in.imbue(std::locale::classic());
  return (in >> number) && in.eof();
}

bool ParseSensitivity(std::string_view value, float& sensitivity) {
  float number = 0.0f;
  if (!ParseFloat(value, number)) return false;
  if (!(number >= kMinMouseSensitivity && number <= kMaxMouseSensitivity)) return false;
  sensitivity = number;
  return true;
}

// The shortest text that reads back as the same float ("0.15", not
// "0.150000006"). Emscripten's C++ library has no float std::to_chars.
std::string SensitivityText(float sensitivity) {
  std::string text;
  for (int digits = 1; digits <= 9; ++digits) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << std::setprecision(digits) << sensitivity;
    text = out.str();
    float back = 0.0f;
    if (ParseFloat(text, back) && back == sensitivity) break;
  }
  return text;
}

// The keys named, each once; false with the first name that is no key's.
bool ParseKeys(std::string_view value, std::vector<uint32_t>& keys, std::string_view& unknown) {
  keys.clear();
  for (std::string_view word : Words(value)) {
    const std::optional<uint32_t> key = KeyNamed(word);
    if (!key) return unknown = word, false;
    if (std::find(keys.begin(), keys.end(), *key) == keys.end()) keys.push_back(*key);
  }
  return !keys.empty();
}

// The settings being read, with which of W, A, S and D (by kWasd's order)
// `keys = wasd` put beside the arrows and no line has named since: those
// are what `keys = arrows` takes away again.
struct Reading {
  Settings settings;
  std::array<bool, std::size(kWasd)> wasd{};
};

// The W, A, S and D `keys = wasd` put there that still serve their actions.
std::vector<ActionKey> WasdInForce(const Reading& reading) {
  std::vector<ActionKey> in_force;
  for (size_t i = 0; i < std::size(kWasd); ++i) {
    if (reading.wasd[i] && HasKey(reading.settings.bindings, kWasd[i].action, kWasd[i].key)) {
      in_force.push_back(kWasd[i]);
    }
  }
  return in_force;
}

enum class Outcome { kUsed, kUsedWithNote, kRefused };

std::string BadValue(std::string_view key, std::string_view value) {
  if (value.empty()) return "no value for " + std::string(key);
  return "bad value '" + Shown(value) + "' for " + std::string(key);
}

// A value that one of the parsers took, or refused as a bad value.
Outcome Parsed(bool used, std::string_view key, std::string_view value, std::string& message) {
  if (used) return Outcome::kUsed;
  message = BadValue(key, value);
  return Outcome::kRefused;
}

std::string SwitchText(bool on) { return on ? "on" : "off"; }

Outcome ApplyKeys(std::string_view key, std::string_view value, Reading& reading,
                  std::string& message) {
  KeyBindings& bindings = reading.settings.bindings;
  if (value == "wasd") {
    AddWasd(bindings);
    reading.wasd.fill(true);
    return Outcome::kUsed;
  }
  if (value == "arrows") {
    // Only what `keys = wasd` put there goes: a W bound by name stays.
    for (const auto& [action, wasd_key] : WasdInForce(reading)) {
      std::erase(bindings.keys[static_cast<size_t>(action)], wasd_key);
    }
    reading.wasd.fill(false);
    return Outcome::kUsed;
  }
  return Parsed(false, key, value, message);
}

std::string KeysInForce(std::string_view, const Reading& reading) {
  const std::vector<ActionKey> wasd = WasdInForce(reading);
  if (wasd.empty()) return "arrows";
  if (wasd.size() == std::size(kWasd)) return "wasd";
  std::string keys = "arrows and";
  // Appended rather than " " + name, which GCC 12 warns about wrongly.
  for (const ActionKey& key_in_force : wasd) keys.append(" ").append(KeyName(key_in_force.key));
  return keys;
}

// One binding line. Escape always quits, whatever the file says: with the
// game full screen there may be no other way out.
Outcome ApplyBinding(std::string_view key, std::string_view value, Reading& reading,
                     std::string& message) {
  const Action action = *ActionNamed(key);
  std::vector<uint32_t> keys;
  std::string_view unknown;
  if (!ParseKeys(value, keys, unknown)) {
    message = BadValue(key, value);
    if (!unknown.empty()) message += " (no key '" + Shown(unknown) + "')";
    return Outcome::kRefused;
  }
  const bool escape = std::find(keys.begin(), keys.end(), kEscape) != keys.end();
  if (escape && action != Action::kQuit) {
    message = "Escape always quits, it cannot be bound to " + std::string(key);
    return Outcome::kRefused;
  }
  if (!escape && action == Action::kQuit) keys.push_back(kEscape);
  KeyBindings& bindings = reading.settings.bindings;
  Bind(bindings, action, keys);
  // Keys the player has named are no longer the `keys = wasd` preset's.
  for (size_t i = 0; i < std::size(kWasd); ++i) {
    if (std::find(keys.begin(), keys.end(), kWasd[i].key) != keys.end()) reading.wasd[i] = false;
  }
  if (escape || action != Action::kQuit) return Outcome::kUsed;
  message = "Escape always quits; quit = " + KeyNames(bindings, Action::kQuit);
  return Outcome::kUsedWithNote;
}

std::string BindingInForce(std::string_view key, const Reading& reading) {
  const std::string keys = KeyNames(reading.settings.bindings, *ActionNamed(key));
  return keys.empty() ? "no key" : keys;
}

// One setting: what the help says of it, how a `key = value` line sets it
// (a line refused changes nothing; `message` then says why, or what the
// line came to when used with a note), and what it is after the lines read
// so far, for the warnings.
struct Setting {
  SettingHelp about;
  Outcome (*apply)(std::string_view key, std::string_view value, Reading& reading,
                   std::string& message);
  std::string (*in_force)(std::string_view key, const Reading& reading);
};

constexpr std::string_view kKeyList = "key names";

// Every setting the file knows, in the order the help lists them. A
// default here is the value in force before any line, as the warnings show
// it; the tests hold the two, and the manual page, to each other.
constexpr Setting kSettings[] = {
    {{"start", "ask", "ask | window | fullscreen | desktop", "how to start"},
     [](std::string_view key, std::string_view value, Reading& reading, std::string& message) {
       return Parsed(ParseStart(value, reading.settings.start), key, value, message);
     },
     [](std::string_view, const Reading& reading) {
       return std::string(kStartNames[static_cast<size_t>(reading.settings.start)]);
     }},
    {{"keys", "arrows", "arrows | wasd", "wasd adds W A S D to the arrows"},
     ApplyKeys, KeysInForce},
    {{"mouse", "off", "off | on", "turning with the mouse"},
     [](std::string_view key, std::string_view value, Reading& reading, std::string& message) {
       return Parsed(ParseSwitch(value, reading.settings.mouse), key, value, message);
     },
     [](std::string_view, const Reading& reading) { return SwitchText(reading.settings.mouse); }},
    {{"mouse_sensitivity", "0.15", "0.01 to 3", "degrees of turn per pixel of motion"},
     [](std::string_view key, std::string_view value, Reading& reading, std::string& message) {
       return Parsed(ParseSensitivity(value, reading.settings.mouse_sensitivity), key, value,
                     message);
     },
     [](std::string_view, const Reading& reading) {
       return SensitivityText(reading.settings.mouse_sensitivity);
     }},
    {{"volume", "100", "0 to 100", "percent of the full loudness"},
     [](std::string_view key, std::string_view value, Reading& reading, std::string& message) {
       return Parsed(ParseVolume(value, reading.settings.volume), key, value, message);
     },
     [](std::string_view, const Reading& reading) {
       return std::to_string(reading.settings.volume);
     }},
    {{"hud", "off", "off | on", "the HUD shown from the start"},
     [](std::string_view key, std::string_view value, Reading& reading, std::string& message) {
       return Parsed(ParseSwitch(value, reading.settings.hud), key, value, message);
     },
     [](std::string_view, const Reading& reading) { return SwitchText(reading.settings.hud); }},
    {{"screenshot_format", "png", "png | bmp", "the screenshots' file format"},
     [](std::string_view key, std::string_view value, Reading& reading, std::string& message) {
       return Parsed(ParseFormat(value, reading.settings.screenshot_format), key, value, message);
     },
     [](std::string_view, const Reading& reading) {
       return std::string(kFormatNames[static_cast<size_t>(reading.settings.screenshot_format)]);
     }},
    {{"language", "pl", "pl | en", "of every text the game shows (pl: Polish, en: English)"},
     [](std::string_view key, std::string_view value, Reading& reading, std::string& message) {
       return Parsed(ParseLanguage(value, reading.settings.language), key, value, message);
     },
     [](std::string_view, const Reading& reading) {
       return std::string(kLanguageNames[static_cast<size_t>(reading.settings.language)]);
     }},
    // The actions, each bound to one or more keys that no other keeps.
    {{"walk", "Up", kKeyList, "walk forward"}, ApplyBinding, BindingInForce},
    {{"back", "Down", kKeyList, "walk backward"}, ApplyBinding, BindingInForce},
    {{"turn_left", "Left", kKeyList, "turn left"}, ApplyBinding, BindingInForce},
    {{"turn_right", "Right", kKeyList, "turn right"}, ApplyBinding, BindingInForce},
    {{"fire", "Space", kKeyList, "fire"}, ApplyBinding, BindingInForce},
    {{"quit", "Escape", kKeyList, "quit (Escape always does)"}, ApplyBinding, BindingInForce},
    {{"toggle_hud", "Tab", kKeyList, "show or hide the HUD"}, ApplyBinding, BindingInForce},
    {{"pause", "P Pause", kKeyList, "pause and go on"}, ApplyBinding, BindingInForce},
    {{"screenshot", "F12", kKeyList, "save the frame as a picture"}, ApplyBinding, BindingInForce},
    {{"help", "F1", kKeyList, "show the keys"}, ApplyBinding, BindingInForce},
};
// The eight above and the actions.
static_assert(std::size(kSettings) == 8 + kActionCount, "every action is a setting");

const Setting* SettingNamed(std::string_view name) {
  for (const Setting& setting : kSettings) {
    if (setting.about.name == name) return &setting;
  }
  return nullptr;
}

// The action each key serves, by virtual-key code; -1 for none.
std::array<int, 256> KeyOwners(const KeyBindings& bindings) {
  std::array<int, 256> owners;
  owners.fill(-1);
  for (int a = 0; a < kActionCount; ++a) {
    for (const uint32_t key : bindings.keys[a]) {
      if (key < owners.size()) owners[key] = a;
    }
  }
  return owners;
}

// The actions with no key in `bindings`.
std::array<bool, kActionCount> Keyless(const KeyBindings& bindings) {
  std::array<bool, kActionCount> keyless{};
  for (int a = 0; a < kActionCount; ++a) keyless[a] = bindings.keys[a].empty();
  return keyless;
}

// A UTF-16 text (after its byte-order mark) as UTF-8. A unit that is no
// character (an unpaired surrogate, an odd last byte) becomes the byte
// 0xFF, which UTF-8 never holds, so that its line can be refused.
constexpr char kBrokenUnit = '\xFF';

void AppendUtf8(uint32_t code, std::string& text) {
  if (code < 0x80) {
    text += static_cast<char>(code);
    return;
  }
  const int continuations = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
  // The lead byte: 110..., 1110... or 11110..., then the highest bits.
  text += static_cast<char>(((0xFF00u >> (continuations + 1)) & 0xFF) | (code >> (6 * continuations)));
  for (int i = continuations - 1; i >= 0; --i) {
    text += static_cast<char>(0x80 | ((code >> (6 * i)) & 0x3F));
  }
}

std::string Utf8FromUtf16(std::string_view bytes, bool big_endian) {
  const auto unit_at = [&](size_t at) {
    const auto first = static_cast<uint32_t>(static_cast<unsigned char>(bytes[at]));
    const auto second = static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1]));
    return big_endian ? (first << 8 | second) : (second << 8 | first);
  };
  std::string text;
  size_t at = 0;
  for (; at + 1 < bytes.size(); at += 2) {
    uint32_t code = unit_at(at);
    if (code >= 0xD800 && code <= 0xDBFF && at + 3 < bytes.size()) {
      const uint32_t low = unit_at(at + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        at += 2;
      }
    }
    if (code >= 0xD800 && code <= 0xDFFF) {
      text += kBrokenUnit;
    } else {
      AppendUtf8(code, text);
    }
  }
  if (at < bytes.size()) text += kBrokenUnit;
  return text;
}

}  // namespace

std::vector<SettingHelp> SettingsHelp() {
  std::vector<SettingHelp> help;
  for (const Setting& setting : kSettings) help.push_back(setting.about);
  return help;
}

std::string SettingsHelpText() {
  size_t width = 0;
  for (const Setting& setting : kSettings) {
    width = std::max(width, setting.about.name.size() + 3 + setting.about.default_text.size());
  }
  std::string text;
  for (const Setting& setting : kSettings) {
    const auto& [name, default_text, values, help] = setting.about;
    std::string line = "  " + std::string(name) + " = " + std::string(default_text);
    line.resize(width + 4, ' ');  // the values in one column
    text += line + std::string(values) + ": " + std::string(help) + "\n";
  }
  return text;
}

Settings ParseSettings(std::string_view text, const std::string& file,
                       std::vector<std::string>& warnings) {
  // Windows' Notepad starts its UTF-8 with a byte-order mark, and writes
  // "Unicode" as UTF-16 with one.
  std::string decoded;
  const bool utf16 = text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF");
  if (utf16) {
    decoded = Utf8FromUtf16(text.substr(2), text[0] == '\xFE');
    text = decoded;
  } else if (text.starts_with("\xEF\xBB\xBF")) {
    text.remove_prefix(3);
  }
  Reading reading;
  size_t number = 0, warned = 0;
  const auto warn = [&](const std::string& warning) {
    if (++warned <= kMaxWarnings) {
      warnings.push_back(file + ":" + std::to_string(number) + ": " + warning);
    }
  };
  while (!text.empty()) {
    // Lines end in "\n", "\r\n" or a lone "\r".
    const size_t end = std::min(text.find_first_of("\r\n"), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + (text.substr(end).starts_with("\r\n") ? 2 : 1), text.size()));
    ++number;
    if (utf16 && line.find(kBrokenUnit) != std::string_view::npos) {
      warn("not valid UTF-16; ignored");
      continue;
    }
    line = Trim(line.substr(0, line.find('#')));
    if (line.empty()) continue;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      warn("not a 'key = value' line: '" + Shown(line) + "'; ignored");
      continue;
    }
    const std::string_view key = Trim(line.substr(0, equals));
    const std::string_view value = Trim(line.substr(equals + 1));
    if (key.empty()) {
      warn("no setting before '='; ignored");
      continue;
    }
    const Setting* setting = SettingNamed(key);
    if (!setting) {
      warn("unknown setting '" + Shown(key) + "'; ignored");
      continue;
    }
    const std::array<bool, kActionCount> keyless = Keyless(reading.settings.bindings);
    const std::array<int, 256> owners = KeyOwners(reading.settings.bindings);
    std::string message;
    const Outcome outcome = setting->apply(key, value, reading, message);
    // A refused line changes nothing: the earlier lines' value stands.
    if (outcome == Outcome::kRefused) {
      warn(message + "; keeping " + setting->in_force(key, reading));
      continue;
    }
    if (outcome == Outcome::kUsedWithNote) warn(message);
    // A key serves one action: a line that gives it to another takes it
    // from the first, which the player should hear of.
    const std::array<int, 256> now_owners = KeyOwners(reading.settings.bindings);
    for (size_t k = 0; k < owners.size(); ++k) {
      if (owners[k] >= 0 && now_owners[k] >= 0 && owners[k] != now_owners[k]) {
        warn(KeyName(static_cast<uint32_t>(k)) + " now does " +
             std::string(ActionName(static_cast<Action>(now_owners[k]))) + ", no longer " +
             std::string(ActionName(static_cast<Action>(owners[k]))));
      }
    }
    const std::array<bool, kActionCount> now_keyless = Keyless(reading.settings.bindings);
    for (int a = 0; a < kActionCount; ++a) {
      if (now_keyless[a] && !keyless[a]) {
        warn(std::string(ActionName(static_cast<Action>(a))) + " is left without a key");
      }
    }
  }
  if (warned > kMaxWarnings) {
    warnings.push_back(file + ": " + std::to_string(warned - kMaxWarnings) +
                       " more lines that cannot be used; not listed");
  }
  return reading.settings;
}

bool LoadSettings(const std::string& path, bool must_exist, Settings& settings,
                  std::vector<std::string>& warnings, std::string& error) {
  // Opened without blocking and read only when a regular file, so that a
  // FIFO or a device named here cannot hold the game up before its window.
  std::string text, why;
  switch (ReadSmallTextFile(path, kMaxSettingsBytes, text, why)) {
    case TextRead::kRead:
      settings = ParseSettings(text, EscapeForMessage(path), warnings);
      return true;
    case TextRead::kMissing:
      if (!must_exist) return true;
      break;
    case TextRead::kFailed:
      break;
  }
  const std::string failure = "cannot read the settings '" + EscapeForMessage(path) + "': " + why;
  // An error where the file was asked for by name, else a warning.
  if (must_exist) {
    error = failure;
    return false;
  }
  warnings.push_back(failure + "; using the defaults");
  return true;
}

namespace {

// Each setting's value as a line of the file writes it; `keys` has none of
// its own (the actions' lines say it all).
std::vector<std::pair<std::string_view, std::string>> ValueLines(const Settings& settings) {
  Reading reading;
  reading.settings = settings;
  std::vector<std::pair<std::string_view, std::string>> lines;
  for (const Setting& setting : kSettings) {
    if (setting.about.name == "keys") continue;
    lines.emplace_back(setting.about.name, setting.in_force(setting.about.name, reading));
  }
  return lines;
}

// `text` with the line that sets `name` last made to set `value` (its
// comment kept), or the line added at the end.
std::string WithSetting(std::string_view text, std::string_view name, const std::string& value,
                        std::string_view eol) {
  size_t last = std::string_view::npos, last_end = 0;
  for (size_t at = 0; at < text.size();) {
    const size_t end = std::min(text.find('\n', at), text.size());
    const std::string_view line = text.substr(at, end - at);
    std::string_view body = line.substr(0, line.find('#'));
    if (body.ends_with('\r')) body.remove_suffix(1);
    const size_t equals = body.find('=');
    if (equals != std::string_view::npos && Trim(body.substr(0, equals)) == name) {
      last = at;
      last_end = at + body.size();
    }
    at = end + 1;
  }
  const std::string line = std::string(name) + " = " + value;
  if (last == std::string_view::npos) {
    std::string out(text);
    if (!out.empty() && out.back() != '\n') out += eol;
    return out.append(line).append(eol);
  }
  // A comment keeps its place after the value.
  const bool comment = last_end < text.size() && text[last_end] == '#';
  return std::string(text.substr(0, last)) + line + (comment ? " " : "") +
         std::string(text.substr(last_end));
}

}  // namespace

std::string UpdatedSettingsText(std::string_view text, const Settings& settings) {
  // Written back as UTF-8, whatever the file was in.
  std::string updated;
  if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF")) {
    updated = Utf8FromUtf16(text.substr(2), text[0] == '\xFE');
  } else {
    updated = std::string(text);
  }
  // Lines added end as the file's own do (Notepad's CRLF stays CRLF).
  const std::string_view eol = updated.find("\r\n") != std::string::npos ? "\r\n" : "\n";
  std::vector<std::string> ignored;
  const auto wanted = ValueLines(settings);
  const auto was = ValueLines(ParseSettings(updated, "", ignored));
  for (size_t i = 0; i < wanted.size(); ++i) {
    if (wanted[i].second != was[i].second) {
      updated = WithSetting(updated, wanted[i].first, wanted[i].second, eol);
    }
  }
  // A later line (`keys = wasd`, another action's keys) can undo a line
  // changed in place; every action's keys at the end are read last.
  if (ValueLines(ParseSettings(updated, "", ignored)) != wanted) {
    if (!updated.empty() && updated.back() != '\n') updated += eol;
    for (const auto& [name, value] : wanted) {
      if (ActionNamed(name)) updated.append(name).append(" = ").append(value).append(eol);
    }
  }
  return updated;
}

bool SaveSettings(const std::string& path, const Settings& settings, std::string& error) {
  std::string text, why;
  if (ReadSmallTextFile(path, kMaxSettingsBytes, text, why) == TextRead::kFailed) {
    error = "cannot read '" + EscapeForMessage(path) + "': " + why;
    return false;
  }
  return ReplaceFile(path, UpdatedSettingsText(text, settings), error);
}

}  // namespace vorbexia
