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

float Loudest(const Samples& sound, size_t from, size_t to) {
  float loudest = 0.0f;
  for (size_t i = from; i < to; ++i) loudest = std::max(loudest, std::fabs(sound[i]));
  return loudest;
}

TEST(Synthesis, EverySoundFadesOutRatherThanStops) {
  // The last millisecond of each sound is far quieter than the ten before
  // its last ten: a fade, not a cut to the final 0 (which would click).
  constexpr size_t kMs = kSampleRate / 1000;  // samples
  const SoundBank bank = SynthesizeSounds();
  for (int s = 0; s < kSoundCount; ++s) {
    const Samples& sound = bank.sounds[s];
    const size_t end = sound.size();
    EXPECT_LT(Loudest(sound, end - kMs, end),
              0.15f * Loudest(sound, end - 20 * kMs, end - 10 * kMs))
        << SoundName(static_cast<Sound>(s));
  }
}

TEST(Synthesis, TheFanfareEndsOnHighC) {
  // The held last note from 0.5 s to its fade-out: two zero crossings a
  // period give its pitch, C6 at 1046.5 Hz (the note before is G5, 784 Hz).
  const Samples fanfare = SynthesizeSounds().Of(Sound::kVictory);
  const size_t from = kSampleRate / 2, to = fanfare.size() - kSampleRate / 100;
  int crossings = 0;
  for (size_t i = from + 1; i < to; ++i) {
    crossings += (fanfare[i - 1] < 0) != (fanfare[i] < 0);
  }
  const double seconds = static_cast<double>(to - from) / kSampleRate;
  EXPECT_NEAR(crossings / 2.0 / seconds, 1046.5, 2.0);
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
