// make-icons [TEXTURES [DIRECTORY]]: draws the game's icon from its own
// pictures, decoded with the game's reader, and writes it as PNG files
// vorbexia-SIZE.png (16, 24, 32, 48, 64, 128 and 256 pixels square) into
// DIRECTORY (default "dist/linux/icons"), reading the pictures from TEXTURES
// (default "textures"). The 64 px picture goes there once more as bare
// pixels, window-icon-64.rgba (R, G, B, A bytes, top row first), which the
// Linux game compiles in as its window's icon.
//
// The icon looks down a corridor of the maze: brick walls, the wooden floor
// and the ceiling panels, the live robot's plating at its far end and a
// plasma shot flying towards it. Deterministic, so the committed files are
// exactly this program's output.
#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "image/dib_reader.h"
#include "image/dib_writer.h"

namespace vorbexia {
namespace {

struct Color {
  double r, g, b;
};

struct Pictures {
  std::unique_ptr<RgbImage> brick, floor, ceiling, shot, robot;
};

// The picture at u, v (0 to 1, repeating; v = 0 is the bottom row, which the
// reader gives first).
Color Sample(const RgbImage& image, double u, double v) {
  const int w = image.width, h = std::abs(image.height);
  const int x = std::clamp(int((u - std::floor(u)) * w), 0, w - 1);
  int y = std::clamp(int((v - std::floor(v)) * h), 0, h - 1);
  if (image.height < 0) y = h - 1 - y;  // top-down picture
  const uint8_t* p = &image.pixels[(size_t(y) * w + x) * 3];
  return {p[0] / 255.0, p[1] / 255.0, p[2] / 255.0};
}

Color Scale(Color c, double k) { return {c.r * k, c.g * k, c.b * k}; }
Color Add(Color a, Color b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }

// The corridor seen through the point (sx, sy) of the icon, both -0.5 to 0.5
// with y up: walls 1 world unit either side, the camera's focal length 0.5.
Color Corridor(const Pictures& p, double sx, double sy) {
  constexpr double kFar = 5.0;
  const double reach = std::max(std::abs(sx), std::abs(sy));
  const double z = reach > 0.0 ? std::min(kFar, 0.5 / reach) : kFar;
  const double x = 2.0 * sx * z, y = 2.0 * sy * z;
  Color c;
  if (z >= kFar) c = Sample(*p.robot, (x + 1.0) / 2.0, (y + 1.0) / 2.0);
  else if (std::abs(sx) >= std::abs(sy)) c = Sample(*p.brick, z / 2.0, (y + 1.0) / 2.0);
  else if (sy < 0.0) c = Sample(*p.floor, (x + 1.0) / 2.0, z / 2.0);
  else c = Sample(*p.ceiling, (x + 1.0) / 2.0, z / 2.0);
  c = Scale(c, std::min(1.3, 2.2 / (1.0 + 0.45 * z)));  // lit near, dark far
  // The plasma shot: a textured ball with a glow around it.
  const double dx = sx - 0.04, dy = sy + 0.06, r = std::sqrt(dx * dx + dy * dy);
  constexpr double kBall = 0.11;
  if (r < kBall) return Scale(Add(Sample(*p.shot, dx / kBall, dy / kBall), {0.35, 0.3, 0.5}), 1.2);
  return Add(c, Scale({0.45, 0.55, 1.0}, 0.9 * std::exp(-(r - kBall) * 18.0)));
}

// Inside a rounded square with a small margin: 1 inside, 0 outside; and
// whether the point lies on its dark rim.
bool InsideIcon(double sx, double sy, bool* rim) {
  constexpr double kHalf = 0.47, kRadius = 0.14, kRim = 0.018;
  const double qx = std::max(std::abs(sx) - (kHalf - kRadius), 0.0);
  const double qy = std::max(std::abs(sy) - (kHalf - kRadius), 0.0);
  const double outside = std::sqrt(qx * qx + qy * qy) - kRadius;
  *rim = outside > -kRim;
  return outside <= 0.0;
}

uint8_t ToByte(double v) { return uint8_t(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); }

// The icon as RGBA rows, top row first: 4 x 4 samples per pixel.
std::vector<uint8_t> DrawIcon(const Pictures& p, int size) {
  constexpr int kSamples = 4;
  std::vector<uint8_t> rgba(size_t(size) * size * 4);
  for (int py = 0; py < size; ++py) {
    for (int px = 0; px < size; ++px) {
      Color sum{0, 0, 0};
      int covered = 0;
      for (int j = 0; j < kSamples; ++j) {
        for (int i = 0; i < kSamples; ++i) {
          const double sx = (px + (i + 0.5) / kSamples) / size - 0.5;
          const double sy = 0.5 - (py + (j + 0.5) / kSamples) / size;
          bool rim = false;
          if (!InsideIcon(sx, sy, &rim)) continue;
          ++covered;
          const Color c = Corridor(p, sx, sy);
          sum = Add(sum, rim ? Scale(c, 0.25) : c);
        }
      }
      uint8_t* out = &rgba[(size_t(py) * size + px) * 4];
      const double k = covered ? 1.0 / covered : 0.0;
      out[0] = ToByte(sum.r * k), out[1] = ToByte(sum.g * k), out[2] = ToByte(sum.b * k);
      out[3] = ToByte(double(covered) / (kSamples * kSamples));
    }
  }
  return rgba;
}

// --- PNG ----------------------------------------------------------------------

void PutBigEndian(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(v >> shift));
}

void PutChunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& data) {
  PutBigEndian(out, uint32_t(data.size()));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBigEndian(out, uint32_t(crc32(0, &out[start], uInt(out.size() - start))));
}

