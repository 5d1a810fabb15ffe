// Memory for decoded pictures.
//
// A big picture is written once, front to back, right after its block is
// allocated, and the page faults of a fresh block cost more than the decoding
// itself (about 12 000 faults for a 48 MiB picture in 4 KiB pages). Blocks of
// 2 MiB and more are therefore aligned to 2 MiB and offered to the kernel for
// transparent huge pages, which cuts the faults 512-fold where the system
// grants them. Smaller blocks come from malloc as usual.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace vorbexia {

void* AllocatePictureBlock(size_t bytes);  // throws std::bad_alloc
void FreePictureBlock(void* block);

template <typename T>
struct PixelAllocator {
  using value_type = T;

  PixelAllocator() = default;
  template <typename U>
  PixelAllocator(const PixelAllocator<U>&) {}

  T* allocate(size_t count) {
    if (count > SIZE_MAX / sizeof(T)) throw std::bad_alloc();
    return static_cast<T*>(AllocatePictureBlock(count * sizeof(T)));
  }
  void deallocate(T* block, size_t) { FreePictureBlock(block); }

  template <typename U>
  bool operator==(const PixelAllocator<U>&) const { return true; }
};

}  // namespace vorbexia
