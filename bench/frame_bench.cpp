// The benchmarks' shared pieces (frame_bench.h). Built into each benchmark
// with its own GL: the system's on the desktop, the fixed-function layer in
// the browser (render/gl_api.h picks).
#include "frame_bench.h"

#include <algorithm>
#include <cstdio>

#include "render/gl_api.h"
#include "render/lights.h"

namespace vorbexia::bench {

double Percentile(std::vector<double> values, double fraction) {
  std::sort(values.begin(), values.end());
  const double rank = fraction * static_cast<double>(values.size() - 1);
  return values[static_cast<size_t>(rank + 0.5)];
}

double Median(const std::vector<double>& values) {
  return Percentile(values, 0.5);
}

void Print(const std::string& name, double value) {
  std::printf("%s %.3f\n", name.c_str(), value);
  std::fflush(stdout);
}

KeptNormal::KeptNormal() { glGetFloatv(GL_CURRENT_NORMAL, normal_); }

KeptNormal::~KeptNormal() { glNormal3f(normal_[0], normal_[1], normal_[2]); }

void DrawFillQuad(const GlResources& resources) {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  PlaceLights(kViews[0].player.x, kViews[0].player.z);
  glBindTexture(GL_TEXTURE_2D, resources.textures[kTextureBrick]);
  glNormal3f(0.0f, 0.0f, 1.0f);
  glBegin(GL_QUADS);
  glTexCoord2f(0.0f, 0.0f);
  glVertex3f(-0.6f, -0.45f, -1.0f);
  glTexCoord2f(1.0f, 0.0f);
  glVertex3f(0.6f, -0.45f, -1.0f);
  glTexCoord2f(1.0f, 1.0f);
  glVertex3f(0.6f, 0.45f, -1.0f);
  glTexCoord2f(0.0f, 1.0f);
  glVertex3f(-0.6f, 0.45f, -1.0f);
  glEnd();
}

}  // namespace vorbexia::bench
