#include "render/quadrics.h"

#include <GL/glu.h>

#include <vector>

namespace vorbexia {

GLUquadric* NewKeptQuadric() {
  // Deliberately never destroyed, not even at exit.
  static auto* kept = new std::vector<GLUquadric*>;
  GLUquadric* quadric = gluNewQuadric();
  if (quadric != nullptr) kept->push_back(quadric);
  return quadric;
}

}  // namespace vorbexia
