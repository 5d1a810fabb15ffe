// The player's comforts: the settings file, key bindings, mouse turning,
// pause, help and desktop full screen, on the scripted platform.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

#include "controls/input_state.h"
#include "controls/key_bindings.h"
#include "controls/key_codes.h"
#include "controls/settings.h"
#include "image/temp_directory.h"
#include "shell/command_line.h"
#include "shell/game_main.h"
#include "support/scripted_platform.h"

namespace vorbexia {
namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

// The warnings a settings text gets; `settings` is what it comes to.
Lines Warned(std::string_view text, Settings& settings) {
  Lines warnings;
  settings = ParseSettings(text, "v.conf", warnings);
  return warnings;
}

std::string Keys(const Settings& settings, Action action) {
  return KeyNames(settings.bindings, action);
}

TEST(SettingsFile, JunkLinesWarnWithTheirNumbersAndKeepWhatStands) {
  Settings settings;
  EXPECT_EQ(Warned("# mine\n\nstart = window\nvolume = 40\nvolume = 140\nkeys = wasd\n"
                   "colour = red\njust words\nmouse_sensitivity = 0,5  # comment\n"
                   "fire = Ctrl F13\nhelp = h\nfire = P\npause = Bogus\n",
                   settings),
            (Lines{"v.conf:5: bad value '140' for volume; keeping 40",
                   "v.conf:7: unknown setting 'colour'; ignored",
                   "v.conf:8: not a 'key = value' line: 'just words'; ignored",
                   "v.conf:9: bad value '0,5' for mouse_sensitivity; keeping 0.15",
                   "v.conf:10: bad value 'Ctrl F13' for fire (no key 'F13'); keeping Space",
                   "v.conf:12: P now does fire, no longer pause",
                   "v.conf:13: bad value 'Bogus' for pause (no key 'Bogus'); keeping Pause"}));
  EXPECT_EQ(settings.start, StartMode::kWindow);
  EXPECT_EQ(settings.volume, 40);  // line 4's, not the default
  EXPECT_EQ(Keys(settings, Action::kWalk), "Up W");
  EXPECT_EQ(Keys(settings, Action::kFire), "P");  // not Space again
  EXPECT_EQ(Keys(settings, Action::kHelp), "H");
}

TEST(SettingsFile, ScreenshotsArePngUnlessTheFileSaysBmp) {
  Settings settings;
  EXPECT_EQ(Warned("screenshot_format = gif\n", settings),
            Lines{"v.conf:1: bad value 'gif' for screenshot_format; keeping png"});
  EXPECT_EQ(settings.screenshot_format, ScreenshotFormat::kPng);
  EXPECT_EQ(Warned("screenshot_format = bmp\nscreenshot_format = PNG\n", settings),
            Lines{"v.conf:2: bad value 'PNG' for screenshot_format; keeping bmp"});
  EXPECT_EQ(settings.screenshot_format, ScreenshotFormat::kBmp);
}

TEST(SettingsFile, AKeyServesOneActionAndNamesAreExact) {
  Settings settings;
  EXPECT_EQ(Warned("keys = wasd\nfire = d F10 D\nhelp = F10 d\n", settings),
            (Lines{"v.conf:2: D now does fire, no longer turn_right",
                   "v.conf:3: D now does help, no longer fire",
                   "v.conf:3: F10 now does help, no longer fire",
                   "v.conf:3: fire is left without a key"}));
  EXPECT_EQ(Keys(settings, Action::kHelp), "F10 D");
  EXPECT_EQ(Keys(settings, Action::kTurnRight), "Right");
  EXPECT_EQ(KeyNamed("f12"), 123u);
  EXPECT_EQ(KeyNamed("F0"), std::nullopt);
  EXPECT_EQ(KeyNamed("F01"), std::nullopt);
  EXPECT_EQ(KeyNamed("escape"), 27u);
}

TEST(SettingsFile, EscapeAlwaysQuits) {
  Settings settings;
  EXPECT_EQ(Warned("fire = Escape\npause = P Escape\nquit = Q\nquit = Escape F10\n", settings),
            (Lines{"v.conf:1: Escape always quits, it cannot be bound to fire; keeping Space",
                   "v.conf:2: Escape always quits, it cannot be bound to pause; keeping P Pause",
                   "v.conf:3: Escape always quits; quit = Q Escape"}));
  EXPECT_EQ(Keys(settings, Action::kQuit), "Escape F10");
}

TEST(SettingsFile, ArrowsTakeAwayOnlyTheKeysWasdGave) {
  Settings settings;
  EXPECT_EQ(Warned("keys = wasd\nfire = W\nkeys = arrows\n", settings),
            Lines{"v.conf:2: W now does fire, no longer walk"});
  EXPECT_EQ(Keys(settings, Action::kFire), "W");
  EXPECT_EQ(Keys(settings, Action::kTurnLeft), "Left");
  EXPECT_EQ(Warned("keys = wasd\nkeys = qwerty\n", settings),
            Lines{"v.conf:2: bad value 'qwerty' for keys; keeping wasd"});
  EXPECT_EQ(Keys(settings, Action::kBack), "Down S");
}

TEST(SettingsFile, NotepadsByteOrderMarksAndUtf16AreRead) {
  Settings settings;
  EXPECT_EQ(Warned("\xEF\xBB\xBFstart = desktop\r\n", settings), Lines{});
  EXPECT_EQ(settings.start, StartMode::kDesktop);
  const std::u16string text = u"\uFEFF# gra \U0001F3AE\r\nvolume = 3\xD800\r\nhud = on";
  for (const bool big_endian : {false, true}) {
    std::string bytes;
    for (const char16_t unit : text) {
      const char low = char(unit), high = char(unit >> 8);
      bytes += big_endian ? std::string{high, low} : std::string{low, high};
    }
    EXPECT_EQ(Warned(bytes, settings), Lines{"v.conf:2: not valid UTF-16; ignored"});
    EXPECT_EQ(settings.volume, 100);
    EXPECT_TRUE(settings.hud);
  }
}

TEST(SettingsFile, OddLinesGetOneClearWarningEach) {
  Settings settings;
  const std::string long_value(60000, 'x');
  EXPECT_EQ(Warned("=\nfire =\nst\0art = window\rvolume = "s + long_value + "\n", settings),
            (Lines{"v.conf:1: no setting before '='; ignored",
                   "v.conf:2: no value for fire; keeping Space",
                   "v.conf:3: unknown setting 'st\\x00art'; ignored",
                   "v.conf:4: bad value '" + long_value.substr(0, 60) +
                       "...' for volume; keeping 100"}));
  std::string many;
  for (int i = 0; i < 5000; ++i) many += "junk\n";
  const Lines warnings = Warned(many, settings);
  ASSERT_EQ(warnings.size(), 21u);
  EXPECT_EQ(warnings.back(), "v.conf: 4980 more lines that cannot be used; not listed");
}

TEST(SettingsFile, ANamedFileMustBeReadableTheUsualOneMayBeMissing) {
  Settings settings;
  std::vector<std::string> warnings;
  std::string error;
  EXPECT_TRUE(LoadSettings("/nonexistent/v.conf", false, settings, warnings, error));
  EXPECT_TRUE(warnings.empty());
  EXPECT_FALSE(LoadSettings("/nonexistent/v.conf", true, settings, warnings, error));
  EXPECT_EQ(error, "cannot read the settings '/nonexistent/v.conf': No such file or directory");
  EXPECT_FALSE(LoadSettings("/", true, settings, warnings, error));
  EXPECT_EQ(error, "cannot read the settings '/': Is a directory");
}

TEST(SettingsFile, TheHelpNamesTheFileOrHowToGiveOne) {
  EXPECT_NE(UsageText("/h/v.conf").find("are set in /h/v.conf\n"), std::string::npos);
  EXPECT_NE(UsageText("").find("are set in a file given with --config FILE\n(without a home"),
            std::string::npos);
}

// Every action's keys, as the help would name them.
std::string AllKeys(const Settings& settings) {
  std::string all;
  for (int a = 0; a < kActionCount; ++a) all += Keys(settings, static_cast<Action>(a)) + ";";
  return all;
}

TEST(SettingsFile, TheMenusChangesAreWrittenInPlaceAndReadBackTheSame) {
  Settings settings;
  const std::string text = "# mine\r\nvolume = 40  # quiet\r\nwalk = Up\r\nkeys = wasd\r\ncolour = red";
  Warned(text, settings);
  settings.volume = 70;
  settings.hud = true;
  Bind(settings.bindings, Action::kWalk, {'X'});
  const std::string updated = UpdatedSettingsText(text, settings);
  // The walk line changed in place would be undone by `keys = wasd` after
  // it: the actions' keys follow at the end. Every line added ends in CRLF
  // like the file's own.
  EXPECT_TRUE(updated.starts_with("# mine\r\nvolume = 70 # quiet\r\nwalk = X\r\nkeys = wasd\r\n"
                                  "colour = red\r\nhud = on\r\n"))
      << updated;
  size_t bare = 0;  // line ends without their CR
  for (size_t i = 0; i < updated.size(); ++i) bare += updated[i] == '\n' && (i == 0 || updated[i - 1] != '\r');
  EXPECT_EQ(bare, 0u) << updated;
  Settings read;
  Lines warnings = Warned(updated, read);
  EXPECT_EQ(read.volume, 70);
  EXPECT_TRUE(read.hud);
  EXPECT_EQ(AllKeys(read), AllKeys(settings));
}

TEST(SettingsFile, SavingWritesBesideAndLeavesTheFileWholeWhenItCannot) {
  test::TempDirectory folder;
  const std::string path = folder.path() + "/sub/v.conf";
  Settings settings;
  settings.volume = 30;
  std::string error;
  ASSERT_TRUE(SaveSettings(path, settings, error)) << error;
  const auto contents = [&] {
    std::ifstream in(path);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
  };
  EXPECT_EQ(contents(), "volume = 30\n");
  std::ofstream(path + ".part") << "someone's";
  settings.volume = 20;
  EXPECT_FALSE(SaveSettings(path, settings, error));
  EXPECT_NE(error.find("v.conf.part"), std::string::npos) << error;
  EXPECT_EQ(contents(), "volume = 30\n");
}

Event Key(EventCode code, uint32_t key) { return Event{.code = code, .key = key}; }
Event Down(uint32_t key) { return Key(EventCode::kKeyDown, key); }
Event Up(uint32_t key) { return Key(EventCode::kKeyUp, key); }
Event PadDown(int source, Action action = Action::kWalk) {
  return Event{.code = EventCode::kActionDown, .action = action, .source = source};
}
Event PadUp(int source, Action action = Action::kWalk) {
  return Event{.code = EventCode::kActionUp, .action = action, .source = source};
}

// Whether walking is held after each event, as "1" or "0".
std::string Walks(InputState& input, const KeyBindings& bindings, std::vector<Event> events) {
  std::string out;
  for (const Event& event : events) {
    PostInput(input, bindings, event);
    out += Held(input, bindings, Action::kWalk) ? '1' : '0';
  }
  return out;
}

TEST(InputState, AnActionIsLetGoWithTheLastKeyOrPadHoldingIt) {
  KeyBindings bindings = DefaultBindings();
  AddWasd(bindings);
  InputState input;
  EXPECT_EQ(Walks(input, bindings,
                  {Down('W'), Down(kKeyUp), Up('W'), PadDown(1), PadDown(2), Up(kKeyUp),
                   PadUp(1), PadUp(2), Down('Q'), Up('Q'), Down(256), Down(0xFFFFFFFFu),
                   PadDown(0), PadDown(kMaxSource + 1)}),
            "11111110000000");
}

TEST(InputState, LosingTheFocusLetsGoOfAllButATapAndAPadMustPressAnew) {
  const KeyBindings bindings = DefaultBindings();
  InputState input;
  for (const Event& event : {Down(kKeyUp), PadDown(1, Action::kTurnLeft), Down(kKeySpace),
                             Event{.code = EventCode::kActivate}}) {
    PostInput(input, bindings, event);
  }
  FrameCommand command = TakeFrameCommand(input, bindings, true);
  EXPECT_EQ(command.keys, (FrameKeys{.fire = true}));
  // The pad still holds its stick: nothing until it lets go and presses again.
  PostInput(input, bindings, PadUp(1, Action::kTurnLeft));
  PostInput(input, bindings, PadDown(1, Action::kTurnLeft));
  command = TakeFrameCommand(input, bindings, false);
  EXPECT_EQ(command.keys, (FrameKeys{.left = true, .inactive = true}));
}

class ComfortsTest : public ::testing::Test {
 protected:
  ScriptedPlatform platform;
  ScriptedRenderer renderer{platform};
  GameState state;
  GameSession session;

