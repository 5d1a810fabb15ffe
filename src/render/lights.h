// The eight coloured spot lights: their fixed colours and cones, set once,
// and their positions, set anew every frame around the viewer.
#pragma once

#include <array>

#include "world/game_state.h"

namespace vorbexia {

constexpr int kLightCount = 8;

// One light's fixed values: ambient colour (R, G, B, A) and spot direction
// (x, y, z). Components above 1 are handed to OpenGL unchanged; only the
// final lit colour is clamped.
struct LightRecord {
  std::array<float, 4> ambient;
  std::array<float, 3> spot_direction;
};

// Lights 0 to 7. Every cone points straight down. Lights 1 to 7 keep the
// default black diffuse and specular colours, so they add only their ambient
// term, and only inside their cones.
inline constexpr std::array<LightRecord, kLightCount> LightTable = {{
    {{0.0f, 30.0f, 0.0f, 1.0f}, {0.0f, -1.0f, 0.0f}},    // green, west end
    {{5.0f, 3.0f, 2.0f, 1.0f}, {0.0f, -1.0f, 0.0f}},     // warm, north-west
    {{30.0f, 0.0f, 0.0f, 10.0f}, {0.0f, -1.0f, 0.0f}},   // red
    {{30.0f, 0.0f, 0.0f, 10.0f}, {0.0f, -1.0f, 0.0f}},   // red
    {{3.0f, 3.0f, 3.0f, 3.0f}, {0.0f, -1.0f, 0.0f}},     // white, over the viewer
    {{0.0f, 0.0f, 30.0f, 3.0f}, {0.0f, -1.0f, 0.0f}},    // blue
    {{0.0f, 0.0f, 30.0f, 3.0f}, {0.0f, -1.0f, 0.0f}},    // blue
    {{10.0f, 5.0f, 12.0f, 3.0f}, {0.0f, -1.0f, 0.0f}},   // violet
}};

// Spot cut-off of each light, degrees from the cone's axis.
inline constexpr std::array<float, kLightCount> kSpotCutoffs = {
    65.0f, 75.0f, 75.0f, 75.0f, 60.0f, 80.0f, 80.0f, 75.0f};

// A light's position as OpenGL takes it: x, y, z, w (w = 1: positional).
using LightPosition = std::array<float, 4>;

// Sets each light's ambient colour, spot direction and cut-off, then enables
// it, light 0 to 7. Called once, with the identity as the modelview matrix,
// so every cone points straight down in eye and world coordinates alike.
void ConfigureLights();

// Where the eight lights stand this frame, relative to the player at
// (px, pz) and without the eye height: a y value is a height above the eye.
std::array<LightPosition, kLightCount> LightPositions(float px, float pz);

// Hands the positions to GL_LIGHT0 to GL_LIGHT7; the caller has the
// camera's rotation (and nothing else) on the modelview matrix.
void PlaceLights(float px, float pz);

}  // namespace vorbexia
