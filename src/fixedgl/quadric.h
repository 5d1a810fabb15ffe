// GLU's quadrics: the cylinder and the sphere cut into GL primitives exactly
// as the reference GLU (SGI's, which Mesa ships as libGLU) cuts them: the
// same primitives in the same order, vertex by vertex, with the same normals
// and texture coordinates, each rounded to float where GLU rounds it.
// Only filled surfaces seen from outside are made (GLU's defaults), with
// smooth normals or none.
#pragma once

namespace fixedgl {

// Where the primitives go: GL's immediate-mode calls. The mode is one of
// kQuadStrip and kTriangleFan.
class PrimitiveSink {
 public:
  virtual ~PrimitiveSink() = default;
  virtual void Begin(unsigned mode) = 0;
  virtual void Normal(float x, float y, float z) = 0;
  virtual void TexCoord(float s, float t) = 0;
  virtual void Vertex(float x, float y, float z) = 0;
  virtual void End() = 0;
};

constexpr unsigned kTriangleFan = 0x0006;  // GL_TRIANGLE_FAN
constexpr unsigned kQuadStrip = 0x0008;    // GL_QUAD_STRIP

struct QuadricStyle {
  bool normals = true;    // GLU_SMOOTH (the default); false: GLU_NONE
  bool texture = false;   // gluQuadricTexture
};

// gluCylinder: along +z from 0 to height, radius from base to top, no caps.
// Invalid sizes (fewer than 2 slices or 1 stack, negative radii or height,
// no slant length) draw nothing, as GLU reports them and draws nothing.
void Cylinder(const QuadricStyle& style, double base_radius, double top_radius,
              double height, int slices, int stacks, PrimitiveSink& sink);

// gluSphere: centred on the origin, poles on the z axis. Untextured, its
// two polar caps are triangle fans and the rest quad strips; textured, all
// stacks are quad strips. GLU gives each cap's apex the normal of
// slice `stacks`, which only exists for stacks <= slices; beyond, GLU reads
// memory it never wrote and this takes (0, 0, cos) instead.
void Sphere(const QuadricStyle& style, double radius, int slices, int stacks,
            PrimitiveSink& sink);

}  // namespace fixedgl
