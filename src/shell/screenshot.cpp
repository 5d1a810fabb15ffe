#include "shell/screenshot.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "demo/demo_file.h"
#include "image/dib_writer.h"

#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

namespace vorbexia {
namespace {

namespace fs = std::filesystem;

// Names tried before giving up: "-2" to "-999" beside the plain one.
constexpr int kMaxAttempts = 999;

// The file descriptor of a new file of that name, or -1 with errno set
// (EEXIST: the name is taken).
int CreateExclusive(const fs::path& path) {
#ifdef _WIN32
  return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                _S_IREAD | _S_IWRITE);
#else
  return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
#endif
}

// Writes all bytes and closes the file; false with errno set when either
// fails.
bool WriteAndClose(int fd, const std::vector<uint8_t>& bytes) {
  size_t done = 0;
  bool ok = true;
  while (ok && done < bytes.size()) {
#ifdef _WIN32
    const int chunk = _write(fd, bytes.data() + done,
                             static_cast<unsigned>(std::min<size_t>(bytes.size() - done, 1u << 30)));
#else
    const ssize_t chunk = write(fd, bytes.data() + done, bytes.size() - done);
    if (chunk < 0 && errno == EINTR) continue;
#endif
    ok = chunk > 0;
    if (ok) done += static_cast<size_t>(chunk);
  }
  const int saved = errno;
#ifdef _WIN32
  const bool closed = _close(fd) == 0;
#else
  const bool closed = close(fd) == 0;
#endif
  if (!ok) errno = saved;
  return ok && closed;
}

}  // namespace

std::string ScreenshotFileName(const std::tm& local_time) {
  char name[80];
  std::snprintf(name, sizeof name, "vorbexia-%04d-%02d-%02d-%02d-%02d-%02d.bmp",
                local_time.tm_year + 1900, local_time.tm_mon + 1, local_time.tm_mday,
                local_time.tm_hour, local_time.tm_min, local_time.tm_sec);
  return name;
}

bool SaveScreenshot(const std::string& folder, const RgbImage& image,
                    const std::tm& local_time, std::string& path, std::string& error) {
  if (folder.empty()) {
    error = "no folder for the pictures";
    return false;
  }
  if (image.width <= 0 || image.height <= 0 ||
      image.pixels.size() != size_t(image.width) * size_t(image.height) * 3) {
    error = "no picture to save";
    return false;
  }
  const fs::path directory = PathFromUtf8(folder);
  std::error_code failure;
  fs::create_directories(directory, failure);
  if (failure) {
    error = "cannot make the folder " + folder + ": " + failure.message();
    return false;
  }

  DibPicture picture;
  picture.width = image.width;
  picture.height = image.height;
  picture.rgb.assign(image.pixels.begin(), image.pixels.end());
  const std::vector<uint8_t> bytes = EncodeDib(picture, DibLayout::kRgb24, true);

  const std::string name = ScreenshotFileName(local_time);
  const std::string stem = name.substr(0, name.size() - 4);  // without ".bmp"
  for (int attempt = 1; attempt <= kMaxAttempts; ++attempt) {
    const fs::path file =
        directory / PathFromUtf8(attempt == 1 ? name : stem + "-" + std::to_string(attempt) + ".bmp");
    const int fd = CreateExclusive(file);
    if (fd < 0 && errno == EEXIST) continue;
    path = Utf8FromPath(file);
    if (fd < 0) {
      error = "cannot create " + path + ": " + std::strerror(errno);
      return false;
    }
    if (!WriteAndClose(fd, bytes)) {
      error = "cannot write " + path + ": " + std::strerror(errno);
      fs::remove(file, failure);
      path.clear();
      return false;
    }
    return true;
  }
  error = "every name for " + name + " is taken in " + folder;
  return false;
}

}  // namespace vorbexia
