// Decoding a 4096 x 4096 24-bit bitmap (48 MiB of pixels) against a plain
// memcpy of the same bytes into a fresh buffer, and the whole reader on a
// file of that size and of a texture's size. All report bytes per second
// of pixel data. Run from build/image: ./bench/dib_bench
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>

#include "image/dib_reader.h"
#include "image/dib_writer.h"

namespace vorbexia {
namespace {

constexpr int kSide = 4096;  // pixels
constexpr size_t kPixelBytes = size_t(kSide) * kSide * 3;

const std::vector<uint8_t>& BenchFile() {
  static const std::vector<uint8_t> file = [] {
    DibPicture picture;
    picture.width = kSide;
    picture.height = kSide;
    picture.rgb.resize(kPixelBytes);
    for (size_t i = 0; i < picture.rgb.size(); ++i) picture.rgb[i] = uint8_t(i * 131 >> 3);
    return EncodeDib(picture, DibLayout::kRgb24, true);
  }();
  return file;
}

void IgnoreBox(const char*) {}

void BM_DecodeDibMemory(benchmark::State& state) {
  const std::vector<uint8_t>& file = BenchFile();
  for (auto _ : state) {
    auto image = ReadDibMemory(file.data(), file.size(), IgnoreBox);
    benchmark::DoNotOptimize(image->pixels.data());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kPixelBytes));
}
BENCHMARK(BM_DecodeDibMemory)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole reader on a file of `side` x `side` 24-bit pixels: open, map
// (from the page cache), guard against the file being cut short, decode,
// release. 256 is a texture's size, where the fixed cost of a call shows.
void BM_ReadDibFile(benchmark::State& state) {
  const int side = int(state.range(0));
  DibPicture picture;
  picture.width = picture.height = side;
  picture.rgb.resize(size_t(side) * side * 3);
  for (size_t i = 0; i < picture.rgb.size(); ++i) picture.rgb[i] = uint8_t(i * 131 >> 3);
  const std::string name = "/tmp/vorbexia-dib-bench-" + std::to_string(getpid()) + ".bmp";
  if (!WriteFileBytes(name, EncodeDib(picture, DibLayout::kRgb24, true))) {
    state.SkipWithError("cannot write the bench file");
    return;
  }
  for (auto _ : state) {
    auto image = ReadDibFile(name.c_str(), IgnoreBox);
    benchmark::DoNotOptimize(image->pixels.data());
  }
  std::remove(name.c_str());
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(picture.rgb.size()));
}
BENCHMARK(BM_ReadDibFile)->Arg(kSide)->Arg(256)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_MemcpyFreshBuffer(benchmark::State& state) {
  const std::vector<uint8_t>& file = BenchFile();
  const uint8_t* pixels = file.data() + file.size() - kPixelBytes;
  for (auto _ : state) {
    std::unique_ptr<uint8_t[]> copy(static_cast<uint8_t*>(std::malloc(kPixelBytes)));
    std::memcpy(copy.get(), pixels, kPixelBytes);
    benchmark::DoNotOptimize(copy.get());
    std::free(copy.release());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kPixelBytes));
}
BENCHMARK(BM_MemcpyFreshBuffer)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same copy into the block the reader allocates for a picture (2 MiB
// aligned, huge pages where granted): how much of the gap is page faults.
void BM_MemcpyPictureBlock(benchmark::State& state) {
  const std::vector<uint8_t>& file = BenchFile();
  const uint8_t* pixels = file.data() + file.size() - kPixelBytes;
  for (auto _ : state) {
    void* copy = AllocatePictureBlock(kPixelBytes);
    std::memcpy(copy, pixels, kPixelBytes);
    benchmark::DoNotOptimize(copy);
    FreePictureBlock(copy);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kPixelBytes));
}
BENCHMARK(BM_MemcpyPictureBlock)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vorbexia

BENCHMARK_MAIN();
