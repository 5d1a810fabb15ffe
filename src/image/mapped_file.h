// A whole file mapped read-only into memory, released when the object goes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace vorbexia {

// Whether the file opens for reading; it is closed again at once. Never
// waits: a FIFO opens at once.
bool CanOpenForReading(const char* name);

class MappedFile {
 public:
  // None when the file cannot be opened or mapped, and at once for anything
  // but a regular file; an empty file cannot be mapped.
  static std::unique_ptr<MappedFile> Open(const char* name);
  ~MappedFile();

  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  const uint8_t* data() const { return data_; }
  size_t size() const { return size_; }

 private:
  MappedFile(int descriptor, const uint8_t* data, size_t size)
      : descriptor_(descriptor), data_(data), size_(size) {}

  int descriptor_;
  const uint8_t* data_;
  size_t size_;
};

}  // namespace vorbexia
