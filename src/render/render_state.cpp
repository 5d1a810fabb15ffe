#include "render/render_state.h"

#include "render/gl_api.h"

#include "render/lights.h"
#include "render/textures.h"

namespace vorbexia {
namespace {

// Every vertex gets the default material's ambient (0.2 grey) times this
// white: a base light everywhere, the spot lights' colours on top.
constexpr float kLightModelAmbient[4] = {1.0f, 1.0f, 1.0f, 1.0f};

void SetSurfaceState() {
  glEnable(GL_TEXTURE_2D);
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  glClearDepth(1.0);
  glDepthFunc(GL_LESS);
  glEnable(GL_DEPTH_TEST);
  glShadeModel(GL_SMOOTH);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
}

// The gun's cylinders: smooth normals and texture coordinates. Empty when
// GLU has no memory for it.
GLUquadric* NewGunQuadric() {
  GLUquadric* quadric = gluNewQuadric();
  if (quadric == nullptr) return nullptr;
  gluQuadricNormals(quadric, GLU_SMOOTH);
  gluQuadricTexture(quadric, GL_TRUE);
  return quadric;
}

}  // namespace

bool InitGL(GlResources& resources, const ReaderBox& reader_box) {
  if (!LoadTextures(resources.textures, reader_box)) return false;
  SetSurfaceState();
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, kLightModelAmbient);
  ConfigureLights();
  glEnable(GL_LIGHTING);
  resources.gun_quadric = NewGunQuadric();
  return resources.gun_quadric != nullptr;
}

}  // namespace vorbexia