// 8-bit RGBA, no interlace; every row with filter 0, deflated by zlib.
bool EncodePng(const std::vector<uint8_t>& rgba, int size, std::vector<uint8_t>& png) {
  std::vector<uint8_t> raw;
  for (int y = 0; y < size; ++y) {
    raw.push_back(0);
    const auto row = rgba.begin() + ptrdiff_t(y) * size * 4;
    raw.insert(raw.end(), row, row + size * 4);
  }
  uLongf packed_size = compressBound(uLong(raw.size()));
  std::vector<uint8_t> packed(packed_size);
  if (compress2(packed.data(), &packed_size, raw.data(), uLong(raw.size()), 9) != Z_OK) return false;
  packed.resize(packed_size);
  std::vector<uint8_t> header;
  PutBigEndian(header, uint32_t(size));
  PutBigEndian(header, uint32_t(size));
  header.insert(header.end(), {8, 6, 0, 0, 0});  // depth 8, RGBA
  png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", packed);
  PutChunk(png, "IEND", {});
  return true;
}

std::unique_ptr<RgbImage> Read(const std::string& folder, const char* name) {
  const std::string path = folder + "/" + name;
  return ReadDibFile(path.c_str(), [](const char* text) {
    std::fprintf(stderr, "make-icons: %s\n", text);
  });
}

}  // namespace
}  // namespace vorbexia

int main(int argc, char** argv) {
  using namespace vorbexia;
  if (argc > 3) {
    std::fprintf(stderr, "usage: make-icons [TEXTURES [DIRECTORY]]\n");
    return 2;
  }
  const std::string textures = argc >= 2 ? argv[1] : "textures";
  const std::string directory = argc >= 3 ? argv[2] : "dist/linux/icons";
  Pictures p{Read(textures, "brick.bmp"), Read(textures, "deska.bmp"),
             Read(textures, "panel.bmp"), Read(textures, "qq.bmp"), Read(textures, "plasma.bmp")};
  if (!p.brick || !p.floor || !p.ceiling || !p.shot || !p.robot) return 1;
  const auto fail = [](const std::string& path) {
    std::fprintf(stderr, "make-icons: cannot write %s\n", path.c_str());
    return 1;
  };
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    const std::vector<uint8_t> rgba = DrawIcon(p, size);
    std::vector<uint8_t> png;
    const std::string path = directory + "/vorbexia-" + std::to_string(size) + ".png";
    if (!EncodePng(rgba, size, png) || !WriteFileBytes(path, png)) return fail(path);
    const std::string raw = directory + "/window-icon-64.rgba";
    if (size == 64 && !WriteFileBytes(raw, rgba)) return fail(raw);
  }
  return 0;
}
