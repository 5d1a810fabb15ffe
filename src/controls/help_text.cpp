#include "controls/help_text.h"

namespace vorbexia {
namespace {

std::string KeysOf(const KeyBindings& bindings, Action action) {
  const std::string names = KeyNames(bindings, action);
  return names.empty() ? "-" : names;
}

}  // namespace

std::vector<std::string> HelpLines(const Settings& settings) {
  const KeyBindings& keys = settings.bindings;
  std::vector<std::string> lines = {
      "KLAWISZE",
      "NAPRZOD: " + KeysOf(keys, Action::kWalk),
      "WSTECZ: " + KeysOf(keys, Action::kBack),
      "OBROT W LEWO: " + KeysOf(keys, Action::kTurnLeft),
      "OBROT W PRAWO: " + KeysOf(keys, Action::kTurnRight),
      "STRZAL: " + KeysOf(keys, Action::kFire),
      "HUD: " + KeysOf(keys, Action::kToggleHud),
      "PAUZA: " + KeysOf(keys, Action::kPause),
      "ZRZUT EKRANU: " + KeysOf(keys, Action::kScreenshot),
      "POMOC: " + KeysOf(keys, Action::kHelp),
      "PELNY EKRAN: ALT+ENTER",
      "WYJSCIE: " + KeysOf(keys, Action::kQuit),
  };
  if (settings.mouse) lines.push_back("MYSZ: OBROT");
  lines.push_back("DOWOLNY KLAWISZ: POWROT DO GRY");
  return lines;
}

}  // namespace vorbexia
