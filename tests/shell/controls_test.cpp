// The player's controls as the player meets them: key and mouse events go
// into the real loop on the scripted platform, and what comes out is what
// the game showed, swap by swap (the frame's recorded keys, or the pause or
// help over the picture), the screenshots and the mouse's capture.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "controls/key_bindings.h"
#include "controls/settings.h"
#include "image/temp_directory.h"
#include "shell/game_main.h"
#include "support/scripted_platform.h"

namespace vorbexia {
namespace {

using Batch = std::vector<Event>;  // the events that arrive between two swaps

uint32_t Named(const char* name) { return KeyNamed(name).value(); }
Event Down(const char* key) { return Event{.code = EventCode::kKeyDown, .key = Named(key)}; }
Event Up(const char* key) { return Event{.code = EventCode::kKeyUp, .key = Named(key)}; }
Batch Tap(const char* key) { return {Down(key), Up(key)}; }
// The first pad's walk: an action, held by the pad's own source.
Event PadDown() { return Event{.code = EventCode::kActionDown, .action = Action::kWalk, .source = 1}; }
Event PadUp() { return Event{.code = EventCode::kActionUp, .action = Action::kWalk, .source = 1}; }
Event Mouse(int dx) { return Event{.code = EventCode::kMouseMove, .dx = dx}; }

// A renderer whose frames can be read back, so that screenshots are taken.
struct PictureRenderer final : ScriptedRenderer {
  explicit PictureRenderer(ScriptedPlatform& platform)
      : ScriptedRenderer(platform), platform(platform) {}
  ScriptedPlatform& platform;
  bool ReadFrame(RgbImage& image) override {
    platform.log.push_back("ReadFrame");
    image = {1, 1, PixelBytes(3)};
    return true;
  }
};

// One game on the scripted platform, recorded as a demo.
class ScriptedGame {
 public:
  ScriptedPlatform platform;
  PictureRenderer renderer{platform};
  GameState state;
  std::ostringstream demo;
  DemoRecorder recorder{demo, 1};

  ScriptedGame() {
    session.fullscreen = false;
    session.recorder = &recorder;
  }

  // Plays the batches, the first before the first frame and each next one
  // after a swap, then closes the window; returns what was seen.
  std::string Play(const std::vector<Batch>& batches) {
    const auto arrive = [this, batches](size_t at) {
      if (at < batches.size()) {
        platform.events.insert(platform.events.end(), batches[at].begin(), batches[at].end());
      } else if (at == batches.size()) {
        platform.Push(EventCode::kClose);
      }
    };
    arrive(0);
    platform.on_swap = [arrive](int swap) { arrive(static_cast<size_t>(swap)); };
    GameMain(state, platform, renderer, session);
    return Seen();
  }

  GameSession session;

