// Recording the game being played as a demo file (docs/demo-format.md),
// one line per frame as the frame ends, so that the file is whole however
// the game ends.
#pragma once

#include <cstdint>
#include <fstream>
#include <memory>
#include <ostream>
#include <string>

#include "world/replay_script.h"

namespace vorbexia {

class DemoRecorder {
 public:
  // Writes the header to `out` at once.
  DemoRecorder(std::ostream& out, uint32_t seed);

  // Creates (or empties) the file at `path` and writes the header. Null,
  // with `error` naming the file, when it cannot be created or written.
  static std::unique_ptr<DemoRecorder> Create(const std::string& path,
                                              uint32_t seed, std::string& error);

  // One frame's line, flushed. After a failed write nothing more is written.
  void RecordFrame(const FrameKeys& keys);

  bool failed() const { return failed_; }
  // What the failed write met, e.g. "No space left on device".
  const std::string& failure() const { return failure_; }
  uint64_t frames() const { return frames_; }

 private:
  std::unique_ptr<std::ofstream> file_;  // when the recorder made its own
  std::ostream& out_;
  bool failed_ = false;
  std::string failure_;
  uint64_t frames_ = 0;
};

}  // namespace vorbexia
