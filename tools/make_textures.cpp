// make-textures [DIRECTORY]: draws the game's seven pictures and writes them
// as bitmap files into DIRECTORY (default "textures"), each in another layout
// the reader accepts, so that every start of the game exercises the reader.
//
// All drawing is deterministic (hashed noise, no clock, no rand), so the
// committed files are exactly this program's output. Every pattern repeats
// seamlessly, since walls, floor and ceiling repeat the texture per unit.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "image/dib_writer.h"

namespace vorbexia {
namespace {

// --- Noise ----------------------------------------------------------------

uint32_t Hash(int x, int y, uint32_t seed) {
  uint32_t h = seed * 0x9E3779B9u ^ uint32_t(x) * 0x85EBCA6Bu ^ uint32_t(y) * 0xC2B2AE35u;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

double Random01(int x, int y, uint32_t seed) { return (Hash(x, y, seed) & 0xFFFFFF) / double(0xFFFFFF); }

double Smooth(double t) { return t * t * (3.0 - 2.0 * t); }

// Value noise on a lattice of `cells` x `cells` that wraps around, sampled at
// u, v in [0, 1): seamless across the picture's edges.
double TiledNoise(double u, double v, int cells, uint32_t seed) {
  const double fx = u * cells, fy = v * cells;
  const int x0 = int(std::floor(fx)), y0 = int(std::floor(fy));
  const double tx = Smooth(fx - x0), ty = Smooth(fy - y0);
  auto at = [&](int x, int y) {
    return Random01(((x % cells) + cells) % cells, ((y % cells) + cells) % cells, seed);
  };
  const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * tx;
  const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * tx;
  return top + (bottom - top) * ty;
}

// Fractal sum of `octaves` noise layers, about 0 to 1.
double TiledFbm(double u, double v, int cells, int octaves, uint32_t seed) {
  double sum = 0.0, amplitude = 0.5, total = 0.0;
  for (int i = 0; i < octaves; ++i) {
    sum += amplitude * TiledNoise(u, v, cells << i, seed + i);
    total += amplitude;
    amplitude *= 0.5;
  }
  return sum / total;
}

// --- Pictures ---------------------------------------------------------------

struct Color {
  double r, g, b;
};

Color Mix(Color a, Color b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Color Scale(Color c, double k) { return {c.r * k, c.g * k, c.b * k}; }

uint8_t ToByte(double v) { return uint8_t(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); }

uint32_t Pack(Color c) {
  return (uint32_t{ToByte(c.r)} << 16) | (uint32_t{ToByte(c.g)} << 8) | ToByte(c.b);
}

DibPicture NewPicture(int size, bool indexed) {
  DibPicture picture;
  picture.width = size;
  picture.height = size;
  if (indexed) picture.indices.resize(size_t(size) * size);
  else picture.rgb.resize(size_t(size) * size * 3);
  return picture;
}

// x, y count from the top-left corner as one draws; files store the bottom
// row first.
size_t PixelIndex(const DibPicture& picture, int x, int y) {
  return size_t(picture.height - 1 - y) * picture.width + x;
}

void PutColor(DibPicture& picture, int x, int y, Color c) {
  uint8_t* p = &picture.rgb[PixelIndex(picture, x, y) * 3];
  p[0] = ToByte(c.r), p[1] = ToByte(c.g), p[2] = ToByte(c.b);
}

void PutIndex(DibPicture& picture, int x, int y, int index) {
  picture.indices[PixelIndex(picture, x, y)] = uint8_t(std::clamp(index, 0, 255));
}

// A palette ramp through the given colour stops, evenly spaced.
std::vector<uint32_t> Ramp(std::initializer_list<Color> stops, int count) {
  const std::vector<Color> s(stops);
  std::vector<uint32_t> palette;
  for (int i = 0; i < count; ++i) {
    const double t = double(i) / (count - 1) * (s.size() - 1);
    const size_t k = std::min(size_t(t), s.size() - 2);
    palette.push_back(Pack(Mix(s[k], s[k + 1], t - k)));
  }
  return palette;
}

// Red brick wall: 8 courses of 4 bricks, each course shifted half a brick.
DibPicture DrawBrickWall() {
  constexpr int kSize = 256, kBrickW = 64, kBrickH = 32, kMortar = 4;
  DibPicture picture = NewPicture(kSize, false);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const int course = y / kBrickH;
      const int bx = (x + (course % 2) * kBrickW / 2) % kSize;
      const int brick = bx / kBrickW;
      const int lx = bx % kBrickW, ly = y % kBrickH;
      const double u = double(x) / kSize, v = double(y) / kSize;
      const double grain = TiledFbm(u, v, 16, 4, 11);
      if (lx < kMortar || ly < kMortar) {
        PutColor(picture, x, y, Scale({0.62, 0.60, 0.55}, 0.75 + 0.4 * grain));
        continue;
      }
      const double tone = 0.75 + 0.35 * Random01(brick, course, 12);
      Color c = Scale({0.62, 0.20, 0.13}, tone * (0.7 + 0.55 * grain));
      if (ly < kMortar + 3 || lx < kMortar + 3) c = Scale(c, 1.18);  // lit upper edge
      if (ly > kBrickH - 4 || lx > kBrickW - 4) c = Scale(c, 0.72);  // shaded lower edge
      const double soot = TiledFbm(u, v, 4, 3, 13);
      PutColor(picture, x, y, Scale(c, 0.8 + 0.4 * soot));
    }
  }
  return picture;
}

// Wooden floor: four boards along the picture's height, grain, gaps, seams.
DibPicture DrawFloorBoards() {
  constexpr int kSize = 256, kBoard = 64;
  DibPicture picture = NewPicture(kSize, true);
  picture.palette = Ramp({{0.16, 0.08, 0.03}, {0.45, 0.27, 0.12}, {0.78, 0.56, 0.32}}, 256);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const int board = x / kBoard, lx = x % kBoard;
      const int seam = int(Random01(board, 0, 21) * kSize);
      const double u = double(x) / kSize, v = double(y) / kSize;
      const double warp = TiledFbm(u, v, 4, 3, 22 + board);
      const double rings = std::sin((lx + warp * 10.0) * 0.7 + board * 1.7);
      double t = 0.48 + 0.16 * rings + 0.3 * (TiledFbm(u * 1.0, v, 32, 2, 23) - 0.5);
      t *= 0.85 + 0.3 * Random01(board, 1, 24);
      if (lx < 2) t = 0.04;                         // gap between boards
      if (std::abs(y - seam) < 1 || std::abs(y - seam) == kSize - 1) t = 0.08;  // board end
      PutIndex(picture, x, y, int(t * 255.0));
    }
  }
  return picture;
}

