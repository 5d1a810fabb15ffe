// Memory for decoded pictures on Windows: plain malloc. Large pages there
// need a privilege that a game does not have, so no block is aligned for them.
#include "image/pixel_allocator.h"

namespace vorbexia {

void* AllocatePictureBlock(size_t bytes) {
  void* block = std::malloc(bytes > 0 ? bytes : 1);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

void FreePictureBlock(void* block) { std::free(block); }

}  // namespace vorbexia
