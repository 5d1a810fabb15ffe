// A whole game won on the real loop with real drawing: the scripted
// platform's log and events around a real window and GL context, and a
// scripted player that turns to the nearest live robot, walks up to it and
// fires until all five robots lie on the floor.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

#include "controls/key_codes.h"
#include "platform/sdl/sdl_platform.h"
#include "render/gl_renderer.h"
#include "shell/game_main.h"
#include "shell/game_window.h"
#include "support/keep_gl_driver.h"
#include "support/scripted_platform.h"
#include "world/world.h"

namespace vorbexia {
namespace {

// The scripted platform, with a real hidden window and GL context behind
// the window and context steps, so that GlRenderer draws for real. Every
// step is still logged; a step fails when the scripted or the real one does.
class GlScriptedPlatform : public ScriptedPlatform {
 public:
  // Runs when the mode question is asked: after the robots' start, before
  // the window.
  std::function<void()> on_mode_question;

  BoxAnswer ShowBox(const Box& box) override {
    if (box.caption == "Wybor trybu" && on_mode_question) on_mode_question();
    return ScriptedPlatform::ShowBox(box);
  }
  // The real layer takes the steps its window system has, for a small
  // drawable in a window: the 800 x 600 viewport is clipped to it, which
  // keeps the software rasteriser quick.
  bool Build(WindowStep step, const WindowRequest& request) override {
    const WindowRequest small{request.title, 160, 120, request.bits, false};
    if (!ScriptedPlatform::Build(step, request)) return false;
    if (real_.HasStep(step) && !real_.Build(step, small)) return false;
    if (step == WindowStep::kMakeCurrent) KeepGlDriverLoaded();
    return true;
  }
  bool Release(WindowStep step) override {
    return ScriptedPlatform::Release(step) && (!real_.HasStep(step) || real_.Release(step));
  }
  void SwapBuffers() override {
    real_.SwapBuffers();
    ScriptedPlatform::SwapBuffers();
  }

 private:
  SdlPlatform real_{false};  // unpaced
};

// Degrees from a to b, folded into -180 to 180.
double TurnBetween(double from, double to) {
  return std::remainder(to - from, 360.0);
}

// The heading (degrees) that points from (x, z) at (to_x, to_z): a heading
// h points along (-sin h, -cos h).
double HeadingTowards(double x, double z, double to_x, double to_z) {
  return std::atan2(-(to_x - x), -(to_z - z)) * 180.0 / M_PI;
}

// The player the script plays: after every swap it looks at the state and
// queues key events for the next frame, as a person at the keyboard would.
class ScriptedPlayer {
 public:
  ScriptedPlayer(GameState& state, ScriptedPlatform& platform)
      : state_(state), platform_(platform) {}

  void Act() {
    if (state_.shot.active && !shot_was_active_) ++shots_launched_;
    shot_was_active_ = state_.shot.active;
    const int target = NearestLiveRobot();
    if (target < 0) {
      Hold(kKeyLeft, false);
      Hold(kKeyRight, false);
      Hold(kKeyUp, false);
      return;
    }
    const PlayerState& me = state_.player;
    const RobotState& robot = state_.robots[target];
    const double turn = TurnBetween(
        me.heading, HeadingTowards(me.x, me.z, robot.x, robot.z));
    const double distance = std::hypot(robot.x - me.x, robot.z - me.z);
    // One turn step is 3 degrees: within 2 the aim is as good as it gets.
    Hold(kKeyLeft, turn > 2.0);
    Hold(kKeyRight, turn < -2.0);
    Hold(kKeyUp, distance > 3.0 && std::abs(turn) < 20.0);
    if (std::abs(turn) <= 2.0 && !state_.shot.active) {
      // Space acts once per key-down; the loop clears its entry.
      platform_.Push(EventCode::kKeyDown, kKeySpace);
    }
  }

  // Shots seen in flight after a swap.
  int shots_launched() const { return shots_launched_; }

 private:
  int NearestLiveRobot() const {
    int nearest = -1;
    double best = 1e9;
    for (int i = 0; i < kRobotCount; ++i) {
      const RobotState& robot = state_.robots[i];
      if (robot.hp <= 0) continue;
      const double d = std::hypot(robot.x - state_.player.x, robot.z - state_.player.z);
      if (d < best) {
        best = d;
        nearest = i;
      }
    }
    return nearest;
  }

  void Hold(int key, bool down) {
    if (held_[key] == down) return;
    held_[key] = down;
    platform_.Push(down ? EventCode::kKeyDown : EventCode::kKeyUp,
                   static_cast<uint32_t>(key));
  }

  GameState& state_;
  ScriptedPlatform& platform_;
  bool held_[256] = {};
  bool shot_was_active_ = false;
  int shots_launched_ = 0;
};

int IndexOf(const std::vector<std::string>& log, const std::string& entry) {
  const auto it = std::find(log.begin(), log.end(), entry);
  return it == log.end() ? -1 : static_cast<int>(it - log.begin());
}

TEST(WonGameTest, FiveRobotsShotDownThenTheWindowClosesThenTheBox) {
  constexpr int kFrameBudget = 8000;  // the game gives up (closes) after this
  GlScriptedPlatform platform;
  GameState state;
  GlRenderer renderer([&platform](const char* text) { ShowReaderBox(platform, text); });
  ScriptedPlayer player(state, platform);
  // The robots stand in a loose arc ahead of the player, in the open west
  // part of the maze; their headings stay the generator's.
  platform.on_mode_question = [&state] {
    state.player = PlayerState{5.0f, 9.0f, 180.0f};
    const float places[kRobotCount][2] = {
        {3.0f, 12.0f}, {5.0f, 13.5f}, {7.5f, 12.0f}, {2.0f, 15.0f}, {8.0f, 16.0f}};
    for (int i = 0; i < kRobotCount; ++i) {
      state.robots[i].x = places[i][0];
      state.robots[i].z = places[i][1];
    }
  };
  platform.on_swap = [&](int swap) {
    if (swap >= kFrameBudget) {
      platform.Push(EventCode::kClose);
      return;
    }
    player.Act();
  };

  const int result = GameMain(state, platform, renderer, 4242);
  if (IndexOf(platform.log, "Box ERROR: Blad rejastracji klasy okna!") >= 0) {
    GTEST_SKIP() << "no display for OpenGL";
  }

  EXPECT_EQ(result, 0);
  EXPECT_TRUE(AllRobotsDestroyed(state));
  EXPECT_LT(platform.swaps, kFrameBudget) << "the frame budget ran out";
  EXPECT_EQ(IndexOf(platform.log, "BuildModels failed"), -1);
  const int teardown = IndexOf(platform.log, "DestroyWindow");
  const int context_gone = IndexOf(platform.log, "DeleteContext");
  const int victory = IndexOf(platform.log, "Box INFO: GRATULACJE! WYGRALES!");
  ASSERT_GE(victory, 0);
  EXPECT_LT(context_gone, teardown);
  EXPECT_LT(teardown, victory);
  EXPECT_EQ(platform.log.back(), platform.log[victory]);
  EXPECT_EQ(platform.boxes.back().buttons, BoxButtons::kOk);
  EXPECT_GE(player.shots_launched(), 15);  // three hits for each of five
  // The winning frame was shown before the teardown began.
  const int detach = IndexOf(platform.log, "DetachContext");
  ASSERT_GT(detach, 0);
  EXPECT_EQ(platform.log[detach - 1], "SwapBuffers");
  std::printf("won after %d frames and %d shots\n", platform.swaps,
              player.shots_launched());
}

}  // namespace
}  // namespace vorbexia
