#include "demo/demo_recorder.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "demo/demo_file.h"

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

}  // namespace

DemoRecorder::DemoRecorder(std::ostream& out, uint32_t seed) : out_(out) {
  Write(DemoHeader(seed));
}

DemoRecorder::~DemoRecorder() {
  // A recorder dropped without Finish belongs to a game that never ended.
  if (file_) Discard();
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
  auto file = std::make_unique<std::ofstream>(PathFromUtf8(written),
                                               std::ios::binary | std::ios::trunc);
  if (!*file) {
    error = "cannot create the demo " + Quoted(written) + ": " + std::strerror(errno);
    return nullptr;
  }
  auto recorder = std::make_unique<DemoRecorder>(*file, seed);
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
  file_->close();
  file_.reset();
  if (partial_.empty()) return !failed_;  // a device or pipe: nothing to replace
  std::error_code error;
  // A line cut short by a full disk would replay as another frame.
  if (failed_) fs::resize_file(PathFromUtf8(partial_), whole_bytes_, error);
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
  file_->close();
  file_.reset();
  std::error_code ignored;
  if (!partial_.empty()) fs::remove(PathFromUtf8(partial_), ignored);
}

}  // namespace vorbexia
