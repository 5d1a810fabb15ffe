// The game keeps its quadrics for the whole run and never frees them; a test
// that builds the render state or the models in a GameState of its own frees
// them when it is done, so that leak checks stay quiet.
#pragma once

#include <GL/glu.h>

#include "world/game_state.h"

namespace vorbexia {

class OwnedQuadrics {
 public:
  explicit OwnedQuadrics(GameState& state) : state_(state) {}
  OwnedQuadrics(const OwnedQuadrics&) = delete;
  OwnedQuadrics& operator=(const OwnedQuadrics&) = delete;
  ~OwnedQuadrics() {
    for (GLUquadric** quadric :
         {&state_.gun_quadric, &state_.robot_quadric, &state_.shot_quadric}) {
      if (*quadric != nullptr) gluDeleteQuadric(*quadric);
      *quadric = nullptr;
    }
  }

 private:
  GameState& state_;
};

}  // namespace vorbexia
