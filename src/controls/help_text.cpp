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
  const Texts& texts = TextsIn(settings.language);
  std::vector<std::string> lines = {texts.keys_title};
  // The help's order, the world's actions first.
  constexpr Action kOrder[] = {Action::kWalk,   Action::kBack,      Action::kTurnLeft,
                               Action::kTurnRight, Action::kFire,   Action::kToggleHud,
                               Action::kPause,  Action::kScreenshot, Action::kHelp};
  for (const Action action : kOrder) {
    lines.push_back(std::string(texts.actions[static_cast<size_t>(action)]) + ": " +
                    KeysOf(keys, action));
  }
  lines.push_back(std::string(texts.full_screen) + ": ALT+ENTER");
  lines.push_back(std::string(texts.actions[static_cast<size_t>(Action::kQuit)]) + ": " +
                  KeysOf(keys, Action::kQuit));
  if (settings.mouse) lines.push_back(texts.mouse_turns);
  lines.push_back(texts.any_key);
  return lines;
}

}  // namespace vorbexia
