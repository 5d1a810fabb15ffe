// The time of a won game and the best one kept.
#include <gtest/gtest.h>

#include <fstream>

#include "image/temp_directory.h"
#include "shell/best_time.h"

namespace vorbexia {
namespace {

TEST(BestTime, FramesAreMinutesSecondsAndHundredths) {
  EXPECT_EQ(PlayTime(0), "0:00.00");
  EXPECT_EQ(PlayTime(59), "0:00.98");
  EXPECT_EQ(PlayTime(60 * 83 + 27), "1:23.45");
  EXPECT_EQ(PlayTime(60 * 3600), "60:00.00");
}

TEST(BestTime, OnlyABetterTimeIsKeptAndJunkCountsAsNone) {
  test::TempDirectory folder;
  const std::string data = folder.path() + "/vorbexia";
  uint64_t best = 0;
  std::string error;
  ASSERT_TRUE(KeepBestTime(data, 5000, best, error)) << error;
  EXPECT_EQ(best, 5000u);
  ASSERT_TRUE(KeepBestTime(data, 6000, best, error));
  EXPECT_EQ(best, 5000u);
  ASSERT_TRUE(KeepBestTime(data, 4000, best, error));
  EXPECT_EQ(best, 4000u);
  std::ofstream(data + "/best-time") << "fast";
  ASSERT_TRUE(KeepBestTime(data, 7000, best, error));
  EXPECT_EQ(best, 7000u);
}

}  // namespace
}  // namespace vorbexia
