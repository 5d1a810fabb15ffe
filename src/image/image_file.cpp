#include "image/image_file.h"

#include "image/mapped_file.h"

namespace vorbexia {

std::unique_ptr<RgbImage> LoadImageFile(const char* name, const ReaderBox& box) {
  if (name == nullptr) return nullptr;
  // A probe that cannot block: fopen would wait on a FIFO for ever.
  if (!CanOpenForReading(name)) return nullptr;  // silently
  return ReadDibFile(name, box);
}

}  // namespace vorbexia
