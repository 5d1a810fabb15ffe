#include "shell/menu.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "controls/key_codes.h"

namespace vorbexia {
namespace {

constexpr const char* kTopItems[] = {"DALEJ", "OPCJE", "KLAWISZE", "POMOC", "WYJSCIE Z GRY"};
enum TopItem { kContinue, kOptions, kKeys, kHelp, kQuit };
enum OptionItem { kVolume, kMouse, kSensitivity, kHud, kStart, kOptionCount };

// The keys screen lists the actions as the help names them.
constexpr const char* kActionLabels[kActionCount] = {
    "NAPRZOD", "WSTECZ", "OBROT W LEWO", "OBROT W PRAWO", "STRZAL",
    "WYJSCIE", "HUD",    "PAUZA",        "ZRZUT EKRANU",  "POMOC"};
constexpr const char* kStartLabels[] = {"PYTANIE", "OKNO", "PELNY EKRAN", "PULPIT"};

constexpr int kVolumeStep = 10;              // percent
constexpr float kSensitivityStep = 0.05f;    // degrees per pixel

int ItemCount(MenuScreen screen) {
  switch (screen) {
    case MenuScreen::kTop: return static_cast<int>(std::size(kTopItems));
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

const char* OnOff(bool on) { return on ? "TAK" : "NIE"; }

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
    case kStart: {
      const int count = static_cast<int>(std::size(kStartLabels));
      settings.start = static_cast<StartMode>((static_cast<int>(settings.start) + step + count) % count);
      break;
    }
    default: return;
  }
  menu.changed = true;
}

std::string OptionLine(const Settings& settings, int item) {
  char text[64];
  switch (item) {
    case kVolume: std::snprintf(text, sizeof text, "GLOSNOSC: %d", settings.volume); break;
    case kMouse: std::snprintf(text, sizeof text, "MYSZ: %s", OnOff(settings.mouse)); break;
    case kSensitivity:
      std::snprintf(text, sizeof text, "CZULOSC MYSZY: %.2f",
                    static_cast<double>(settings.mouse_sensitivity));
      break;
    case kHud: std::snprintf(text, sizeof text, "HUD: %s", OnOff(settings.hud)); break;
    default:
      std::snprintf(text, sizeof text, "START: %s",
                    kStartLabels[static_cast<int>(settings.start)]);
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
  KeyBindings& bindings = settings.bindings;
  const std::optional<Action> owner = ActionOfKey(bindings, key);
  std::vector<uint32_t> keys = {key};
  // Esc always quits, whatever else does.
  if (menu.binding == Action::kQuit && key != kKeyEscape) keys.push_back(kKeyEscape);
  Bind(bindings, menu.binding, keys);
  menu.changed = true;
  menu.note = KeyName(key) + ": " + kActionLabels[static_cast<int>(menu.binding)];
  if (owner && *owner != menu.binding) {
    menu.note.append(", NIE ").append(kActionLabels[static_cast<int>(*owner)]);
    menu.note.append(" (ZOSTAJE: ").append(KeysOf(bindings, *owner)).append(")");
  }
}

std::vector<std::string> MenuLines(const Menu& menu, const Settings& settings) {
  std::vector<std::string> lines;
  const auto item = [&](int index, const std::string& text) {
    lines.push_back((index == menu.item ? "> " : "  ") + text);
  };
  switch (menu.screen) {
    case MenuScreen::kTop:
      lines.push_back("PAUZA");
      for (int i = 0; i < ItemCount(menu.screen); ++i) item(i, kTopItems[i]);
      break;
    case MenuScreen::kOptions:
      lines.push_back("OPCJE");
      for (int i = 0; i < kOptionCount; ++i) item(i, OptionLine(settings, i));
      break;
    case MenuScreen::kKeys:
      lines.push_back("KLAWISZE");
      for (int a = 0; a < kActionCount; ++a) {
        item(a, std::string(kActionLabels[a]) + ": " +
                    KeysOf(settings.bindings, static_cast<Action>(a)));
      }
      break;
    case MenuScreen::kPressKey:
      lines.push_back("KLAWISZE");
      lines.push_back(std::string("NACISNIJ KLAWISZ: ") +
                      kActionLabels[static_cast<int>(menu.binding)]);
      lines.push_back("ESC: BEZ ZMIANY");
      break;
  }
  if (!menu.note.empty()) lines.push_back(menu.note);
  return lines;
}

}  // namespace vorbexia
