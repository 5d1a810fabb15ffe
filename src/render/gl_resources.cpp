#include "render/gl_resources.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <initializer_list>

namespace vorbexia {

void DeleteQuadrics(GlResources& resources) {
  for (GLUquadric** quadric : {&resources.gun_quadric, &resources.robot_quadric,
                               &resources.shot_quadric}) {
    if (*quadric != nullptr) gluDeleteQuadric(*quadric);
    *quadric = nullptr;
  }
}

}  // namespace vorbexia
