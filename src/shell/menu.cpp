#include "shell/menu.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "controls/key_codes.h"

namespace vorbexia {
namespace {

enum TopItem { kContinue, kOptions, kKeys, kHelp, kQuit, kTopCount };
enum OptionItem { kVolume, kMouse, kSensitivity, kHud, kStart, kLanguage, kScreenshots, kOptionCount };
constexpr int kStartModes = 4;
constexpr int kLanguages = 2;

constexpr int kVolumeStep = 10;              // percent
constexpr float kSensitivityStep = 0.05f;    // degrees per pixel

int ItemCount(MenuScreen screen) {
  switch (screen) {
    case MenuScreen::kTop: return kTopCount;
    case MenuScreen::kOptions: return kOptionCount;
    case MenuScreen::kKeys: return kActionCount;
    case MenuScreen::kPressKey: return 0;
  }
  return 0;
}

void Show(Menu& menu, MenuScreen screen, int item) {
  menu.screen = screen;
  menu.item = item;
}

const char* OnOff(const Texts& texts, bool on) { return on ? texts.on : texts.off; }

const char* ActionLabel(const Texts& texts, Action action) {
  return texts.actions[static_cast<size_t>(action)];
}

std::string KeysOf(const KeyBindings& bindings, Action action) {
  const std::string names = KeyNames(bindings, action);
  return names.empty() ? "-" : names;
}

// Left (-1) or right (+1) on an option; Return counts as right.
void ChangeOption(Menu& menu, Settings& settings, int step) {
  switch (menu.item) {
    case kVolume:
      settings.volume = std::clamp(settings.volume + step * kVolumeStep, 0, 100);
      break;
    case kMouse: settings.mouse = !settings.mouse; break;
    case kSensitivity: {
      // Kept on whole hundredths, as a line of the file would write it.
      const float next = settings.mouse_sensitivity + static_cast<float>(step) * kSensitivityStep;
      settings.mouse_sensitivity = std::clamp(std::round(next * 100.0f) / 100.0f,
                                              kMinMouseSensitivity, kMaxMouseSensitivity);
      break;
    }
    case kHud: settings.hud = !settings.hud; break;
    case kStart:
      settings.start =
          static_cast<StartMode>((static_cast<int>(settings.start) + step + kStartModes) % kStartModes);
      break;
    case kLanguage:
      settings.language =
          static_cast<Language>((static_cast<int>(settings.language) + step + kLanguages) % kLanguages);
      break;
    case kScreenshots:
      settings.screenshot_format = settings.screenshot_format == ScreenshotFormat::kPng
                                       ? ScreenshotFormat::kBmp
                                       : ScreenshotFormat::kPng;
      break;
    default: return;
  }
  menu.changed = true;
}

std::string OptionLine(const Settings& settings, int item) {
  const Texts& texts = TextsIn(settings.language);
  char text[96];
  switch (item) {
    case kVolume: std::snprintf(text, sizeof text, "%s: %d", texts.volume, settings.volume); break;
    case kMouse: std::snprintf(text, sizeof text, "%s: %s", texts.mouse, OnOff(texts, settings.mouse)); break;
    case kSensitivity:
      std::snprintf(text, sizeof text, "%s: %.2f", texts.sensitivity,
                    static_cast<double>(settings.mouse_sensitivity));
      break;
    case kHud: std::snprintf(text, sizeof text, "%s: %s", texts.hud, OnOff(texts, settings.hud)); break;
    case kStart:
      std::snprintf(text, sizeof text, "%s: %s", texts.start,
                    texts.start_modes[static_cast<size_t>(settings.start)]);
      break;
    case kLanguage:
      std::snprintf(text, sizeof text, "%s: %s", texts.language,
                    settings.language == Language::kEnglish ? "ENGLISH" : "POLSKI");
      break;
    default:
      std::snprintf(text, sizeof text, "%s: %s", texts.screenshots,
                    settings.screenshot_format == ScreenshotFormat::kPng ? "PNG" : "BMP");
      break;
  }
  return text;
}

MenuOutcome Choose(Menu& menu, Settings& settings) {
  switch (menu.screen) {
    case MenuScreen::kTop:
      switch (menu.item) {
        case kContinue: return MenuOutcome::kContinue;
        case kOptions: Show(menu, MenuScreen::kOptions, 0); return MenuOutcome::kNone;
        case kKeys: Show(menu, MenuScreen::kKeys, 0); return MenuOutcome::kNone;
        case kHelp: return MenuOutcome::kHelp;
        default: return MenuOutcome::kQuit;
      }
    case MenuScreen::kOptions: ChangeOption(menu, settings, 1); return MenuOutcome::kNone;
    case MenuScreen::kKeys:
      menu.binding = static_cast<Action>(menu.item);
      menu.screen = MenuScreen::kPressKey;
      return MenuOutcome::kNone;
    case MenuScreen::kPressKey: return MenuOutcome::kNone;
  }
  return MenuOutcome::kNone;
}

// Esc goes back a level; from the top it continues the game.
MenuOutcome Back(Menu& menu) {
  menu.note.clear();
  switch (menu.screen) {
    case MenuScreen::kTop: return MenuOutcome::kContinue;
    case MenuScreen::kOptions: Show(menu, MenuScreen::kTop, kOptions); break;
    case MenuScreen::kKeys: Show(menu, MenuScreen::kTop, kKeys); break;
    case MenuScreen::kPressKey: menu.screen = MenuScreen::kKeys; break;
  }
  return MenuOutcome::kNone;
}

}  // namespace

std::optional<MenuMove> MenuMoveOfAction(Action action) {
  switch (action) {
    case Action::kWalk: return MenuMove::kUp;
    case Action::kBack: return MenuMove::kDown;
    case Action::kTurnLeft: return MenuMove::kLeft;
    case Action::kTurnRight: return MenuMove::kRight;
    case Action::kFire: return MenuMove::kChoose;
    case Action::kQuit: return MenuMove::kBack;
    default: return std::nullopt;
  }
}

std::optional<MenuMove> MenuMoveOfKey(uint32_t key, const KeyBindings& bindings) {
  switch (key) {
    case kKeyUp: return MenuMove::kUp;
    case kKeyDown: return MenuMove::kDown;
    case kKeyLeft: return MenuMove::kLeft;
    case kKeyRight: return MenuMove::kRight;
    case kKeyReturn: return MenuMove::kChoose;
    case kKeyEscape: return MenuMove::kBack;
    default: break;
  }
  const std::optional<Action> action = ActionOfKey(bindings, key);
  return action ? MenuMoveOfAction(*action) : std::nullopt;
}

void OpenMenu(Menu& menu) {
  menu = Menu{};
  menu.open = true;
}

MenuOutcome MoveInMenu(Menu& menu, Settings& settings, MenuMove move) {
  const int count = ItemCount(menu.screen);
  switch (move) {
    case MenuMove::kUp:
      if (count > 0) menu.item = (menu.item + count - 1) % count;
      return MenuOutcome::kNone;
    case MenuMove::kDown:
      if (count > 0) menu.item = (menu.item + 1) % count;
      return MenuOutcome::kNone;
    case MenuMove::kLeft:
    case MenuMove::kRight:
      if (menu.screen == MenuScreen::kOptions) {
        ChangeOption(menu, settings, move == MenuMove::kLeft ? -1 : 1);
      }
      return MenuOutcome::kNone;
    case MenuMove::kChoose: return Choose(menu, settings);
    case MenuMove::kBack: return Back(menu);
  }
  return MenuOutcome::kNone;
}

void BindInMenu(Menu& menu, Settings& settings, uint32_t key) {
  menu.screen = MenuScreen::kKeys;
  if (key == kKeyEscape) return;
  const Texts& texts = TextsIn(settings.language);
  KeyBindings& bindings = settings.bindings;
  const std::optional<Action> owner = ActionOfKey(bindings, key);
  std::vector<uint32_t> keys = {key};
  // Esc always quits, whatever else does.
  if (menu.binding == Action::kQuit) keys.push_back(kKeyEscape);
  Bind(bindings, menu.binding, keys);
  menu.changed = true;
  menu.note = KeyName(key) + ": " + ActionLabel(texts, menu.binding);
  if (owner && *owner != menu.binding) {
    menu.note.append(", ").append(texts.not_now).append(" ").append(ActionLabel(texts, *owner));
    menu.note.append(" (").append(texts.keeps).append(": ").append(KeysOf(bindings, *owner));
    menu.note.append(")");
  }
}

bool PointAtLine(Menu& menu, int line) {
  if (line < 1 || line > ItemCount(menu.screen)) return false;
  menu.item = line - 1;
  return true;
}

std::vector<std::string> MenuLines(const Menu& menu, const Settings& settings) {
  const Texts& texts = TextsIn(settings.language);
  std::vector<std::string> lines;
  const auto item = [&](int index, const std::string& text) {
    lines.push_back((index == menu.item ? "> " : "  ") + text);
  };
  switch (menu.screen) {
    case MenuScreen::kTop:
      lines.push_back(texts.pause_title);
      for (int i = 0; i < kTopCount; ++i) item(i, texts.menu_items[static_cast<size_t>(i)]);
      break;
    case MenuScreen::kOptions:
      lines.push_back(texts.options_title);
      for (int i = 0; i < kOptionCount; ++i) item(i, OptionLine(settings, i));
      break;
    case MenuScreen::kKeys:
      lines.push_back(texts.keys_title);
      for (int a = 0; a < kActionCount; ++a) {
        const Action action = static_cast<Action>(a);
        item(a, std::string(ActionLabel(texts, action)) + ": " + KeysOf(settings.bindings, action));
      }
      break;
    case MenuScreen::kPressKey:
      lines.push_back(texts.keys_title);
      lines.push_back(std::string(texts.press_key) + ": " + ActionLabel(texts, menu.binding));
      lines.push_back(texts.escape_keeps);
      break;
  }
  if (!menu.note.empty()) lines.push_back(menu.note);
  return lines;
}

}  // namespace vorbexia
