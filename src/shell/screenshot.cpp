#include "shell/screenshot.h"

#include <fcntl.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "files/file_descriptor.h"
#include "files/message_text.h"
#include "files/utf8_path.h"
#include "image/dib_writer.h"
#include "image/png_writer.h"

#ifdef _WIN32
// Last, for MoveFileExW, so that its macros reach none of the headers above.
#include <windows.h>
#else
#include <stdio.h>  // renameat2
#include <unistd.h>
#endif

namespace vorbexia {
namespace {

namespace fs = std::filesystem;

// Names tried before giving up: "-2" to "-999" beside the plain one.
constexpr int kMaxAttempts = 999;

// A path fit for one line of a message.
std::string Shown(const fs::path& path) { return EscapeForMessage(Utf8FromPath(path)); }

// Writes all bytes and closes the file; false with errno set when either
// fails.
bool WriteAndClose(int fd, const std::vector<uint8_t>& bytes) {
  const bool written = WriteAll(fd, reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const int saved = errno;
  const bool closed = CloseFile(fd);
  if (!written) errno = saved;
  return written && closed;
}

// Gives the whole picture at `written` the name `name`, which must not be
// taken: an existing file is never replaced. False with errno set (EEXIST:
// the name is taken).
bool PublishAs(const fs::path& written, const fs::path& name) {
#ifdef _WIN32
  if (MoveFileExW(written.c_str(), name.c_str(), 0)) return true;  // no REPLACE_EXISTING
  const DWORD error = GetLastError();
  errno = error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? EEXIST : EACCES;
  return false;
#elif defined(__EMSCRIPTEN__)
  // The page's memory file system has no second links, and the game is its
  // only writer: a name found free stays free until the rename.
  if (access(name.c_str(), F_OK) == 0) {
    errno = EEXIST;
    return false;
  }
  return rename(written.c_str(), name.c_str()) == 0;
#else
#ifdef RENAME_NOREPLACE
  if (renameat2(AT_FDCWD, written.c_str(), AT_FDCWD, name.c_str(), RENAME_NOREPLACE) == 0) {
    return true;
  }
  if (errno != EINVAL && errno != ENOSYS) return false;
#endif
  // A folder whose file system cannot rename without replacing: a second
  // link, which is never made over a file either.
  if (link(written.c_str(), name.c_str()) != 0) return false;
  unlink(written.c_str());
  return true;
#endif
}

std::string Extension(ScreenshotFormat format) {
  return format == ScreenshotFormat::kBmp ? ".bmp" : ".png";
}

// The whole file; empty when the encoder refuses the picture.
std::vector<uint8_t> Encode(const RgbImage& image, ScreenshotFormat format) {
  if (format == ScreenshotFormat::kPng) return EncodePng(image);
  DibPicture picture;
  picture.width = image.width;
  picture.height = image.height;
  picture.rgb.assign(image.pixels.begin(), image.pixels.end());
  return EncodeDib(picture, DibLayout::kRgb24, true);
}

}  // namespace

std::string ScreenshotFileName(const std::tm& local_time, ScreenshotFormat format) {
  char name[80];
  std::snprintf(name, sizeof name, "vorbexia-%04d-%02d-%02d-%02d-%02d-%02d",
                local_time.tm_year + 1900, local_time.tm_mon + 1, local_time.tm_mday,
                local_time.tm_hour, local_time.tm_min, local_time.tm_sec);
  return name + Extension(format);
}

bool SaveScreenshot(const std::string& folder, const RgbImage& image, ScreenshotFormat format,
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
  const std::vector<uint8_t> bytes = Encode(image, format);
  if (bytes.empty()) {
    error = "the picture cannot be encoded";
    return false;
  }

  const fs::path directory = PathFromUtf8(folder);
  std::error_code failure;
  fs::create_directories(directory, failure);
  if (failure) {
    error = "cannot make the folder " + EscapeForMessage(folder) + ": " + failure.message();
    return false;
  }

  // The picture is written whole under a name of its own first: a game
  // killed in the middle leaves no cut picture under a screenshot's name.
  const std::string name = ScreenshotFileName(local_time, format);
  const std::string extension = Extension(format);
  const std::string stem = name.substr(0, name.size() - extension.size());
  const auto Numbered = [&](int attempt) {
    return attempt == 1 ? name : stem + "-" + std::to_string(attempt) + extension;
  };
  fs::path written;
  int fd = -1;
  for (int attempt = 1; attempt <= kMaxAttempts && fd < 0; ++attempt) {
    written = directory / PathFromUtf8(Numbered(attempt) + ".part");
    fd = CreateNewFile(written);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    error = "cannot create " + Shown(written) + ": " + std::strerror(errno);
    return false;
  }
  if (!WriteAndClose(fd, bytes)) {
    error = "cannot write " + Shown(directory / PathFromUtf8(name)) + ": " + std::strerror(errno);
    fs::remove(written, failure);
    return false;
  }
  for (int attempt = 1; attempt <= kMaxAttempts; ++attempt) {
    const fs::path file = directory / PathFromUtf8(Numbered(attempt));
    if (PublishAs(written, file)) {
      path = Utf8FromPath(file);
      return true;
    }
    if (errno != EEXIST) {
      error = "cannot save " + Shown(file) + ": " + std::strerror(errno);
      fs::remove(written, failure);
      return false;
    }
  }
  fs::remove(written, failure);
  error = "every name for " + name + " is taken in " + EscapeForMessage(folder);
  return false;
}

}  // namespace vorbexia
