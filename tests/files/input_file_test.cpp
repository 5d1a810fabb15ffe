#include "files/input_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <fstream>
#include <string>

#include "../image/temp_directory.h"

namespace vorbexia {
namespace {

TEST(InputFile, RefusesWhatIsNotARegularFileAtOnce) {
  test::TempDirectory folder;
  std::string text, why;
  EXPECT_EQ(ReadSmallTextFile(folder.path(), 100, text, why), TextRead::kFailed);
  EXPECT_EQ(why, "Is a directory");
  EXPECT_EQ(ReadSmallTextFile(folder.File("none"), 100, text, why), TextRead::kMissing);
#ifndef _WIN32
  const std::string fifo = folder.File("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  // A FIFO with no writer would block an ordinary open for ever.
  EXPECT_EQ(ReadSmallTextFile(fifo, 100, text, why), TextRead::kFailed);
  EXPECT_EQ(why, "not a regular file (a FIFO)");
  EXPECT_EQ(ReadSmallTextFile("/dev/zero", 100, text, why), TextRead::kFailed);
  EXPECT_EQ(why, "not a regular file (a device)");
#endif
}

TEST(InputFile, ReadsASmallFileWholeAndRefusesALongerOne) {
  test::TempDirectory folder;
  const std::string file = folder.Write("text", {'a', '\n', 0, 'b'});
  std::string text, why;
  ASSERT_EQ(ReadSmallTextFile(file, 4, text, why), TextRead::kRead) << why;
  EXPECT_EQ(text, std::string("a\n\0b", 4));
  EXPECT_EQ(ReadSmallTextFile(file, 3, text, why), TextRead::kFailed);
  EXPECT_EQ(why, "longer than 3 bytes");
}

}  // namespace
}  // namespace vorbexia
