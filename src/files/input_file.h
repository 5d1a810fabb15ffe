// A file the player named, for reading: settings, demos, user-dirs.dirs.
//
// It is opened without blocking, so that a FIFO with no writer cannot hold
// the game up, and read only when it is a regular file: a FIFO, a device, a
// socket or a folder is refused with the reason. The bytes stream through a
// small buffer; each caller bounds what it keeps.
#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <streambuf>
#include <string>

namespace vorbexia {

class InputFile {
 public:
  InputFile();
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  // False, with `why` ("No such file or directory", "Is a directory", "not
  // a regular file (a FIFO)"...) and error() set, when it cannot be read.
  bool Open(const std::string& path, std::string& why);

  // The file's bytes. A read that fails throws std::ios_base::failure from
  // the buffer (ReadBoundedLine reports it), or sets badbit for plain reads.
  std::istream& stream() { return stream_; }

  // The errno of a failed Open (ENOENT for a file that is not there); 0
  // when the file is not a regular one.
  int error() const { return error_; }

 private:
  class Buffer;
  std::unique_ptr<Buffer> buffer_;
  std::istream stream_;
  int error_ = 0;
};

enum class TextRead { kRead, kMissing, kFailed };

// The whole of a small text file at `path`: kMissing when it does not
// exist, kFailed with `why` when it cannot be read, is not a regular file or
// is longer than `max_bytes`.
TextRead ReadSmallTextFile(const std::string& path, size_t max_bytes, std::string& text,
                           std::string& why);

}  // namespace vorbexia
