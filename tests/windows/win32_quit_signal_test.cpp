// Ctrl+C and a closed console reach the game as the Linux signals do: the
// console's handler notes them, the platform then reports the quit event
// and shows no box.
#include <gtest/gtest.h>

#include <csignal>

#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_quit_signal.h"

// After the game's headers: windows.h defines macros.
#include <windows.h>

namespace vorbexia {
namespace {

// The request is process-wide and stays: one test takes it for the binary.
TEST(Win32QuitSignal, CtrlCEndsTheGameWithoutAnotherBox) {
  EXPECT_FALSE(TakeConsoleEvent(0xFFFF));  // not a console event of ours
  EXPECT_EQ(ConsoleQuitSignal(), 0);
  EXPECT_TRUE(TakeConsoleEvent(CTRL_C_EVENT));
  EXPECT_TRUE(TakeConsoleEvent(CTRL_CLOSE_EVENT));  // the first request stays
  EXPECT_EQ(ConsoleQuitSignal(), SIGINT);

  const std::unique_ptr<Platform> platform = MakeWin32Platform(false);
  EXPECT_EQ(platform->QuitSignal(), SIGINT);
  Event event;
  ASSERT_TRUE(platform->NextEvent(event));
  EXPECT_EQ(event.code, EventCode::kQuit);
  const Box question{"Wcisnij TAK na FULLSCREEN, NIE na WINDOW-MODE", "Wybor trybu",
                     BoxButtons::kYesNo, BoxIcon::kQuestion, BoxOwner::kNone};
  EXPECT_EQ(platform->ShowBox(question), BoxAnswer::kNo);  // refused, never shown
}

}  // namespace
}  // namespace vorbexia
