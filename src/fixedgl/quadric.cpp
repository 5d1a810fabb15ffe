#include "fixedgl/quadric.h"

#include <array>
#include <cmath>

#include "fixedgl/matrix.h"

namespace fixedgl {
namespace {

// GLU's angle tables hold this many entries; more slices or stacks are cut
// down to one less.
constexpr int kCacheSize = 240;

using Cache = std::array<float, kCacheSize>;

}  // namespace

// The float and double mix below is GLU's own: its tables and temporaries
// are floats, its arguments and PI doubles.
void Cylinder(const QuadricStyle& style, double base_radius, double top_radius,
              double height, int slices, int stacks, PrimitiveSink& sink) {
  if (slices >= kCacheSize) slices = kCacheSize - 1;
  if (slices < 2 || stacks < 1 || base_radius < 0.0 || top_radius < 0.0 || height < 0.0) {
    return;
  }
  const float delta_radius = static_cast<float>(base_radius - top_radius);
  const float length = static_cast<float>(
      std::sqrt(static_cast<double>(delta_radius * delta_radius) + height * height));
  if (length == 0.0f) return;
  // The slant of the side: the normals' z and the share of their xy part.
  const float z_normal = delta_radius / length;
  const float xy_normal_ratio = static_cast<float>(height / length);

  Cache sines{}, cosines{}, normal_sines{}, normal_cosines{};
  for (int i = 0; i < slices; ++i) {
    const float angle = static_cast<float>(2 * kPi * i / slices);
    normal_sines[i] = static_cast<float>(xy_normal_ratio * std::sin(static_cast<double>(angle)));
    normal_cosines[i] = static_cast<float>(xy_normal_ratio * std::cos(static_cast<double>(angle)));
    sines[i] = static_cast<float>(std::sin(static_cast<double>(angle)));
    cosines[i] = static_cast<float>(std::cos(static_cast<double>(angle)));
  }
  sines[slices] = sines[0];
  cosines[slices] = cosines[0];
  normal_sines[slices] = normal_sines[0];
  normal_cosines[slices] = normal_cosines[0];

  for (int j = 0; j < stacks; ++j) {
    const float z_low = static_cast<float>(j * height / stacks);
    const float z_high = static_cast<float>((j + 1) * height / stacks);
    const float radius_low = static_cast<float>(
        base_radius - delta_radius * (static_cast<float>(j) / stacks));
    const float radius_high = static_cast<float>(
        base_radius - delta_radius * (static_cast<float>(j + 1) / stacks));
    sink.Begin(kQuadStrip);
    for (int i = 0; i <= slices; ++i) {
      if (style.normals) sink.Normal(normal_sines[i], normal_cosines[i], z_normal);
      const float s = 1 - static_cast<float>(i) / slices;
      if (style.texture) sink.TexCoord(s, static_cast<float>(j) / stacks);
      sink.Vertex(radius_low * sines[i], radius_low * cosines[i], z_low);
      if (style.texture) sink.TexCoord(s, static_cast<float>(j + 1) / stacks);
      sink.Vertex(radius_high * sines[i], radius_high * cosines[i], z_high);
    }
    sink.End();
  }
}

void Sphere(const QuadricStyle& style, double radius, int slices, int stacks,
            PrimitiveSink& sink) {
  if (slices >= kCacheSize) slices = kCacheSize - 1;
  if (stacks >= kCacheSize) stacks = kCacheSize - 1;
  if (slices < 2 || stacks < 1 || radius < 0.0) return;

  // Around the axis: sin and cos of the slice angle. Along it: the unit
  // normal's sin and cos of the stack angle, and the same times the radius.
  Cache slice_sines{}, slice_cosines{};
  Cache stack_sines{}, stack_cosines{}, ring_radii{}, ring_heights{};
  for (int i = 0; i < slices; ++i) {
    const float angle = static_cast<float>(2 * kPi * i / slices);
    slice_sines[i] = static_cast<float>(std::sin(static_cast<double>(angle)));
    slice_cosines[i] = static_cast<float>(std::cos(static_cast<double>(angle)));
  }
  for (int j = 0; j <= stacks; ++j) {
    const float angle = static_cast<float>(kPi * j / stacks);
    stack_sines[j] = static_cast<float>(std::sin(static_cast<double>(angle)));
    stack_cosines[j] = static_cast<float>(std::cos(static_cast<double>(angle)));
    ring_radii[j] = static_cast<float>(radius * std::sin(static_cast<double>(angle)));
    ring_heights[j] = static_cast<float>(radius * std::cos(static_cast<double>(angle)));
  }
  ring_radii[0] = 0;  // the poles come to a point
  ring_radii[stacks] = 0;
  slice_sines[slices] = slice_sines[0];
  slice_cosines[slices] = slice_cosines[0];

  auto ring_vertex = [&](int i, float ring_radius, float z) {
    sink.Vertex(ring_radius * slice_sines[i], ring_radius * slice_cosines[i], z);
  };
  auto ring_normal = [&](int i, float sine, float cosine) {
    if (style.normals) sink.Normal(slice_sines[i] * sine, slice_cosines[i] * sine, cosine);
  };

  int start = 0, finish = stacks;
  if (!style.texture) {
    // The caps as fans: the north pole's, around the ring of stack 1
    // backwards, then the south pole's, around the ring of stack - 1.
    start = 1;
    finish = stacks - 1;
    ring_normal(0, stack_sines[0], stack_cosines[0]);
    sink.Begin(kTriangleFan);
    sink.Vertex(0.0f, 0.0f, static_cast<float>(radius));
    for (int i = slices; i >= 0; --i) {
      ring_normal(i, stack_sines[1], stack_cosines[1]);
      ring_vertex(i, ring_radii[1], ring_heights[1]);
    }
    sink.End();

    ring_normal(stacks, stack_sines[stacks], stack_cosines[stacks]);
    sink.Begin(kTriangleFan);
    sink.Vertex(0.0f, 0.0f, static_cast<float>(-radius));
    for (int i = 0; i <= slices; ++i) {
      ring_normal(i, stack_sines[stacks - 1], stack_cosines[stacks - 1]);
      ring_vertex(i, ring_radii[stacks - 1], ring_heights[stacks - 1]);
    }
    sink.End();
  }
  for (int j = start; j < finish; ++j) {
    sink.Begin(kQuadStrip);
    for (int i = 0; i <= slices; ++i) {
      const float s = 1 - static_cast<float>(i) / slices;
      ring_normal(i, stack_sines[j + 1], stack_cosines[j + 1]);
      if (style.texture) sink.TexCoord(s, 1 - static_cast<float>(j + 1) / stacks);
      ring_vertex(i, ring_radii[j + 1], ring_heights[j + 1]);
      ring_normal(i, stack_sines[j], stack_cosines[j]);
      if (style.texture) sink.TexCoord(s, 1 - static_cast<float>(j) / stacks);
      ring_vertex(i, ring_radii[j], ring_heights[j]);
    }
    sink.End();
  }
}

}  // namespace fixedgl
