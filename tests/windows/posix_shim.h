// mkdtemp for the test helpers on Windows, where the C library lacks it:
// a unique name from _mktemp_s, then the directory itself.
#pragma once

#include <direct.h>
#include <io.h>
#include <string.h>

inline char* mkdtemp(char* pattern) {
  if (_mktemp_s(pattern, strlen(pattern) + 1) != 0) return nullptr;
  return _mkdir(pattern) == 0 ? pattern : nullptr;
}
