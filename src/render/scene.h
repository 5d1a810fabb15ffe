// One frame: lights, camera, the maze quad by quad, the shot and the robots,
// and the gun in front of the viewer, all drawn from the world as it stands.
//
// World units: one wall strip or one floor tile is 1 unit wide; the floor
// lies at y 0, wall tops and the ceiling at y 1.5, the eye at y 0.45.
#pragma once

#include "render/gl_resources.h"
#include "render/hit_flash.h"
#include "render/view_volume.h"
#include "render/wall_shadow.h"
#include "world/game_state.h"

namespace vorbexia {

// What the eye can see this frame: the view volume, and the shadows the
// walls cast from the eye (in which no floor or ceiling tile shows).
struct Sight {
  ViewVolume view;
  WallShadows shadows;
};

// How a frame draws the maze.
enum class SceneDrawing {
  // The game's: wall strips the eye cannot see (outside the view volume, or
  // wholly behind one nearer wall) are left out and the rest go near to far
  // after the gun, so that the depth test turns away what lies behind them
  // before it is shaded; robots and the shot behind a wall are left out
  // too, and the gun's far sides culled; floor and ceiling go in two draws,
  // not one per tile, with blocks of tiles the lights cannot tell apart
  // drawn whole (render/tile_blocks.h). Each quad keeps the reference's cut
  // into triangles, so the frame is the reference's to a level or so
  // (tests/render/fast_frame_test.cpp).
  kFast,
  // Every wall strip in table order, far ones before near ones, as the
  // golden frames were made: the yardstick for the fast drawing.
  kReference,
};

// Draws the whole frame into the back buffer. The world is stepped before,
// by the caller; drawing changes nothing in it. Needs the modelview matrix
// as the current matrix mode, the render state of InitGL and the models of
// BuildModels.
// The robots in `flashes` are drawn flashing.
void DrawScene(const GameState& state, const GlResources& resources,
               SceneDrawing drawing, const RobotFlashes& flashes = {});

// One wall quad, texture slot 0, from the floor to height 1.5 between the
// floor points (x1, z1) and (x2, z2). Texture s runs along the strip, t up.
void DrawWallStrip(const TextureTable& textures, float x1, float z1, float x2,
                   float z2);

// One floor quad at height 0, texture slot 1, corners (x0, z0) and (x1, z1).
void DrawFloorTile(const TextureTable& textures, float x0, float z0, float x1,
                   float z1);

// One ceiling quad at height 1.5, texture slot 2, facing up like the floor.
void DrawCeilingTile(const TextureTable& textures, float x0, float z0,
                     float x1, float z1);

// A wall segment cut into unit strips in increasing coordinate order,
// whichever end comes first; the last strip may reach past the segment's
// end. A segment whose ends are equal draws nothing.
void DrawWall(const TextureTable& textures, const WallSegment& wall);

// Floor and ceiling tiles over the rectangle, column by column along x,
// each floor tile followed by the ceiling tile above it. The first column
// and row start at x_min and z_min truncated toward zero. A tile that
// cannot be seen (wholly outside the view volume, or behind a wall) only
// binds its texture.
void DrawFloorAndCeiling(const TextureTable& textures, const FloorRect& floor,
                         const Sight& sight);

// The maze: the walls segment by segment in table order, then floor and
// ceiling. Leaves texture coordinate (0, 1) current, as every maze quad
// ends on it.
void DrawMaze(const GameState& state, const TextureTable& textures,
              const Sight& sight);

// The maze as the fast drawing draws it: the wall strips that can show,
// nearest first (by their nearest point to the eye at (px, pz)), in one
// draw; then the floor tiles and the ceiling tiles that can show, one draw
// each, joined blocks in place of their tiles. Leaves texture coordinate
// (0, 1) current as DrawMaze does.
void DrawMazeNearToFar(const GameState& state, const TextureTable& textures,
                       const Sight& sight, float px, float pz);

// The gun, texture slot 3 and the gun's list, 0.1 ahead of the player at
// (px, pz) and 0.1 below the eye, pointing along the player's heading.
void DrawWeapon(const GameState& state, const GlResources& resources, float px,
                float pz);

}  // namespace vorbexia