// Ceiling panel: a bevelled tile with four rivets and a grille, 16 greys.
DibPicture DrawCeilingPanel() {
  constexpr int kSize = 128, kBevel = 6;
  DibPicture picture = NewPicture(kSize, true);
  picture.palette = Ramp({{0.10, 0.11, 0.13}, {0.48, 0.50, 0.54}, {0.86, 0.88, 0.90}}, 16);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const int edge = std::min({x, y, kSize - 1 - x, kSize - 1 - y});
      int shade = 9 + int(2.0 * TiledFbm(x / 128.0, y / 128.0, 8, 3, 31)) - 1;
      if (edge < kBevel) shade = (x < kSize - 1 - y) ? 13 : 4;   // lit top-left bevel
      if (edge == 0) shade = 1;
      const int cx = std::min(x, kSize - 1 - x), cy = std::min(y, kSize - 1 - y);
      const int dx = cx - 14, dy = cy - 14;
      if (dx * dx + dy * dy <= 9) shade = (x < 64) == (y < 64) ? 14 : 12;  // rivet
      if (dx * dx + dy * dy > 9 && dx * dx + dy * dy <= 14) shade = 3;
      const bool grille = std::abs(x - 64) < 30 && std::abs(y - 64) < 30;
      if (grille) shade = ((y - 34) % 8 < 4) ? 2 : 7;
      if (std::abs(x - 64) == 30 || std::abs(y - 64) == 30) {
        if (std::abs(x - 64) <= 30 && std::abs(y - 64) <= 30) shade = 11;
      }
      PutIndex(picture, x, y, shade);
    }
  }
  return picture;
}

