// The synthesised sounds and the mixer that plays them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "sound/mixer.h"
#include "sound/synthesis.h"

namespace vorbexia {
namespace {

TEST(Synthesis, EverySoundStartsAndEndsSilentAndStaysBelowThePeak) {
  const SoundBank bank = SynthesizeSounds();
  for (int s = 0; s < kSoundCount; ++s) {
    const Samples& sound = bank.sounds[s];
    const char* name = SoundName(static_cast<Sound>(s));
    ASSERT_GT(sound.size(), static_cast<size_t>(kSampleRate / 20)) << name;
    EXPECT_LE(sound.size(), static_cast<size_t>(kSampleRate * 1.1)) << name;
    EXPECT_EQ(sound.front(), 0.0f) << name;
    EXPECT_EQ(sound.back(), 0.0f) << name;
    float peak = 0.0f;
    for (float sample : sound) peak = std::max(peak, std::fabs(sample));
    EXPECT_LE(peak, kSoundPeak) << name;
    EXPECT_GT(peak, kSoundPeak / 4) << name;
  }
  EXPECT_EQ(bank.sounds, SynthesizeSounds().sounds);  // the same every run
}

TEST(Mixer, AddsTheVoicesClipsTheSumAndStopsAtTheirEnds) {
  const Samples loud(3, 0.75f), soft = {0.25f, -0.5f};
  Mixer mixer;
  mixer.Start(loud);
  mixer.Start(soft);
  float out[4] = {9, 9, 9, 9};
  mixer.Mix(out, 4);
  EXPECT_EQ(out[0], 1.0f);  // 0.75 + 0.25
  EXPECT_EQ(out[1], 0.25f);
  EXPECT_EQ(out[2], 0.75f);
  EXPECT_EQ(out[3], 0.0f);
  EXPECT_FALSE(mixer.Busy());
}

TEST(Mixer, WithEveryVoiceBusyTheOneNearestItsEndGivesWay) {
  const Samples long_sound(100, 0.01f), short_sound(10, 0.5f), newcomer(5, 0.25f);
  Mixer mixer;
  mixer.Start(short_sound);
  for (int v = 1; v < Mixer::kVoices; ++v) mixer.Start(long_sound);
  mixer.Start(newcomer);
  float out[6];
  mixer.Mix(out, 6);
  const float longs = (Mixer::kVoices - 1) * 0.01f;
  EXPECT_NEAR(out[0], longs + 0.25f, 1e-5);  // the short sound is gone
  EXPECT_NEAR(out[5], longs, 1e-5);
}

}  // namespace
}  // namespace vorbexia
