#include "platform/sdl/quit_signal.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace vorbexia {
namespace {

// The one signal flag, and the file that lists the child processes of the
// thread that shows the boxes (set once, before any handler runs).
volatile sig_atomic_t quit_signalled = 0;  // the signal's number
char children_path[64] = "";

// Sends SIGKILL to every child process of the box-showing thread: those are
// the processes of open boxes. Only async-signal-safe calls.
void EndBoxProcesses() {
  const int file = open(children_path, O_RDONLY | O_CLOEXEC);
  if (file < 0) return;
  char buffer[512];
  const ssize_t size = read(file, buffer, sizeof buffer);
  close(file);
  pid_t pid = 0;
  for (ssize_t i = 0; i < size; ++i) {
    if (buffer[i] >= '0' && buffer[i] <= '9') {
      pid = pid * 10 + (buffer[i] - '0');
    } else {
      if (pid > 0) kill(pid, SIGKILL);
      pid = 0;
    }
  }
  // Each pid in the list ends with a space: a number cut off at the end of
  // the buffer is never taken for a whole one.
}

void OnQuitSignal(int signal_number) {
  const int saved_errno = errno;
  if (!quit_signalled) quit_signalled = signal_number;
  EndBoxProcesses();
  // A box begun just before the flag was set may not have its process yet:
  // look again in a second.
  alarm(1);
  errno = saved_errno;
}

void OnAlarm(int) {
  const int saved_errno = errno;
  if (quit_signalled) {
    EndBoxProcesses();
    alarm(1);
  }
  errno = saved_errno;
}

void Install(int signal_number, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(signal_number, &action, nullptr);
}

}  // namespace

void InstallQuitSignalHandlers() {
  std::snprintf(children_path, sizeof children_path,
                "/proc/self/task/%ld/children",
                static_cast<long>(syscall(SYS_gettid)));
  Install(SIGALRM, OnAlarm);
  Install(SIGINT, OnQuitSignal);
  Install(SIGTERM, OnQuitSignal);
  // A closed terminal ends the game as a terminate signal does, so that
  // the display mode is restored.
  Install(SIGHUP, OnQuitSignal);
}

int QuitSignalled() { return quit_signalled; }

}  // namespace vorbexia
