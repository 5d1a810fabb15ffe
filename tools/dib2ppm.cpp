// dib2ppm IN.bmp OUT.ppm: decodes a bitmap file with the game's own reader
// and writes it as a binary PPM, top row first. On failure the reader's text
// goes alone on one line of standard error, no file is written, exit code 1.
#include <cstdio>
#include <cstring>
#include <string>

#include "image/dib_reader.h"
#include "image/dib_writer.h"

namespace {

// The reader's texts may end in a line break of their own.
void PrintReaderText(const char* text) {
  std::string line = text;
  while (!line.empty() && line.back() == '\n') line.pop_back();
  std::fprintf(stderr, "%s\n", line.c_str());
}

// P6 with the picture's top row first, whichever order the file stores.
std::vector<uint8_t> EncodePpm(const vorbexia::RgbImage& image) {
  const size_t rows = size_t(image.height < 0 ? -int64_t{image.height} : image.height);
  const size_t row_bytes = size_t(image.width) * 3;
  const std::string header = "P6\n" + std::to_string(image.width) + " " +
                             std::to_string(rows) + "\n255\n";
  std::vector<uint8_t> ppm(header.begin(), header.end());
  ppm.reserve(header.size() + rows * row_bytes);
  for (size_t i = 0; i < rows; ++i) {
    const size_t row = image.height > 0 ? rows - 1 - i : i;  // bottom-up files: last row first
    const uint8_t* start = image.pixels.data() + row * row_bytes;
    ppm.insert(ppm.end(), start, start + row_bytes);
  }
  return ppm;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: dib2ppm IN.bmp OUT.ppm\n");
    return 2;
  }
  const auto image = vorbexia::ReadDibFile(argv[1], PrintReaderText);
  if (image == nullptr) return 1;
  if (!vorbexia::WriteFileBytes(argv[2], EncodePpm(*image))) {
    std::fprintf(stderr, "dib2ppm: cannot write %s\n", argv[2]);
    std::remove(argv[2]);
    return 1;
  }
  return 0;
}
