#include "image/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <new>

namespace vorbexia {
namespace {

// Closes the descriptor unless it was handed on.
struct DescriptorGuard {
  int descriptor;
  ~DescriptorGuard() {
    if (descriptor >= 0) close(descriptor);
  }
};

// Opening never blocks: a FIFO or a device where a picture should be would
// otherwise wait for a writer for ever.
int OpenWithoutBlocking(const char* name) {
  return open(name, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
}

}  // namespace

bool CanOpenForReading(const char* name) {
  const int descriptor = OpenWithoutBlocking(name);
  if (descriptor < 0) return false;
  close(descriptor);
  return true;
}

std::unique_ptr<MappedFile> MappedFile::Open(const char* name) {
  DescriptorGuard guard{OpenWithoutBlocking(name)};
  if (guard.descriptor < 0) return nullptr;
  struct stat status {};
  if (fstat(guard.descriptor, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size <= 0) {
    return nullptr;
  }
  const size_t size = size_t(status.st_size);
  void* view = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, guard.descriptor, 0);
  if (view == MAP_FAILED) return nullptr;
  auto* file = new (std::nothrow)
      MappedFile(guard.descriptor, static_cast<const uint8_t*>(view), size);
  if (file == nullptr) {
    munmap(view, size);
    return nullptr;
  }
  guard.descriptor = -1;  // the file owns it now
  return std::unique_ptr<MappedFile>(file);
}

// The view first, then the file.
MappedFile::~MappedFile() {
  munmap(const_cast<uint8_t*>(data_), size_);
  close(descriptor_);
}

}  // namespace vorbexia
