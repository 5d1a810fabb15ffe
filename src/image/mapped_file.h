// A whole file mapped read-only into memory, released when the object goes.
// One implementation per platform (mapped_file.cpp for POSIX).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
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

  // Calls `read` with the file's bytes. Should the file be cut short by
  // someone else meanwhile, the bytes it lost read as zeros instead of ending
  // the program, and the result is false.
  using Reader = std::function<void(const uint8_t* data, size_t size)>;
  bool ReadGuarded(const Reader& read) const;

 private:
  MappedFile(intptr_t file, intptr_t mapping, const uint8_t* data, size_t size);

  // The platform's handles of the open file and of its mapping, as plain
  // integers (POSIX needs only the first).
  intptr_t file_;
  [[maybe_unused]] intptr_t mapping_;
  const uint8_t* data_;
  size_t size_;
};

}  // namespace vorbexia
