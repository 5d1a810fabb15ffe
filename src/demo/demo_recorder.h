// Recording the game being played as a demo file (docs/demo-format.md),
// one line per frame as the frame ends.
//
// The recording goes to "FILE.part" beside the demo's FILE and replaces
// FILE only when the game has ended, however it ended: until then an older
// FILE stays whole, a game that never starts leaves it untouched, and after
// a kill the partial recording is still there under FILE.part. FILE.part is
// always a new file of the recorder's own: one already there (a killed
// game's recording, or one another game is making) refuses the recording,
// and a link there is never written through. A write that fails (a full
// disk, a file-size limit) cuts the recording back to its last whole line.
#pragma once

#include <cstdint>
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
  DemoRecorder(const DemoRecorder&) = delete;
  DemoRecorder& operator=(const DemoRecorder&) = delete;

  // Creates FILE.part beside `path` and writes the header; a `path` that is
  // a device or a pipe is written in place. Null, with `error` in one line
  // naming the file, when FILE.part is already there, when it cannot be
  // created or written, or when a pipe has no reader; no file of the
  // recorder's is left behind then, and none of anyone else's is touched.
  static std::unique_ptr<DemoRecorder> Create(const std::string& path,
                                              uint32_t seed, std::string& error);

  // One frame's line, written at once. After a failed write nothing more is
  // written.
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
  class File;  // the descriptor of a file the recorder opened itself

  void Write(const std::string& text);
  void Fail(const std::string& what);

  std::unique_ptr<File> file_;  // when the recorder made its own
  std::string target_;          // the demo's file
  std::string partial_;         // where it is written; empty: in place
  std::ostream& out_;
  bool failed_ = false;
  std::string failure_;
  std::string kept_in_;
  uint64_t frames_ = 0;
  uint64_t whole_bytes_ = 0;  // bytes of whole lines written
};

}  // namespace vorbexia