 private:
  // A token a swap: the frame's recorded keys ("." for none) or the first
  // overlay line in brackets, "+shot" when a screenshot was taken of it;
  // "capture" and "release" where the mouse was captured or let go. Runs of
  // a token are written once with their count, "Rx30".
  std::string Seen() const {
    std::istringstream frames(demo.str());
    std::string line;
    std::getline(frames, line);  // the header's two lines
    std::getline(frames, line);
    std::vector<std::string> tokens;
    std::string overlay;
    bool shot = false;
    for (const std::string& entry : platform.log) {
      if (entry.starts_with("Overlay ")) overlay = entry.substr(8);
      if (entry == "ReadFrame") shot = true;
      if (entry == "CaptureMouse on") tokens.push_back("capture");
      if (entry == "CaptureMouse off") tokens.push_back("release");
      if (entry != "SwapBuffers") continue;
      if (overlay.empty()) {
        std::getline(frames, line);
        tokens.push_back(line.empty() ? "." : line);
      } else {
        tokens.push_back("[" + overlay + "]");
      }
      if (shot) tokens.back() += "+shot";
      overlay.clear();
      shot = false;
    }
    std::string seen;
    for (size_t i = 0; i < tokens.size();) {
      size_t run = 1;
      while (i + run < tokens.size() && tokens[i + run] == tokens[i]) ++run;
      if (!seen.empty()) seen += ' ';
      seen += tokens[i];
      if (run > 1) seen.append("x").append(std::to_string(run));  // GCC 12 warns wrongly on "x" + text
      i += run;
    }
    return seen;
  }
};

// What a fresh game shows for the batches, with a mouse that turns or not.
std::string Played(const std::vector<Batch>& batches, bool mouse = false) {
  ScriptedGame game;
  game.session.settings.mouse = mouse;
  return game.Play(batches);
}

TEST(Controls, WasdWalksAndTurnsBesideTheArrows) {
  ScriptedGame game;
  std::vector<std::string> warnings;
  game.session.settings = ParseSettings("keys = wasd\n", "v.conf", warnings);
  EXPECT_EQ(game.Play({{Down("W")}, {Up("W"), Down("A")}, {Up("A"), Down("S")},
                       {Up("S"), Down("D")}, {Up("D"), Down("Left")}, {Up("Left")}}),
            "U L D R L .");
}

TEST(Controls, ThePauseKeyPausesAndResumesAsPDoes) {
  for (const char* key : {"Pause", "P"}) {
    EXPECT_EQ(Played({Tap(key), {}, Tap(key), {}}), "[PAUZA]x2 .x2") << key;
  }
}

TEST(Controls, AHeldScreenshotKeyTakesOnePictureAPress) {
  test::TempDirectory pictures;
  ScriptedGame game;
  game.session.pictures = pictures.path();
  EXPECT_EQ(game.Play({{Down("F12")}, {Down("F12")}, {Down("F12")}, {Up("F12"), Down("F12")},
                       {Up("F12")}}),
            ".+shot .x2 .+shot .");
}

TEST(Controls, AHeldPauseKeyPausesOnceAndTheNextPressResumes) {
  EXPECT_EQ(Played({{Down("P")}, {Down("P")}, {Down("P")}, {Up("P")}, {Down("P")}, {Up("P")}}),
            "[PAUZA]x4 .x2");
}

TEST(Controls, AWalkHeldByPadAndKeyboardLastsUntilBothLetGo) {
  EXPECT_EQ(Played({{Down("Up")}, {PadDown()}, {PadUp()}, {Up("Up")}}), "Ux3 .");
  EXPECT_EQ(Played({{PadDown()}, {Down("Up")}, {Up("Up")}, {PadUp()}}), "Ux3 .");
}

TEST(Controls, AMouseFlickTurnsAtMostAQuarterAndKeepsTheRestOfAStep) {
  // 2 x 60 degrees owed: 30 steps of 3, the rest dropped.
  std::vector<Batch> flick = {{Mouse(400), Mouse(400)}};
  flick.resize(32);
  EXPECT_EQ(Played(flick, true), "capture Rx30 .x2 release");
  // 4.5 degrees: a step and 1.5 kept, which 1.8 more makes a step again.
  EXPECT_EQ(Played({{Mouse(-30)}, {}, {Mouse(-12)}, {}}, true), "capture L . L . release");
}

TEST(Controls, AWalkLetGoWhilePausedHasStoppedWhenTheGameResumes) {
  EXPECT_EQ(Played({{Down("Up")}, Tap("P"), {Up("Up")}, Tap("P"), {}}), "U [PAUZA]x2 .x2");
  // Held through the menu, it walks on after it.
  EXPECT_EQ(Played({{Down("Up")}, Tap("P"), Tap("P"), {}}), "U [PAUZA] Ux2");
}

TEST(Controls, F1ShowsTheHelpAndAgainResumesTheGame) {
  EXPECT_EQ(Played({Tap("F1"), {}, Tap("F1"), {}}), "[KLAWISZE]x2 .x2");
  // Over the pause too; the second F1 resumes the game, not the pause.
  EXPECT_EQ(Played({Tap("P"), Tap("F1"), Tap("F1"), {}}), "[PAUZA] [KLAWISZE] .x2");
}

TEST(Controls, ATapBetweenFramesActsOnceAndAFocusLostLetsGoOfEverythingHeld) {
  EXPECT_EQ(Played({Tap("Space"), {}, {Down("Space")}, {}}), "S . S .");
  EXPECT_EQ(Played({{Down("Up")}, Tap("Escape"), {}}), "U");  // the Esc frame is not shown
  const Event lost{.code = EventCode::kActivate};
  EXPECT_EQ(Played({{Down("Up"), PadDown()}, {lost}, {PadUp()}, {PadDown()}, {}}), "U .x2 Ux2");
}

// The menu: the keys screen binds a new key at once; Esc goes back a level
// and from the top continues, and only the menu's own item quits.
TEST(Controls, TheMenuRebindsAKeyAndEscNeverQuitsInIt) {
  ScriptedGame game;
  int saves = 0;
  game.session.save_settings = [&](const Settings& settings, std::string&) {
    EXPECT_EQ(KeyNames(settings.bindings, Action::kWalk), "X");
    EXPECT_EQ(KeyNames(settings.bindings, Action::kFire), "Space");
    return ++saves == 1;
  };
  // Return held on "walk" repeats: not the new key; X is, and fire keeps Space.
  EXPECT_EQ(game.Play({Tap("P"), Tap("Down"), Tap("Down"), Tap("Enter"),
                       {Down("Enter"), Down("Enter"), Up("Enter")}, Tap("X"), Tap("Escape"),
                       Tap("Escape"), {Down("X")}, {Up("X"), Down("Up")}, Tap("P"), Tap("Up"),
                       Tap("Enter"), {}}),
            "[PAUZA]x3 [KLAWISZE]x3 [PAUZA] . U . [PAUZA]x2");
  EXPECT_EQ(saves, 1);
  EXPECT_TRUE(game.platform.boxes.empty());
  // A save that fails is told in the game's box.
  ScriptedGame unsaved;
  unsaved.session.save_settings = [](const Settings&, std::string& error) {
    error = "disk full";
    return false;
  };
  unsaved.Play({Tap("P"), Tap("Down"), Tap("Down"), Tap("Enter"), Tap("Enter"), Tap("Y"),
                Tap("Escape"), Tap("Escape")});
  ASSERT_EQ(unsaved.platform.boxes.size(), 1u);
  EXPECT_EQ(unsaved.platform.boxes[0].text, "Nie mozna zapisac ustawien.\ndisk full");
}

TEST(Controls, TheOptionsChangeTheGameAtOnce) {
  ScriptedGame game;
  game.session.save_settings = [](const Settings& settings, std::string&) {
    EXPECT_EQ(settings.volume, 90);
    EXPECT_TRUE(settings.hud);
    return true;
  };
  game.Play({Tap("P"), Tap("Down"), Tap("Enter"), Tap("Right"), Tap("Left"), Tap("Down"),
             Tap("Down"), Tap("Down"), Tap("Enter"), Tap("Escape"), Tap("Escape"), {}});
  EXPECT_EQ(game.session.settings.volume, 90);
  EXPECT_TRUE(game.session.hud);  // shown now, not only at the next start
}

TEST(Controls, InEnglishTheBoxesTheMenuAndTheHelpSpeakEnglish) {
  ScriptedGame game;
  game.session.settings.language = Language::kEnglish;
  game.session.fullscreen.reset();
  EXPECT_EQ(game.Play({Tap("P"), Tap("F1"), Tap("F1")}), "[PAUSED] [KEYS] .");
  ASSERT_FALSE(game.platform.boxes.empty());
  EXPECT_EQ(game.platform.boxes[0].text, "Press YES for FULLSCREEN, NO for WINDOW-MODE");
  EXPECT_EQ(game.platform.boxes[0].yes + game.platform.boxes[0].no, "YesNo");
}

// The pointer in the menu: over an item it selects it, a left click
// chooses, a right click goes back; the title is no item.
TEST(Controls, ThePointerSelectsAndClicksInTheMenu) {
  // Over line `line` of the top screen's six (800 x 600: 3-pixel cells,
  // lines 30 pixels apart, the first one's top 214 pixels from the top).
  const auto at = [](int line, PointerButton button) {
    return Batch{{.code = EventCode::kPointer, .x = 400, .y = 224 + 30 * line, .button = button}};
  };
  EXPECT_EQ(Played({Tap("P"), at(2, PointerButton::kNone), Tap("Enter"),
                    at(0, PointerButton::kRight), at(0, PointerButton::kLeft),
                    at(1, PointerButton::kLeft), {}}),
            "[PAUZA]x2 [OPCJE] [PAUZA]x2 .x2");
  // A click on KLAWISZE, then a motion where the pointer already is (as
  // the window system may send one): the keys screen keeps its first line.
  ScriptedGame game;
  int saves = 0;
  game.session.save_settings = [&](const Settings& settings, std::string&) {
    EXPECT_EQ(KeyNames(settings.bindings, Action::kWalk), "X");
    return ++saves == 1;
  };
  game.Play({Tap("P"), at(3, PointerButton::kLeft), at(3, PointerButton::kNone), Tap("Enter"),
             Tap("X"), Tap("Escape"), Tap("Escape")});
  EXPECT_EQ(saves, 1);
}

TEST(Controls, TheMouseIsLetGoWhilePausedAndTurnsNothingThen) {
  EXPECT_EQ(Played({Tap("P"), {Mouse(100)}, Tap("F1"), Tap("F1"), {}}, true),
            "capture release [PAUZA]x2 [KLAWISZE] capture .x2 release");
}

}  // namespace
}  // namespace vorbexia
