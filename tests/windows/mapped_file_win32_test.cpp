// The bitmap reader's file access on Windows: nothing left open after a call,
// boxes shown while the file is open or after it is closed, as on Linux, and
// the sharing of CreateFileA: readers only, both ways. Whether the reader
// holds a file shows in whether a writer can open it (Wine counts no handles).
#include <gtest/gtest.h>

#include "image/dib_bytes.h"
#include "image/dib_reader.h"
#include "image/mapped_file.h"
#include "image/temp_directory.h"

// After the game's headers: windows.h defines the box constants as macros.
#include <windows.h>

namespace vorbexia::test {
namespace {

HANDLE OpenForWriting(const std::string& name) {
  return CreateFileA(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                     OPEN_EXISTING, 0, nullptr);
}

bool Writable(const std::string& name) {
  HANDLE writer = OpenForWriting(name);
  if (writer == INVALID_HANDLE_VALUE) return false;
  CloseHandle(writer);
  return true;
}

Bytes SmallPicture() { return WithFileHeader(InfoHeader(1, 1, 24), Bytes().U8({1, 2, 3, 0})); }

TEST(Win32MappedFile, SuccessLeavesTheFileClosed) {
  TempDirectory dir;
  const std::string name = dir.Write("one.bmp", SmallPicture().data);
  BoxLog log;
  ASSERT_NE(ReadDibFile(name.c_str(), log.box()), nullptr);
  EXPECT_TRUE(log.texts.empty());
  EXPECT_TRUE(Writable(name));
}

TEST(Win32MappedFile, RefusalShowsWhileTheFileIsOpen) {
  TempDirectory dir;
  const std::string name = dir.Write("v4.bmp", Bytes().U32(108).Zeros(120).data);
  bool writable_during_box = true;
  ReadDibFile(name.c_str(), [&](const char*) { writable_during_box = Writable(name); });
  EXPECT_FALSE(writable_during_box);
  EXPECT_TRUE(Writable(name));
}

TEST(Win32MappedFile, OpenFailureShowsAfterTheFileIsClosed) {
  TempDirectory dir;
  const std::string empty = dir.Write("empty.bmp", {});
  bool writable_during_box = false;
  BoxLog log;
  ReadDibFile(empty.c_str(), [&](const char* text) {
    writable_during_box = Writable(empty);
    log.texts.emplace_back(text);
  });
  EXPECT_TRUE(writable_during_box);
  EXPECT_EQ(log.texts, std::vector<std::string>{"Failed to open DIB file " + empty + ".\n"});
}

TEST(Win32MappedFile, AFileBeingWrittenDoesNotOpen) {
  TempDirectory dir;
  const std::string name = dir.Write("busy.bmp", SmallPicture().data);
  HANDLE writer = OpenForWriting(name);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  BoxLog log;
  EXPECT_EQ(ReadDibFile(name.c_str(), log.box()), nullptr);
  CloseHandle(writer);
  EXPECT_EQ(log.texts, std::vector<std::string>{"Failed to open DIB file " + name + ".\n"});
}

// The texture probe stands for the C library's open: a picture held open for
// writing passes it, so the reader's box says why it cannot be read.
TEST(Win32MappedFile, TheProbeOpensAFileBeingWrittenAsFopenDoes) {
  TempDirectory dir;
  const std::string name = dir.Write("busy.bmp", SmallPicture().data);
  HANDLE writer = OpenForWriting(name);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(CanOpenForReading(name.c_str()));
  CloseHandle(writer);
}

}  // namespace
}  // namespace vorbexia::test
