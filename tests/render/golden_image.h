// Frames read back from the back buffer and compared with golden images
// kept as binary PPM files under tests/render/golden/.
//
// To regenerate the goldens on purpose (after a deliberate change of the
// look, the textures or the GL driver), run the render tests from the
// repository root with VORBEXIA_UPDATE_GOLDEN=1:
//   VORBEXIA_UPDATE_GOLDEN=1 build/<dir>/tests/render_tests --gtest_filter='Golden*'
// and look at the new images before committing them.
#pragma once

#include <string>
#include <vector>

namespace vorbexia {

// The frames the render tests draw: the game's window, in pixels.
inline constexpr int kWidth = 800;
inline constexpr int kHeight = 600;

// An RGB image, rows from the top, three bytes per pixel.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;

  const unsigned char* At(int x, int y) const { return &rgb[(y * width + x) * 3]; }
};

// The back buffer's colours, rows turned so that the top row comes first.
Image ReadBackBuffer(int width, int height);

bool WritePpm(const std::string& path, const Image& image);
bool ReadPpm(const std::string& path, Image& image);

// Pixels of two equally sized images whose colours differ by more than
// `tolerance` in some channel.
int CountDifferentPixels(const Image& a, const Image& b, int tolerance);

// Where the golden of that name lives, relative to the repository root.
std::string GoldenPath(const std::string& name);

// True when the goldens are to be written rather than compared.
bool UpdatingGoldens();

}  // namespace vorbexia
