#include "render/gl_resources.h"

#include "render/gl_api.h"

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
