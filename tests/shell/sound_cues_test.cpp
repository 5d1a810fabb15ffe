// Which sounds a frame's events make, and the footsteps' pace.
#include <gtest/gtest.h>

#include <vector>

#include "shell/command_line.h"
#include "shell/sound_cues.h"

namespace vorbexia {
namespace {

struct HeardSounds final : SoundOutput {
  std::vector<Sound> played;
  void Play(Sound sound) override { played.push_back(sound); }
  bool Playing() override { return false; }
  void Wait(int) override {}
};

TEST(SoundCues, TheLastHitSoundsAsHitFallAndVictoryInThatOrder) {
  HeardSounds heard;
  FootstepClock footsteps;
  WorldEvents events;
  events.robot_hit = events.robot_fell = events.shot_fired = true;
  PlayFrameSounds(events, true, footsteps, heard);
  EXPECT_EQ(heard.played, (std::vector<Sound>{Sound::kShot, Sound::kRobotHit,
                                              Sound::kRobotFall, Sound::kVictory}));
}

TEST(SoundCues, AShotEndingAtAWallThudsAndNeverClangs) {
  HeardSounds heard;
  FootstepClock footsteps;
  WorldEvents events;
  events.shot_hit_wall = true;
  PlayFrameSounds(events, false, footsteps, heard);
  EXPECT_EQ(heard.played, std::vector<Sound>{Sound::kWallHit});
}

TEST(SoundCues, AWalkStepsAtOnceThenEveryTwentyFrames) {
  HeardSounds heard;
  FootstepClock footsteps;
  WorldEvents walking;
  walking.player_walked = true;
  for (int frame = 0; frame < 41; ++frame) PlayFrameSounds(walking, false, footsteps, heard);
  EXPECT_EQ(heard.played.size(), 3u);  // frames 0, 20 and 40
  PlayFrameSounds(WorldEvents{}, false, footsteps, heard);  // a stop
  PlayFrameSounds(walking, false, footsteps, heard);        // steps at once
  EXPECT_EQ(heard.played.size(), 4u);
}

TEST(CommandLine, TakesHudAndMute) {
  CommandLine line;
  std::string error;
  const std::vector<std::string_view> args = {"--mute", "--hud"};
  ASSERT_TRUE(ParseCommandLine(args, line, error));
  EXPECT_TRUE(line.hud);
  EXPECT_TRUE(line.mute);
  ASSERT_TRUE(ParseCommandLine({}, line, error));
  EXPECT_FALSE(line.hud || line.mute);
}

}  // namespace
}  // namespace vorbexia
