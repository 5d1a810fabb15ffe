// The file mapping on Windows: CreateFileA, CreateFileMappingA, MapViewOfFile.
#include "image/mapped_file.h"

#include <windows.h>

#include <new>

namespace vorbexia {
namespace {

// An existing file, opened for reading while others may read it too; never
// created. A directory or a file locked against readers does not open.
HANDLE OpenForReading(const char* name) {
  return CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
}

// Closes the handle unless it is the failure value.
struct HandleGuard {
  HANDLE handle;
  ~HandleGuard() {
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
};

}  // namespace

bool CanOpenForReading(const char* name) {
  const HandleGuard file{OpenForReading(name)};
  return file.handle != INVALID_HANDLE_VALUE;
}

std::unique_ptr<MappedFile> MappedFile::Open(const char* name) {
  const HandleGuard file{OpenForReading(name)};
  if (file.handle == INVALID_HANDLE_VALUE) return nullptr;
  LARGE_INTEGER length{};
  if (GetFileType(file.handle) != FILE_TYPE_DISK || !GetFileSizeEx(file.handle, &length) ||
      length.QuadPart <= 0 || uint64_t(length.QuadPart) > SIZE_MAX) {
    return nullptr;
  }
  // The whole file, read-only; an empty file has no mapping.
  const HandleGuard mapping{CreateFileMappingA(file.handle, nullptr, PAGE_READONLY, 0, 0, nullptr)};
  if (mapping.handle == nullptr) return nullptr;
  const void* view = MapViewOfFile(mapping.handle, FILE_MAP_READ, 0, 0, 0);
  if (view == nullptr) return nullptr;
  // The view keeps the mapping and the file open until it is unmapped, so
  // both handles are closed on the way out; the object holds the view only.
  auto* mapped = new (std::nothrow)
      MappedFile(-1, static_cast<const uint8_t*>(view), size_t(length.QuadPart));
  if (mapped == nullptr) {
    UnmapViewOfFile(view);
    return nullptr;
  }
  return std::unique_ptr<MappedFile>(mapped);
}

// Unmapping the view lets go of the mapping and of the file with it.
MappedFile::~MappedFile() {
  (void)descriptor_;  // no descriptor on Windows
  UnmapViewOfFile(data_);
}

}  // namespace vorbexia
