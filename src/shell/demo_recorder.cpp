#include "shell/demo_recorder.h"

#include <cerrno>
#include <cstring>

#include "world/demo_file.h"

namespace vorbexia {

DemoRecorder::DemoRecorder(std::ostream& out, uint32_t seed) : out_(out) {
  out_ << DemoHeader(seed) << std::flush;
  failed_ = !out_;
  if (failed_) failure_ = std::strerror(errno);
}

std::unique_ptr<DemoRecorder> DemoRecorder::Create(const std::string& path,
                                                   uint32_t seed,
                                                   std::string& error) {
  auto file = std::make_unique<std::ofstream>(
      path, std::ios::binary | std::ios::trunc);
  std::string name = "'";  // built in steps: GCC 12 warns wrongly on "'" + text
  name += EscapeForMessage(path);
  name += "'";
  if (!*file) {
    error = "cannot create the demo " + name + ": " + std::strerror(errno);
    return nullptr;
  }
  auto recorder = std::make_unique<DemoRecorder>(*file, seed);
  if (recorder->failed()) {  // a full disk takes the name but not the header
    error = "cannot write the demo " + name + ": " + recorder->failure();
    return nullptr;
  }
  recorder->file_ = std::move(file);
  return recorder;
}

void DemoRecorder::RecordFrame(const FrameKeys& keys) {
  if (failed_) return;
  out_ << DemoFrameLine(keys) << '\n' << std::flush;
  if (!out_) {
    failed_ = true;
    failure_ = std::strerror(errno);
    return;
  }
  ++frames_;
}

}  // namespace vorbexia
