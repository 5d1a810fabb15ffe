#include "files/file_descriptor.h"

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>

namespace vorbexia {

int CreateNewFile(const std::filesystem::path& path) {
#ifdef _WIN32
  return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                _S_IREAD | _S_IWRITE);
#else
  return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
#endif
}

bool WriteAll(int file, const char* bytes, size_t size) {
  size_t done = 0;
  while (done < size) {
#ifdef _WIN32
    // _write takes an unsigned count.
    const long written =
        _write(file, bytes + done, static_cast<unsigned>(std::min<size_t>(size - done, 1u << 30)));
#else
    const long written = write(file, bytes + done, size - done);
    if (written < 0 && errno == EINTR) continue;
#endif
    if (written <= 0) {
      if (written == 0) errno = EIO;
      return false;
    }
    done += static_cast<size_t>(written);
  }
  return true;
}

bool CloseFile(int file) {
#ifdef _WIN32
  return _close(file) == 0;
#else
  return close(file) == 0;
#endif
}

}  // namespace vorbexia
