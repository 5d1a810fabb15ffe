// Every text the game shows the player: its boxes, the menu, the help. In
// Polish, the game's own words exactly as they always were, or in English,
// as the `language` setting chooses. The bitmap reader's boxes have English
// words of their own in either.
#pragma once

#include <array>

namespace vorbexia {

enum class Language { kPolish, kEnglish };

constexpr int kActionLabels = 10;  // one for each of the player's actions

struct Texts {
  // Building the window: the step that failed, in the order taken.
  const char* open_display;
  const char* create_window;
  const char* get_drawable;
  const char* choose_pixel_format;
  const char* set_pixel_format;
  const char* create_context;
  const char* make_current;
  // Tearing it down: the release that failed.
  const char* release_current;
  const char* delete_context;
  const char* release_drawable;
  const char* destroy_window;
  const char* close_display;
  const char* init_gl_failed;
  const char* no_fullscreen_question;  // the display refused the mode: a window?
  const char* program_ends;
  const char* mode_question;
  const char* mode_caption;
  const char* victory;
  const char* screenshot_failed;  // the reason follows on the next line
  const char* settings_not_saved;  // the reason follows on the next line
  const char* yes;                // a question's buttons
  const char* no;
  // The menu.
  const char* pause_title;
  std::array<const char*, 5> menu_items;  // continue, options, keys, help, quit
  const char* options_title;
  const char* volume;
  const char* mouse;
  const char* sensitivity;
  const char* hud;
  const char* start;
  const char* language;
  const char* screenshots;  // the screenshots' file format
  std::array<const char*, 4> start_modes;  // ask, window, full screen, desktop
  const char* on;
  const char* off;
  const char* keys_title;  // the keys screen and the help
  const char* press_key;
  const char* escape_keeps;
  const char* not_now;  // "X: fire, not walk"
  const char* keeps;
  // The actions as the keys screen and the help name them, in Action's order.
  std::array<const char*, kActionLabels> actions;
  // The help's last lines.
  const char* full_screen;
  const char* mouse_turns;
  const char* any_key;
  // The HUD's label of the robots left, and the note naming a screenshot
  // ("ZAPISANO: vorbexia-....png").
  const char* robots_left;
  const char* screenshot_saved;
};

const Texts& TextsIn(Language language);

}  // namespace vorbexia
