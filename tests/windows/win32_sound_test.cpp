// The waveOut output's own arithmetic: the mix's floats as 16-bit PCM, and
// blocks that continue one stream; and the output itself, silent or playing.
#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/win32_sound.h"

namespace vorbexia {
namespace {

TEST(Win32Sound, FloatsBecomeRoundedPcmClippedAtFullScale) {
  EXPECT_EQ(ToPcm16(0.0f), 0);
  EXPECT_EQ(ToPcm16(1.0f), 32767);
  EXPECT_EQ(ToPcm16(-1.0f), -32767);
  EXPECT_EQ(ToPcm16(0.5f), 16384);  // 16383.5 rounds away from 0
  EXPECT_EQ(ToPcm16(-0.25f), -8192);
  EXPECT_EQ(ToPcm16(1.5f), 32767);
  EXPECT_EQ(ToPcm16(-7.0f), -32767);
}

TEST(Win32Sound, ConsecutiveBlocksContinueTheMixerStream) {
  Samples ramp(2500);  // longer than two blocks, not a whole number of them
  for (size_t i = 0; i < ramp.size(); ++i) ramp[i] = float(i % 200) / 400.0f - 0.25f;
  Mixer mixer;
  mixer.Start(ramp);
  std::vector<int16_t> stream;
  std::vector<bool> audible;
  for (int b = 0; b < 4; ++b) {
    std::vector<int16_t> block(1000, 12345);
    audible.push_back(MixPcm16(mixer, block));
    stream.insert(stream.end(), block.begin(), block.end());
  }
  for (size_t i = 0; i < stream.size(); ++i) {
    const int16_t expected = i < ramp.size() ? ToPcm16(ramp[i]) : 0;
    ASSERT_EQ(stream[i], expected) << "sample " << i;
  }
  EXPECT_EQ(audible, (std::vector<bool>{true, true, true, false}));
  EXPECT_FALSE(mixer.Busy());
}

// Without a sound device (the usual test machine) the output is absent;
// with one, a footstep plays to its end and the output closes promptly.
TEST(Win32Sound, OpensSilentlyOrPlaysASoundToItsEnd) {
  std::unique_ptr<SoundOutput> sound = OpenWin32Sound();
  if (!sound) GTEST_SKIP() << "no wave output device";
  EXPECT_FALSE(sound->Playing());
  sound->Play(Sound::kFootstep);  // 80 ms
  EXPECT_TRUE(sound->Playing());
  int waited = 0;
  while (sound->Playing() && waited < 2000) {
    sound->Wait(10);
    waited += 10;
  }
  EXPECT_FALSE(sound->Playing());
  EXPECT_GE(waited, 70);  // heard, not only mixed: at least the sound's length
}

}  // namespace
}  // namespace vorbexia