  ComfortsTest() { session.fullscreen = false; }

  // A game the test's own Esc failed to end is closed after 1000 frames.
  void Run() {
    At(1000, [&] { platform.Push(EventCode::kClose); });
    GameMain(state, platform, renderer, session);
  }
  void At(int swap, std::function<void()> act) {
    auto previous = platform.on_swap;
    platform.on_swap = [=](int now) {
      if (previous) previous(now);
      if (now == swap) act();
    };
  }
  void Press(uint32_t key) {
    platform.events.push_back(Key(EventCode::kKeyDown, key));
    platform.events.push_back(Key(EventCode::kKeyUp, key));
  }
  int Count(const std::string& entry) const {
    return static_cast<int>(std::count(platform.log.begin(), platform.log.end(), entry));
  }
};

TEST_F(ComfortsTest, MouseMotionTurnsInWholeStepsAndCarriesTheRest) {
  session.settings.mouse = true;
  platform.events.push_back(Event{.code = EventCode::kActivate, .focus = true});
  float heading_before = 0;
  At(1, [&] {
    heading_before = state.player.heading;
    platform.events.push_back(Event{.code = EventCode::kMouseMove, .dx = 30});  // 4.5 degrees
  });
  At(4, [&] {
    // One step right in the next frame, then none: the 1.5 degrees wait.
    EXPECT_EQ(state.player.heading, heading_before - 3.0f);
    platform.events.push_back(Event{.code = EventCode::kMouseMove, .dx = -30});
  });
  At(6, [&] {
    EXPECT_EQ(state.player.heading, heading_before);  // 1.5 - 4.5: one step left
    Press(kKeyEscape);
  });
  Run();
  const auto first = std::find_if(platform.log.begin(), platform.log.end(), [](auto& entry) {
    return entry.starts_with("CaptureMouse");
  });
  ASSERT_NE(first, platform.log.end());
  EXPECT_EQ(*first, "CaptureMouse on");
  EXPECT_EQ(Count("CaptureMouse off"), 1);
}

TEST_F(ComfortsTest, PauseHoldsTheWorldAndAnyBoundKeyResumesWithoutActing) {
  std::vector<RobotState> robots;
  At(2, [&] { Press('P'); });
  At(3, [&] { robots.assign(state.robots.begin(), state.robots.end()); });
  At(10, [&] {
    for (size_t i = 0; i < robots.size(); ++i) {
      EXPECT_EQ(state.robots[i].x, robots[i].x);
      EXPECT_EQ(state.robots[i].z, robots[i].z);
    }
    Press(kKeySpace);  // resumes, fires nothing
  });
  At(12, [&] {
    EXPECT_EQ(state.shot.active, 0);
    Press(112);  // F1: the help, also paused
  });
  At(14, [&] { Press(kKeyEscape); });  // leaves the help
  At(15, [&] { Press(kKeyEscape); });  // quits
  Run();
  EXPECT_EQ(Count("Overlay PAUZA"), 8);
  EXPECT_EQ(Count("Overlay KLAWISZE"), 2);
  EXPECT_EQ(session.frames, 6u);  // 15 swaps, 9 of them paused; plus the Esc frame
}

TEST_F(ComfortsTest, AltEnterTogglesDesktopFullScreenWithThePictureLetterboxed) {
  platform.context_current = true;
  At(1, [&] {
    // A held Alt+Enter repeats: one toggle.
    for (int i = 0; i < 2; ++i) {
      platform.events.push_back(Event{.code = EventCode::kKeyDown, .key = 13, .alt = true});
    }
    platform.events.push_back(Event{.code = EventCode::kKeyUp, .key = 13});
    platform.PushSize(1280, 1024);
  });
  At(2, [&] {
    platform.events.push_back(Event{.code = EventCode::kKeyDown, .key = 13, .alt = true});
    platform.PushSize(800, 600);
    Press(kKeyEscape);
  });
  Run();
  const auto at = std::find(platform.log.begin(), platform.log.end(), "DesktopFullscreen on");
  ASSERT_NE(at, platform.log.end());
  EXPECT_EQ(*(at + 1), "SetViewport 1280x960 at 0,32");
  EXPECT_EQ(Count("DesktopFullscreen off"), 1);
  EXPECT_EQ(Count("SetViewport 800x600"), 2);
}

TEST_F(ComfortsTest, AltEnterEntersAgainAfterTheBrowserLeftFullScreen) {
  const auto alt_enter = [&] {
    platform.events.push_back(Event{.code = EventCode::kKeyDown, .key = 13, .alt = true});
    platform.events.push_back(Event{.code = EventCode::kKeyUp, .key = 13});
  };
  At(1, alt_enter);
  At(2, [&] { platform.events.push_back(Event{.code = EventCode::kDesktopLeft}); });
  At(3, alt_enter);
  At(4, [&] { Press(kKeyEscape); });
  Run();
  EXPECT_EQ(Count("DesktopFullscreen on"), 2);
  EXPECT_EQ(Count("DesktopFullscreen off"), 0);
}

}  // namespace
}  // namespace vorbexia
