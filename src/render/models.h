// The three solid models, each compiled once into a display list: the robot,
// the gun held in front of the viewer and the plasma shot.
//
// Every model is built in its own units and begins with a uniform scale
// (0.1 for the robot, 0.15 for the gun and the shot); its front faces +z.
// A list leaves its scale (and, for the robot and the shot, a translation) on
// the modelview matrix, so every caller wraps the call in a push/pop pair:
//   RobotList  caller x scale 0.1  x translation (1.5, 0.5, 0)
//   GunList    caller x scale 0.15
//   ShotList   caller x scale 0.15 x translation (0, 0, -0.3)
#pragma once

#include <array>

#include "render/gl_resources.h"

namespace vorbexia {

// A box given by its eight corners P0 to P7, three floats (x, y, z) each.
// P0 to P3 lie on the bottom face, P4 to P7 on the top face, each Pk+4 above
// Pk; P0 is at (smallest x, largest z), P1 (largest x, largest z),
// P2 (largest x, smallest z), P3 (smallest x, smallest z).
using BoxCorners = std::array<float, 24>;

// One glBegin(GL_QUADS)..glEnd block of six quads, each with the texture
// coordinates (0, 0), (1, 0), (1, 1), (0, 1) on its four vertices: bottom,
// front, left, right, back, top. No texture, colour, normal or matrix of its
// own: the quads are lit with whatever normal is current.
void DrawBox(const BoxCorners& corners);

// Compiles RobotList, GunList and ShotList, in that order, into the list
// names of `resources`, making the robot's and the shot's quadrics on the
// way. Needs resources.gun_quadric (made by InitGL). False when a list name
// or a quadric could not be had; nothing is then compiled from an absent
// object.
bool BuildModels(GlResources& resources);

}  // namespace vorbexia
