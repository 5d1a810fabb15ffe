#include "files/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <ios>
#include <system_error>

#include "files/file_descriptor.h"
#include "files/utf8_path.h"

namespace vorbexia {
namespace {

#ifdef _WIN32
using FileStatus = struct _stat64;
int OpenForReading(const std::string& path) {
  // Windows takes a plain string in the ANSI code page: the name goes wide.
  const std::filesystem::path name = PathFromUtf8(path);
  const int file = _wopen(name.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
  std::error_code ignored;
  // A folder does not open at all there ("Permission denied"): say what it is.
  if (file < 0 && errno == EACCES && std::filesystem::is_directory(name, ignored)) errno = EISDIR;
  return file;
}
int StatusOf(int file, FileStatus& status) { return _fstat64(file, &status); }
long ReadSome(int file, char* into, size_t size) {
  return _read(file, into, static_cast<unsigned>(size));
}
constexpr unsigned kKindMask = _S_IFMT;
constexpr unsigned kRegular = _S_IFREG;
constexpr unsigned kFolder = _S_IFDIR;
#else
using FileStatus = struct stat;
int OpenForReading(const std::string& path) {
  // O_NONBLOCK: opening a FIFO with no writer returns at once.
  return open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
}
int StatusOf(int file, FileStatus& status) { return fstat(file, &status); }
long ReadSome(int file, char* into, size_t size) { return read(file, into, size); }
constexpr unsigned kKindMask = S_IFMT;
constexpr unsigned kRegular = S_IFREG;
constexpr unsigned kFolder = S_IFDIR;
#endif

// What a file that is not a regular one is, for the message.
std::string NotRegular(unsigned mode) {
#ifndef _WIN32
  if (S_ISFIFO(mode)) return "not a regular file (a FIFO)";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "not a regular file (a device)";
  if (S_ISSOCK(mode)) return "not a regular file (a socket)";
#endif
  (void)mode;
  return "not a regular file";
}

}  // namespace

// Reads the descriptor through a buffer of its own.
class InputFile::Buffer : public std::streambuf {
 public:
  explicit Buffer(int file) : file_(file) {}
  ~Buffer() override { CloseFile(file_); }

 protected:
  int_type underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    long got = 0;
    do {
      got = ReadSome(file_, bytes_, sizeof bytes_);
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
      throw std::ios_base::failure(std::strerror(errno),
                                   std::error_code(errno, std::generic_category()));
    }
    if (got == 0) return traits_type::eof();
    setg(bytes_, bytes_, bytes_ + got);
    return traits_type::to_int_type(*gptr());
  }

 private:
  int file_;
  char bytes_[16 * 1024];
};

InputFile::InputFile() : stream_(nullptr) {}
InputFile::~InputFile() = default;

bool InputFile::Open(const std::string& path, std::string& why) {
  const int file = OpenForReading(path);
  if (file < 0) {
    error_ = errno;
    why = std::strerror(error_);
    return false;
  }
  FileStatus status{};
  if (StatusOf(file, status) != 0) {
    error_ = errno;
    why = std::strerror(error_);
    CloseFile(file);
    return false;
  }
  const unsigned kind = static_cast<unsigned>(status.st_mode) & kKindMask;
  if (kind != kRegular) {
    error_ = kind == kFolder ? EISDIR : 0;
    why = kind == kFolder ? std::strerror(EISDIR) : NotRegular(status.st_mode);
    CloseFile(file);
    return false;
  }
#ifndef _WIN32
  // A regular file never blocks; reads go on as ordinary ones.
  fcntl(file, F_SETFL, fcntl(file, F_GETFL) & ~O_NONBLOCK);
#endif
  buffer_ = std::make_unique<Buffer>(file);
  stream_.rdbuf(buffer_.get());
  stream_.clear();
  error_ = 0;
  return true;
}

TextRead ReadSmallTextFile(const std::string& path, size_t max_bytes, std::string& text,
                           std::string& why) {
  InputFile file;
  if (!file.Open(path, why)) return file.error() == ENOENT ? TextRead::kMissing : TextRead::kFailed;
  text.assign(max_bytes + 1, '\0');
  std::istream& in = file.stream();
  try {
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
  } catch (const std::ios_base::failure& failure) {
    why = failure.code().message();
    return TextRead::kFailed;
  }
  if (in.bad()) {
    why = "cannot read it";
    return TextRead::kFailed;
  }
  text.resize(static_cast<size_t>(in.gcount()));
  if (text.size() > max_bytes) {
    why = max_bytes % 1024 == 0 && max_bytes > 0
              ? "longer than " + std::to_string(max_bytes / 1024) + " KiB"
              : "longer than " + std::to_string(max_bytes) + " bytes";
    return TextRead::kFailed;
  }
  return TextRead::kRead;
}

}  // namespace vorbexia
