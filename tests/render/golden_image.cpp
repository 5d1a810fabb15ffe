#include "render/golden_image.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace vorbexia {

Image ReadBackBuffer(int width, int height) {
  Image image{width, height, std::vector<unsigned char>(width * height * 3)};
  std::vector<unsigned char> bottom_up(image.rgb.size());
  glFinish();
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, bottom_up.data());
  const size_t row = static_cast<size_t>(width) * 3;
  for (int y = 0; y < height; ++y) {
    std::copy_n(&bottom_up[(height - 1 - y) * row], row, &image.rgb[y * row]);
  }
  return image;
}

bool WritePpm(const std::string& path, const Image& image) {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << image.width << " " << image.height << "\n255\n";
  out.write(reinterpret_cast<const char*>(image.rgb.data()),
            static_cast<std::streamsize>(image.rgb.size()));
  return static_cast<bool>(out);
}

bool ReadPpm(const std::string& path, Image& image) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int max_value = 0;
  in >> magic >> image.width >> image.height >> max_value;
  if (!in || magic != "P6" || max_value != 255 || image.width <= 0 ||
      image.height <= 0) {
    return false;
  }
  in.get();  // the one whitespace byte before the pixels
  image.rgb.resize(static_cast<size_t>(image.width) * image.height * 3);
  in.read(reinterpret_cast<char*>(image.rgb.data()),
          static_cast<std::streamsize>(image.rgb.size()));
  return static_cast<bool>(in);
}

int CountDifferentPixels(const Image& a, const Image& b, int tolerance) {
  int different = 0;
  for (size_t i = 0; i + 2 < a.rgb.size() && i + 2 < b.rgb.size(); i += 3) {
    for (int c = 0; c < 3; ++c) {
      if (std::abs(a.rgb[i + c] - b.rgb[i + c]) > tolerance) {
        ++different;
        break;
      }
    }
  }
  return different;
}

std::string GoldenPath(const std::string& name) {
  return "tests/render/golden/" + name + ".ppm";
}

bool UpdatingGoldens() {
  const char* value = std::getenv("VORBEXIA_UPDATE_GOLDEN");
  return value != nullptr && std::string(value) == "1";
}

}  // namespace vorbexia
