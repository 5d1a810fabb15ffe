// The player's settings file: plain `key = value` lines, `#` starts a
// comment. A line that cannot be used gets one warning naming its number
// and changes nothing: what the lines before it set stands; the game plays
// on. A UTF-8 byte-order mark is skipped, UTF-16 with one is read.
//
// The settings, their defaults, values and help are one table in
// settings.cpp; `vorbexia --help` prints it (SettingsHelpText) and the
// manual page's SETTINGS section is held to it by a test.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "controls/key_bindings.h"
#include "texts/texts.h"

namespace vorbexia {

enum class StartMode {
  kAsk,         // the mode question
  kWindow,      // the 800 x 600 window
  kFullscreen,  // the 800 x 600 display mode
  kDesktop,     // full screen at the display's own resolution
};

// The screenshots' file format.
enum class ScreenshotFormat {
  kPng,  // PNG: lossless and a fraction of the bitmap's size
  kBmp,  // the 24-bit Windows bitmap of the game's first versions
};

constexpr float kDefaultMouseSensitivity = 0.15f;  // degrees per pixel
constexpr float kMinMouseSensitivity = 0.01f;
constexpr float kMaxMouseSensitivity = 3.0f;

struct Settings {
  StartMode start = StartMode::kAsk;
  KeyBindings bindings = DefaultBindings();
  bool mouse = false;  // turning by mouse motion
  float mouse_sensitivity = kDefaultMouseSensitivity;
  int volume = 100;  // percent
  bool hud = false;  // the HUD shown from the start
  // PNG, no longer BMP, by default: a fraction of the size, and every viewer
  // and browser shows it; `screenshot_format = bmp` keeps the old files.
  ScreenshotFormat screenshot_format = ScreenshotFormat::kPng;
  Language language = Language::kPolish;  // of every text the game shows
};

// One setting as the help shows it.
struct SettingHelp {
  std::string_view name;          // "volume"
  std::string_view default_text;  // "100": the default as a line would set it
  std::string_view values;        // "0 to 100": what the setting takes
  std::string_view help;          // "percent of the full loudness"
};

// Every setting the file knows, in the order the help lists them.
std::vector<SettingHelp> SettingsHelp();
// The settings for `vorbexia --help`, a line each:
// "  volume = 100      0 to 100: percent of the full loudness".
std::string SettingsHelpText();

// Reads the settings from `text`; `file` names it in the warnings, one line
// each ("FILE:LINE: ..."), at most 20 and a count of the rest.
Settings ParseSettings(std::string_view text, const std::string& file,
                       std::vector<std::string>& warnings);

// Reads the settings file at `path`, a regular file of at most 64 KiB (a
// FIFO or a device is refused at once, never waited on). A file that does
// not exist gives the defaults quietly unless `must_exist`; one that cannot
// be read gives the defaults and a warning, or false with `error` when it
// must exist.
bool LoadSettings(const std::string& path, bool must_exist, Settings& settings,
                  std::vector<std::string>& warnings, std::string& error);

// `text`, a settings file's, changed to give `settings`: a line whose value
// changed is rewritten where it stands (its comment kept), a setting with
// no line gets one at the end; comments and lines the game does not know
// stay as they are.
std::string UpdatedSettingsText(std::string_view text, const Settings& settings);

// Writes `settings` into the settings file at `path` (made, with its folder,
// where there is none): the new text goes beside it and is renamed over
// it. False with `error` when it cannot be written; the old file is then
// as it was.
bool SaveSettings(const std::string& path, const Settings& settings, std::string& error);

}  // namespace vorbexia
