// The GL objects the rendering makes at start-up and draws with for the
// whole run: the texture names, the models' display lists and the GLU
// quadrics the models are built from. The world knows nothing of them.
#pragma once

#include <array>
#include <cstdint>

// GLU's quadric type, named here so that this header needs no GL headers.
struct GLUquadric;

namespace vorbexia {

// Twelve GL texture names generated at once; slots 0 to 6 hold the images.
using TextureTable = std::array<uint32_t, 12>;

// Texture slots.
constexpr int kTextureBrick = 0;    // walls
constexpr int kTextureFloor = 1;    // floor tiles
constexpr int kTextureCeiling = 2;  // ceiling tiles
constexpr int kTextureGun = 3;      // the gun
constexpr int kTextureShot = 4;     // the plasma shot
constexpr int kTextureWreck = 5;    // destroyed robots
constexpr int kTextureRobot = 6;    // live robots

struct GlResources {
  TextureTable textures{};
  uint32_t robot_list = 0;  // display-list names of the three models
  uint32_t gun_list = 0;
  uint32_t shot_list = 0;
  // The models' quadrics: the gun's is made by InitGL, the other two by
  // BuildModels. Empty until made.
  GLUquadric* gun_quadric = nullptr;
  GLUquadric* robot_quadric = nullptr;
  GLUquadric* shot_quadric = nullptr;
};

// Frees the quadrics that were made and empties all three. A quadric is
// GLU's memory, not a GL object: this sends no GL command and needs no
// context. Texture names and display lists go with the context.
void DeleteQuadrics(GlResources& resources);

}  // namespace vorbexia
