// The file mapping on Windows: CreateFileA, CreateFileMappingA, MapViewOfFile.
#include "image/mapped_file.h"

#include <windows.h>

#include <new>

namespace vorbexia {
namespace {

// An existing file, opened for reading while others may read it too; never
// created. A directory, or a file that someone is writing, does not open.
HANDLE OpenForReading(const char* name) {
  return CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
}

// The probe opens as the C library's fopen does, sharing reading and
// writing: a picture that another program holds open for writing passes
// it, and the reader then says why it cannot be read rather than the
// picture being skipped without a word.
HANDLE OpenAsTheCLibraryDoes(const char* name) {
  return CreateFileA(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                     OPEN_EXISTING, 0, nullptr);
}

HANDLE HandleOf(intptr_t value) { return reinterpret_cast<HANDLE>(value); }
intptr_t ValueOf(HANDLE handle) { return reinterpret_cast<intptr_t>(handle); }

// Closes the handle unless it was handed on (or is the failure value).
struct HandleGuard {
  HANDLE handle;
  ~HandleGuard() {
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
};

// Only files on a disk, of at least one byte and at most what the address
// space holds.
bool HasMappableSize(HANDLE file, size_t& size) {
  LARGE_INTEGER length{};
  if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &length)) return false;
  if (length.QuadPart <= 0 || uint64_t(length.QuadPart) > SIZE_MAX) return false;
  size = size_t(length.QuadPart);
  return true;
}

}  // namespace

bool CanOpenForReading(const char* name) {
  const HandleGuard file{OpenAsTheCLibraryDoes(name)};
  return file.handle != INVALID_HANDLE_VALUE;
}

MappedFile::MappedFile(intptr_t file, intptr_t mapping, const uint8_t* data, size_t size)
    : file_(file), mapping_(mapping), data_(data), size_(size) {}

std::unique_ptr<MappedFile> MappedFile::Open(const char* name) {
  HandleGuard file{OpenForReading(name)};
  if (file.handle == INVALID_HANDLE_VALUE) return nullptr;
  size_t size = 0;
  if (!HasMappableSize(file.handle, size)) return nullptr;
  // The whole file, read-only; an empty file has no mapping.
  HandleGuard mapping{CreateFileMappingA(file.handle, nullptr, PAGE_READONLY, 0, 0, nullptr)};
  if (mapping.handle == nullptr) return nullptr;
  const void* view = MapViewOfFile(mapping.handle, FILE_MAP_READ, 0, 0, 0);
  if (view == nullptr) return nullptr;
  auto* mapped = new (std::nothrow) MappedFile(ValueOf(file.handle), ValueOf(mapping.handle),
                                               static_cast<const uint8_t*>(view), size);
  if (mapped == nullptr) {
    UnmapViewOfFile(view);
    return nullptr;
  }
  file.handle = mapping.handle = nullptr;  // the object owns them now
  return std::unique_ptr<MappedFile>(mapped);
}

// The view, the mapping, then the file.
MappedFile::~MappedFile() {
  UnmapViewOfFile(data_);
  CloseHandle(HandleOf(mapping_));
  CloseHandle(HandleOf(file_));
}

// While the file is open here only for reading, nobody can write to it, and
// a mapped file cannot be cut short on Windows: its bytes stay.
bool MappedFile::ReadGuarded(const Reader& read) const {
  read(data_, size_);
  return true;
}

}  // namespace vorbexia
