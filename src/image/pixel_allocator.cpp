#include "image/pixel_allocator.h"

#include <sys/mman.h>

namespace vorbexia {
namespace {

constexpr size_t kHugePage = size_t{2} << 20;  // bytes

}  // namespace

void* AllocatePictureBlock(size_t bytes) {
  void* block = nullptr;
  if (bytes >= kHugePage && bytes <= SIZE_MAX - kHugePage) {
    const size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    block = std::aligned_alloc(kHugePage, rounded);
    if (block != nullptr) madvise(block, rounded, MADV_HUGEPAGE);  // a wish only
  } else {
    block = std::malloc(bytes > 0 ? bytes : 1);
  }
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

void FreePictureBlock(void* block) { std::free(block); }

}  // namespace vorbexia
