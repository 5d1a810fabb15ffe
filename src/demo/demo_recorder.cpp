#include "demo/demo_recorder.h"

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
#include <streambuf>
#include <system_error>

#include "demo/demo_file.h"
#include "files/file_descriptor.h"
#include "files/message_text.h"
#include "files/utf8_path.h"

namespace vorbexia {
namespace {

namespace fs = std::filesystem;

std::string Quoted(const std::string& path) {
  std::string name = "'";  // built in steps: GCC 12 warns wrongly on "'" + text
  name += EscapeForMessage(path);
  name += "'";
  return name;
}

// Where FILE really is: a link is followed, so that the recording replaces
// the file it names rather than the link.
std::string Resolved(const std::string& path) {
  std::error_code error;
  if (!fs::is_symlink(fs::symlink_status(PathFromUtf8(path), error))) return path;
  const fs::path target = fs::canonical(PathFromUtf8(path), error);
  return error ? path : Utf8FromPath(target);
}

#ifdef _WIN32
int OpenInPlace(const std::string& path) {
  return _wopen(PathFromUtf8(path).c_str(), _O_WRONLY | _O_BINARY | _O_NOINHERIT);
}
bool CutTo(int file, uint64_t bytes) {
  return _chsize_s(file, static_cast<long long>(bytes)) == 0;
}
#else
// A device or a pipe. O_NONBLOCK: a FIFO with no reader fails at once
// (ENXIO) instead of holding the game up until one comes; writes then block
// as usual.
int OpenInPlace(const std::string& path) {
  const int file = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (file >= 0) fcntl(file, F_SETFL, fcntl(file, F_GETFL) & ~O_NONBLOCK);
  return file;
}
bool CutTo(int file, uint64_t bytes) { return ftruncate(file, static_cast<off_t>(bytes)) == 0; }
#endif

}  // namespace

// The file under an ostream of its own, unbuffered: each line reaches the
// file as it is recorded, and a write that fails sets the stream's badbit
// with errno telling why. (std::ofstream cannot create a file exclusively.)
class DemoRecorder::File final : public std::streambuf {
 public:
  explicit File(int descriptor) : descriptor_(descriptor), stream_(this) {}
  ~File() override { Close(); }

  std::ostream& stream() { return stream_; }

  // Cuts the file to its first `bytes`; false with errno set.
  bool CutTo(uint64_t bytes) { return vorbexia::CutTo(descriptor_, bytes); }

  // Closes the file once; false with errno set when that fails.
  bool Close() {
    const int descriptor = descriptor_;
    descriptor_ = -1;
    return descriptor < 0 || CloseFile(descriptor);
  }

 protected:
  std::streamsize xsputn(const char* bytes, std::streamsize size) override {
    return WriteAll(descriptor_, bytes, static_cast<size_t>(size)) ? size : 0;
  }
  int_type overflow(int_type byte) override {
    if (traits_type::eq_int_type(byte, traits_type::eof())) return traits_type::not_eof(byte);
    const char one = traits_type::to_char_type(byte);
    return xsputn(&one, 1) == 1 ? byte : traits_type::eof();
  }

 private:
  int descriptor_;
  std::ostream stream_;
};

DemoRecorder::DemoRecorder(std::ostream& out, uint32_t seed) : out_(out) {
  Write(DemoHeader(seed));
}

DemoRecorder::~DemoRecorder() {
  // A recorder dropped without Finish belongs to a game that never ended.
  Discard();
}

std::unique_ptr<DemoRecorder> DemoRecorder::Create(const std::string& path,
                                                   uint32_t seed,
                                                   std::string& error) {
  const std::string target = Resolved(path);
  std::error_code status_error;
  const fs::file_status status = fs::status(PathFromUtf8(target), status_error);
  if (fs::is_directory(status)) {
    error = "cannot create the demo " + Quoted(path) + ": " + std::strerror(EISDIR);
    return nullptr;
  }
  // A device or a pipe cannot be replaced: it is written in place.
  const bool in_place = fs::exists(status) && !fs::is_regular_file(status);
  const std::string written = in_place ? target : target + ".part";
  const int descriptor = in_place ? OpenInPlace(written) : CreateNewFile(PathFromUtf8(written));
  if (descriptor < 0) {
    const int reason = errno;
    if (reason == EEXIST) {
      // Another game's recording, or one a killed game left: the player's
      // to keep, so this game does not record over it.
      error = "cannot record to " + Quoted(path) + ": " + Quoted(written) +
              " is already there (a game that did not end, or one still recording it);"
              " move it away or remove it first";
    } else if (reason == ENXIO && in_place) {
      error = "cannot record to " + Quoted(path) + ": no program is reading from it";
    } else {
      error = "cannot create the demo " + Quoted(written) + ": " + std::strerror(reason);
    }
    return nullptr;
  }
  auto file = std::make_unique<File>(descriptor);
  auto recorder = std::make_unique<DemoRecorder>(file->stream(), seed);
  recorder->file_ = std::move(file);
  recorder->target_ = target;
  if (!in_place) recorder->partial_ = written;
  if (recorder->failed()) {  // a full disk takes the name but not the header
    error = "cannot write the demo " + Quoted(written) + ": " + recorder->failure();
    return nullptr;  // the destructor removes the partial file
  }
  return recorder;
}

void DemoRecorder::Write(const std::string& text) {
  out_ << text << std::flush;
  if (!out_) {
    Fail(std::strerror(errno));
    return;
  }
  whole_bytes_ += text.size();
}

void DemoRecorder::Fail(const std::string& what) {
  failed_ = true;
  failure_ = what;
}

void DemoRecorder::RecordFrame(const FrameKeys& keys) {
  if (failed_) return;
  Write(DemoFrameLine(keys) + '\n');
  if (!failed_) ++frames_;
}

bool DemoRecorder::Finish() {
  if (!file_) return !failed_;
  const std::unique_ptr<File> file = std::move(file_);
  if (partial_.empty()) {  // a device or a pipe: nothing to replace
    if (!file->Close() && !failed_) Fail(std::strerror(errno));
    return !failed_;
  }
  std::error_code error;
  // A line cut short by a full disk would replay as another frame.
  if (failed_ && !file->CutTo(whole_bytes_)) error.assign(errno, std::generic_category());
  if (!file->Close() && !error) error.assign(errno, std::generic_category());
  if (!error) fs::rename(PathFromUtf8(partial_), PathFromUtf8(target_), error);
  if (error) {
    Fail(error.message());
    kept_in_ = partial_;
    return false;
  }
  return !failed_;
}

void DemoRecorder::Discard() {
  if (!file_) return;
  file_.reset();
  std::error_code ignored;
  // Only a partial file this recorder created itself is ever removed.
  if (!partial_.empty()) fs::remove(PathFromUtf8(partial_), ignored);
}

}  // namespace vorbexia
