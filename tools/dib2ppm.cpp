// dib2ppm IN.bmp OUT.ppm: decodes a bitmap file with the game's own reader
// and writes it as a binary PPM, top row first. On failure the reader's text
// goes alone on one line of standard error, no file is written, exit code 1.
// The picture goes to a new file beside OUT that replaces OUT only once it is
// complete: a failed write leaves OUT as it was.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "image/dib_reader.h"

namespace {

// The reader's texts may end in a line break of their own.
void PrintReaderText(const char* text) {
  std::string line = text;
  while (!line.empty() && line.back() == '\n') line.pop_back();
  std::fprintf(stderr, "%s\n", line.c_str());
}

// P6 with the picture's top row first, whichever order the file stores.
std::vector<uint8_t> EncodePpm(const vorbexia::RgbImage& image) {
  const size_t rows = size_t(image.height < 0 ? -int64_t{image.height} : image.height);
  const size_t row_bytes = size_t(image.width) * 3;
  const std::string header = "P6\n" + std::to_string(image.width) + " " +
                             std::to_string(rows) + "\n255\n";
  std::vector<uint8_t> ppm(header.begin(), header.end());
  ppm.reserve(header.size() + rows * row_bytes);
  for (size_t i = 0; i < rows; ++i) {
    const size_t row = image.height > 0 ? rows - 1 - i : i;  // bottom-up files: last row first
    const uint8_t* start = image.pixels.data() + row * row_bytes;
    ppm.insert(ppm.end(), start, start + row_bytes);
  }
  return ppm;
}

bool WriteAll(int descriptor, const std::vector<uint8_t>& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = write(descriptor, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += size_t(written);
  }
  return true;
}

// A device or a pipe (/dev/stdout, say) is written straight into: it cannot
// be replaced by a file and is never removed.
bool WriteInPlace(const char* target, const std::vector<uint8_t>& bytes) {
  const int descriptor = open(target, O_WRONLY | O_CLOEXEC);
  if (descriptor < 0) return false;
  const bool written = WriteAll(descriptor, bytes);
  return close(descriptor) == 0 && written;
}

// Writes a new file beside `path` (same folder, a name no one has) and
// renames it over `path` once every byte is on disk. On failure only that new
// file is removed.
bool WriteBeside(const std::string& path, mode_t mode, const std::vector<uint8_t>& bytes) {
  std::string temporary = path + ".tmp.XXXXXX";
  const int descriptor = mkostemp(temporary.data(), O_CLOEXEC);  // O_CREAT | O_EXCL
  if (descriptor < 0) return false;
  bool written = WriteAll(descriptor, bytes) && fchmod(descriptor, mode) == 0 &&
                 fsync(descriptor) == 0;
  int reason = errno;  // of the first failure
  if (close(descriptor) != 0 && written) written = false, reason = errno;
  if (written && rename(temporary.c_str(), path.c_str()) != 0) written = false, reason = errno;
  if (!written) {
    unlink(temporary.c_str());
    errno = reason;
  }
  return written;
}

bool WriteOutput(const char* target, const std::vector<uint8_t>& bytes) {
  struct stat status {};
  if (stat(target, &status) != 0) {  // a new file, with the usual permissions
    const mode_t mask = umask(0);
    umask(mask);
    return WriteBeside(target, 0666 & ~mask, bytes);
  }
  if (S_ISDIR(status.st_mode)) {
    errno = EISDIR;
    return false;
  }
  if (!S_ISREG(status.st_mode)) return WriteInPlace(target, bytes);
  // A file we may not write stays as it is, though its folder would let us
  // replace it; through a symbolic link the file it names gets the picture.
  char resolved[PATH_MAX];
  if (access(target, W_OK) != 0 || realpath(target, resolved) == nullptr) return false;
  return WriteBeside(resolved, status.st_mode & 07777, bytes);
}

}  // namespace

int main(int argc, char** argv) {
  // A file-size limit fails the write as a full disk does, and the
  // temporary file goes, instead of the signal killing the tool mid-file.
  std::signal(SIGXFSZ, SIG_IGN);
  if (argc != 3) {
    std::fprintf(stderr, "usage: dib2ppm IN.bmp OUT.ppm\n");
    return 2;
  }
  const auto image = vorbexia::ReadDibFile(argv[1], PrintReaderText);
  if (image == nullptr) return 1;
  if (!WriteOutput(argv[2], EncodePpm(*image))) {
    std::fprintf(stderr, "dib2ppm: cannot write %s: %s\n", argv[2], std::strerror(errno));
    return 1;
  }
  return 0;
}
