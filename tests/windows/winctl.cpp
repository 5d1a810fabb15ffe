// Drives the game window from outside, as Windows itself would:
//   winctl minimise | restore | close | state
// minimise, restore and close post the system command of the window's
// menu; state prints "minimised" or "shown". Exit code 2: no game window.
#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  HWND window = FindWindowA("Vorbexia", "Vorbexia");
  if (window == nullptr || argc != 2) return 2;
  const char* command = argv[1];
  if (std::strcmp(command, "state") == 0) {
    std::puts(IsIconic(window) ? "minimised" : "shown");
    return 0;
  }
  WPARAM system_command = 0;
  if (std::strcmp(command, "minimise") == 0) system_command = SC_MINIMIZE;
  if (std::strcmp(command, "restore") == 0) system_command = SC_RESTORE;
  if (std::strcmp(command, "close") == 0) system_command = SC_CLOSE;
  if (system_command == 0) return 2;
  return PostMessageA(window, WM_SYSCOMMAND, system_command, 0) ? 0 : 1;
}
