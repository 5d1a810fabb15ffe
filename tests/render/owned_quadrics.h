// A test that builds the render state or the models into GlResources of its
// own frees their quadrics when it is done, as GlRenderer does, so that
// leak checks stay quiet.
#pragma once

#include "render/gl_resources.h"

namespace vorbexia {

class OwnedQuadrics {
 public:
  explicit OwnedQuadrics(GlResources& resources) : resources_(resources) {}
  OwnedQuadrics(const OwnedQuadrics&) = delete;
  OwnedQuadrics& operator=(const OwnedQuadrics&) = delete;
  ~OwnedQuadrics() { DeleteQuadrics(resources_); }

 private:
  GlResources& resources_;
};

}  // namespace vorbexia
