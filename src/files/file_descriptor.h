// The few calls on a file descriptor that the game's own files need,
// alike on POSIX and on Windows (whose C library spells them with an
// underscore and takes wide names).
#pragma once

#include <cstddef>
#include <filesystem>

namespace vorbexia {

// A new file for writing, or -1 with errno set (EEXIST: the name is taken).
// Never made through a link, never over a file already there.
int CreateNewFile(const std::filesystem::path& path);

// Writes all `size` bytes, going on after a short write or a signal; false
// with errno set when a write fails.
bool WriteAll(int file, const char* bytes, size_t size);

// False with errno set when closing fails (a delayed write error).
bool CloseFile(int file);

}  // namespace vorbexia