// Blue gun metal: brushed streaks, a specular band and fine scratches.
DibPicture DrawGunMetal() {
  constexpr int kSize = 128;
  DibPicture picture = NewPicture(kSize, false);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const double u = double(x) / kSize, v = double(y) / kSize;
      const double streak = TiledFbm(u * 0.125, v, 64, 2, 41);
      const double band = std::exp(-std::pow((y - 40) / 16.0, 2.0)) +
                          0.5 * std::exp(-std::pow((y - 100) / 10.0, 2.0));
      Color c = Scale({0.16, 0.30, 0.66}, 0.65 + 0.5 * streak);
      c = Mix(c, {0.70, 0.82, 1.0}, 0.45 * band);
      if (Random01(x / 12, y, 42) > 0.985) c = Scale(c, 1.3);  // scratches
      PutColor(picture, x, y, c);
    }
  }
  return picture;
}

// Glowing plasma: bright veins on a violet glow, black where it dies out.
DibPicture DrawPlasma() {
  constexpr int kSize = 128;
  DibPicture picture = NewPicture(kSize, true);
  picture.palette = Ramp({{0.0, 0.0, 0.0}, {0.25, 0.02, 0.45}, {0.55, 0.20, 0.95},
                          {0.45, 0.85, 1.0}, {1.0, 1.0, 1.0}}, 256);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const double u = double(x) / kSize, v = double(y) / kSize;
      const double n = TiledFbm(u, v, 4, 4, 51);
      const double vein = std::pow(1.0 - std::min(1.0, std::abs(n - 0.5) * 6.0), 3.0);
      const double glow = TiledFbm(u, v, 2, 2, 52);
      double t = 0.15 + 0.55 * glow + 0.6 * vein;
      if (glow < 0.3 && vein < 0.2) t = 0.0;  // dark holes in the glow
      PutIndex(picture, x, y, int(std::min(t, 1.0) * 255.0));
    }
  }
  return picture;
}

// The wreck: grey plates burnt black, cracked, with rust and embers.
DibPicture DrawScorchedRobot() {
  constexpr int kSize = 128, kPlate = 32;
  DibPicture picture = NewPicture(kSize, false);
  std::vector<uint8_t> crack(size_t(kSize) * kSize, 0);
  for (int k = 0; k < 7; ++k) {  // cracks: random walks across the plates
    int x = int(Random01(k, 0, 61) * kSize), y = int(Random01(k, 1, 61) * kSize);
    for (int step = 0; step < 90; ++step) {
      crack[size_t(y) * kSize + x] = 1;
      const uint32_t h = Hash(k, step, 62);
      x = (x + int(h % 3) - 1 + kSize) % kSize;
      y = (y + ((h >> 4) % 4 == 0 ? 0 : 1) + kSize) % kSize;
    }
  }
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const double u = double(x) / kSize, v = double(y) / kSize;
      const int lx = x % kPlate, ly = y % kPlate;
      Color c = Scale({0.50, 0.50, 0.52}, 0.8 + 0.3 * TiledFbm(u, v, 16, 2, 63));
      if (lx == 0 || ly == 0) c = {0.12, 0.12, 0.12};                          // seams
      if ((lx == 4 || lx == kPlate - 4) && (ly == 4 || ly == kPlate - 4)) c = {0.7, 0.7, 0.7};
      const double soot = TiledFbm(u, v, 4, 4, 64);
      c = Mix(c, {0.05, 0.04, 0.03}, std::clamp((soot - 0.35) * 2.5, 0.0, 0.92));
      const double rust = TiledFbm(u, v, 8, 3, 65);
      if (rust > 0.62) c = Mix(c, {0.45, 0.20, 0.07}, std::min(1.0, (rust - 0.62) * 5.0));
      if (crack[size_t(y) * kSize + x]) c = {0.02, 0.01, 0.01};
      const bool near_crack = crack[size_t(y) * kSize + (x + 1) % kSize] ||
                              crack[size_t((y + 1) % kSize) * kSize + x];
      if (near_crack && !crack[size_t(y) * kSize + x] && soot > 0.5) c = {0.95, 0.42, 0.08};
      PutColor(picture, x, y, c);
    }
  }
  return picture;
}

