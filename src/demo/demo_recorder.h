// Recording the game being played as a demo file (docs/demo-format.md),
// one line per frame as the frame ends.
//
// The recording goes to "FILE.part" beside the demo's FILE and replaces
// FILE only when the game has ended, however it ended: until then an older
// FILE stays whole, a game that never starts leaves it untouched, and after
// a kill the partial recording is still there under FILE.part. A write that
// fails (a full disk) cuts the recording back to its last whole line.
#pragma once

#include <cstdint>
#include <fstream>
#include <memory>
#include <ostream>
#include <string>

#include "demo/key_script.h"

namespace vorbexia {

class DemoRecorder {
 public:
  // Writes the header to `out` at once.
  DemoRecorder(std::ostream& out, uint32_t seed);
  ~DemoRecorder();

  // Creates FILE.part beside `path` (over an older FILE.part) and writes the
  // header; a `path` that is a device or a pipe is written in place. Null,
  // with `error` naming the file, when it cannot be created or written; no
  // file is left behind then.
  static std::unique_ptr<DemoRecorder> Create(const std::string& path,
                                              uint32_t seed, std::string& error);

  // One frame's line, flushed. After a failed write nothing more is written.
  void RecordFrame(const FrameKeys& keys);

  // The game has ended: the recording, whole lines only, replaces the demo's
  // file. False, with failure() set, when it cannot.
  bool Finish();
  // The game never started: the partial file is removed, the demo's file
  // stays as it was.
  void Discard();

  bool failed() const { return failed_; }
  // What the failed write or replace met, e.g. "No space left on device".
  const std::string& failure() const { return failure_; }
  // Where the recording stayed when it could not replace the demo's file;
  // empty otherwise.
  const std::string& kept_in() const { return kept_in_; }
  uint64_t frames() const { return frames_; }

 private:
  void Write(const std::string& text);
  void Fail(const std::string& what);

  std::unique_ptr<std::ofstream> file_;  // when the recorder made its own
  std::string target_;                   // the demo's file
  std::string partial_;                  // where it is written; empty: in place
  std::ostream& out_;
  bool failed_ = false;
  std::string failure_;
  std::string kept_in_;
  uint64_t frames_ = 0;
  uint64_t whole_bytes_ = 0;  // bytes of whole lines written
};

}  // namespace vorbexia
