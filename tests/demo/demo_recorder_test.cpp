// A recording never costs the player an older demo: it replaces the file
// only when the game has ended, and a full disk leaves whole lines only.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "image/temp_directory.h"
#include "shell/game_launch.h"
#include "support/scripted_platform.h"

namespace vorbexia {
namespace {

const std::string kOldDemo = "vorbexia-demo 1\nseed 3\nU\nUL\n";
const std::string kHeader = "vorbexia-demo 1\nseed 7\n";

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

struct Recording : ::testing::Test {
  test::TempDirectory folder;
  std::string demo = folder.File("game.demo");
  std::string error;

  void SetUp() override { std::ofstream(demo, std::ios::binary) << kOldDemo; }
  bool PartialLeft() const { return std::filesystem::exists(demo + ".part"); }
};

FrameKeys Keys(bool forward, bool fire) {
  FrameKeys keys;
  keys.forward = forward;
  keys.fire = fire;
  return keys;
}

TEST_F(Recording, ReplacesTheOldDemoOnlyWhenTheGameHasEnded) {
  auto recorder = DemoRecorder::Create(demo, 7, error);
  ASSERT_TRUE(recorder) << error;
  recorder->RecordFrame(Keys(true, false));
  recorder->RecordFrame(Keys(true, true));
  EXPECT_EQ(Contents(demo), kOldDemo);  // what a kill now would leave
  EXPECT_EQ(Contents(demo + ".part"), kHeader + "U\nUS\n");
  EXPECT_TRUE(recorder->Finish());
  EXPECT_EQ(Contents(demo), kHeader + "U\nUS\n");
  EXPECT_FALSE(PartialLeft());
}

TEST_F(Recording, AGameThatNeverStartsLeavesTheOldDemoAsItWas) {
  Launch launch;
  const std::vector<std::string_view> args = {"--windowed", "--record", demo};
  ASSERT_FALSE(PrepareLaunch(args, 7, UserFolders{}, launch, std::cout, std::cerr));
  ScriptedPlatform platform;
  ScriptedRenderer renderer{platform};
  platform.failing = {"CreateWindow windowed"};
  GameState state;
  std::ostringstream out, err;
  EXPECT_EQ(RunLaunch(launch, state, platform, renderer, out, err), 0);
  EXPECT_EQ(Contents(demo), kOldDemo);
  EXPECT_FALSE(PartialLeft());
}

// A killed game's recording, or one another game is making, is kept: a
// second recording of the file is refused.
TEST_F(Recording, OneRecordingOfAFileAtATime) {
  auto first = DemoRecorder::Create(demo, 7, error);
  ASSERT_TRUE(first) << error;
  EXPECT_FALSE(DemoRecorder::Create(demo, 8, error));
  EXPECT_NE(error.find("'" + demo + ".part' is already there"), std::string::npos) << error;
  EXPECT_TRUE(first->Finish());
  EXPECT_EQ(Contents(demo), kHeader);
}

#ifndef _WIN32  // a file size limit and a device: POSIX only
// The file size limit stands in for a full disk; it is set in a child
// process of the test's own.
void WithFileSizeLimit(rlim_t bytes) {
  const rlimit limit{bytes, bytes};
  signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead
  setrlimit(RLIMIT_FSIZE, &limit);
}

// Three frames of "UDRLS" with room for one line and two bytes more.
bool RecordOntoAFullDisk(const std::string& demo) {
  WithFileSizeLimit(kHeader.size() + 8);
  std::string error;
  auto recorder = DemoRecorder::Create(demo, 7, error);
  const FrameKeys all{true, true, true, true, true, false};
  for (int frame = 0; frame < 3; ++frame) recorder->RecordFrame(all);
  return !recorder->Finish() && recorder->frames() == 1 &&
         recorder->failure() == "File too large" && Contents(demo) == kHeader + "UDRLS\n" &&
         !std::filesystem::exists(demo + ".part");
}

bool CreateOntoAFullDisk(const std::string& demo) {
  WithFileSizeLimit(5);
  std::string error;
  return !DemoRecorder::Create(demo, 7, error) && error.find("cannot write the demo") == 0 &&
         Contents(demo) == kOldDemo && !std::filesystem::exists(demo + ".part");
}

TEST_F(Recording, AFullDiskLeavesWholeLinesAndSaysHowMany) {
  EXPECT_EXIT(std::exit(RecordOntoAFullDisk(demo) ? 0 : 1), ::testing::ExitedWithCode(0), "");
}

TEST_F(Recording, AHeaderThatCannotBeWrittenLeavesNoFile) {
  EXPECT_EXIT(std::exit(CreateOntoAFullDisk(demo) ? 0 : 1), ::testing::ExitedWithCode(0), "");
}

TEST_F(Recording, ALinkAtThePartialFileIsNotFollowed) {
  std::ofstream(folder.File("other")) << "keep";
  std::filesystem::create_symlink(folder.File("other"), demo + ".part");
  EXPECT_FALSE(DemoRecorder::Create(demo, 7, error));
  EXPECT_EQ(Contents(folder.File("other")), "keep");
}

TEST_F(Recording, ADeviceIsWrittenInPlace) {
  auto recorder = DemoRecorder::Create("/dev/null", 7, error);
  ASSERT_TRUE(recorder) << error;
  recorder->RecordFrame(Keys(true, false));
  EXPECT_TRUE(recorder->Finish());
  EXPECT_FALSE(std::filesystem::exists("/dev/null.part"));
}

#endif

// The demo's name taken by a folder while the game ran: the recording
// stays whole in FILE.part, and the recorder says where.
TEST_F(Recording, ARecordingThatCannotReplaceTheDemoSaysWhereItStayed) {
  auto recorder = DemoRecorder::Create(demo, 7, error);
  ASSERT_TRUE(recorder) << error;
  recorder->RecordFrame(Keys(true, false));
  std::filesystem::remove(demo);
  std::filesystem::create_directory(demo);
  std::ofstream(demo + "/inside") << "x";
  EXPECT_FALSE(recorder->Finish());
  EXPECT_EQ(recorder->kept_in(), demo + ".part");
  EXPECT_EQ(Contents(demo + ".part"), kHeader + "U\n");
}

TEST_F(Recording, AFolderIsRefused) {
  EXPECT_FALSE(DemoRecorder::Create(folder.path(), 7, error));
  EXPECT_NE(error.find("Is a directory"), std::string::npos) << error;
}

}  // namespace
}  // namespace vorbexia