// Live robot plating: bright bevelled plates, rivets, a hazard band and
// status lights, in 16 flat colours.
DibPicture DrawRobotPlating() {
  constexpr int kSize = 256, kPlate = 64;
  enum : int { kBlack, kDark, kMid, kPlate0, kPlate1, kLight, kWhite, kYellow, kOrange, kCyan,
               kCyanDark, kRed, kSteel, kShadow };
  DibPicture picture = NewPicture(kSize, true);
  picture.palette = {0x000000, 0x2A2E33, 0x6A7078, 0xC4CBD2, 0xD6DCE2, 0xEDF1F4, 0xFFFFFF,
                     0xFFD21F, 0xFF7A1A, 0x6BF4FF, 0x1E8FA8, 0xE02A2A, 0x9AA3AD, 0x4C535B,
                     0x000000, 0x000000};
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const int lx = x % kPlate, ly = y % kPlate;
      const int plate = (x / kPlate + y / kPlate) % 2;
      int index = plate ? kPlate0 : kPlate1;
      if (lx < 3 || ly < 3) index = kLight;                     // lit top-left rim
      if (lx > kPlate - 4 || ly > kPlate - 4) index = kMid;     // shaded rim
      if (lx == 0 || ly == 0) index = kShadow;                  // seam
      const int rx = std::min(lx, kPlate - 1 - lx), ry = std::min(ly, kPlate - 1 - ly);
      const int d = (rx - 8) * (rx - 8) + (ry - 8) * (ry - 8);
      if (d <= 4) index = kWhite;
      else if (d <= 8) index = kSteel;
      if (y >= 112 && y < 144) {                                // hazard band
        index = ((x + y) / 16) % 2 ? kYellow : kDark;
        if (y == 112 || y == 143) index = kBlack;
      }
      if (ly >= 24 && ly < 40 && lx >= 40 && lx < 56 && (y < 112 || y >= 144)) {
        const bool lit = ((x / kPlate) * 3 + (y / kPlate)) % 3 != 0;
        index = (lx == 40 || lx == 55 || ly == 24 || ly == 39) ? kDark
                : lit ? (ly < 30 ? kWhite : kCyan) : kCyanDark;  // status light
      }
      if (ly >= 44 && ly < 48 && lx >= 12 && lx < 36 && (y < 112 || y >= 144)) index = kOrange;
      if (ly >= 48 && ly < 50 && lx >= 12 && lx < 36 && (y < 112 || y >= 144)) index = kRed;
      PutIndex(picture, x, y, index);
    }
  }
  return picture;
}

struct TextureFile {
  const char* name;
  DibPicture (*draw)();
  DibLayout layout;
  bool with_file_header;
};

constexpr TextureFile kTextureFiles[] = {
    {"brick.bmp", DrawBrickWall, DibLayout::kRgb24, true},
    {"deska.bmp", DrawFloorBoards, DibLayout::kIndexed8, true},
    {"panel.bmp", DrawCeilingPanel, DibLayout::kIndexed4Core, true},
    {"niebieski.bmp", DrawGunMetal, DibLayout::kBitfields32, true},
    {"qq.bmp", DrawPlasma, DibLayout::kRle8, true},
    {"robot.bmp", DrawScorchedRobot, DibLayout::kRgb555, false},
    {"plasma.bmp", DrawRobotPlating, DibLayout::kRle4, true},
};

}  // namespace
}  // namespace vorbexia

int main(int argc, char** argv) {
  using namespace vorbexia;
  if (argc > 2) {
    std::fprintf(stderr, "usage: make-textures [DIRECTORY]\n");
    return 2;
  }
  const std::string directory = argc == 2 ? argv[1] : "textures";
  for (const TextureFile& file : kTextureFiles) {
    const std::string path = directory + "/" + file.name;
    if (!WriteFileBytes(path, EncodeDib(file.draw(), file.layout, file.with_file_header))) {
      std::fprintf(stderr, "make-textures: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
