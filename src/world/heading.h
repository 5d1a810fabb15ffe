// Where a heading points, in the game's exact arithmetic.
//
// A heading (degrees, never wrapped into 0 to 360) points along
// (-sin h, -cos h) in the x-z plane: heading 0 looks down -z, and a growing
// heading turns left. Every mover steps with these two functions, so the
// player, the robots and the shot round alike.
#pragma once

namespace vorbexia {

// Degrees to radians: the single-precision constant the game has always used.
constexpr float kDegreesToRadians = 0.017453292f;

// A position on the floor (world units).
struct GroundPoint {
  float x = 0.0f;
  float z = 0.0f;
};

// The point `distance` world units ahead of (x, z) along `heading` (degrees).
// Angle, sine, cosine and products are formed in double; each coordinate is
// rounded to a 32-bit float once, when it is returned.
GroundPoint PointAhead(float x, float z, float heading, float distance);

// The point `distance` world units behind (x, z), with the same rounding.
GroundPoint PointBehind(float x, float z, float heading, float distance);

}  // namespace vorbexia
