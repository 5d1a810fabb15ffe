#include "fixedgl/near_clip.h"

#include <cmath>

namespace fixedgl {
namespace {

float Distance(const EyeVertex& v) { return v.clip[2] + v.clip[3]; }  // to the near plane

template <size_t N>
void Lerp(std::array<float, N>& to, float t, const std::array<float, N>& out,
          const std::array<float, N>& in) {
  for (size_t i = 0; i < N; ++i) to[i] = out[i] + t * (in[i] - out[i]);
}

// out + t (in - out), as Mesa's interp().
EyeVertex Between(float t, const EyeVertex& out, const EyeVertex& in) {
  EyeVertex v;
  Lerp(v.clip, t, out.clip, in.clip);
  Lerp(v.position, t, out.position, in.position);
  Lerp(v.normal, t, out.normal, in.normal);
  Lerp(v.texcoord, t, out.texcoord, in.texcoord);
  Lerp(v.color, t, out.color, in.color);
  return v;
}

}  // namespace

bool BehindNear(const EyeVertex& v) { return Distance(v) < 0; }

// Mesa's do_clip_tri for one plane: around the triangle from its first
// vertex, each vertex on the near plane's side is kept, and where an edge
// crosses the plane a vertex is made on it, from the outer end.
int ClipNear(const EyeVertex& a, const EyeVertex& b, const EyeVertex& c,
             std::array<EyeVertex, 4>& polygon) {
  const std::array<const EyeVertex*, 4> ring{&a, &b, &c, &a};
  int count = 0;
  const EyeVertex* previous = ring[0];
  float previous_distance = Distance(*previous);
  for (size_t i = 1; i < ring.size(); ++i) {
    const EyeVertex* vertex = ring[i];
    const float distance = Distance(*vertex);
    if (!std::signbit(previous_distance)) polygon[count++] = *previous;
    if (std::signbit(distance) != std::signbit(previous_distance)) {
      if (std::signbit(distance)) {  // going out
        polygon[count++] = Between(distance / (distance - previous_distance), *vertex, *previous);
      } else {  // coming back in
        polygon[count++] = Between(previous_distance / (previous_distance - distance), *previous,
                                   *vertex);
      }
    }
    previous = vertex;
    previous_distance = distance;
  }
  return count;
}

}  // namespace fixedgl
