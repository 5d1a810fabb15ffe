#include "render/movers.h"

#include "render/gl_api.h"

namespace vorbexia {
namespace {

// Heights of the models' origins above the floor, world units.
constexpr float kShotHeight = 0.25f;
constexpr float kLiveRobotHeight = 0.3f;
constexpr float kWreckHeight = 0.1f;

// The models face +z; turning by heading + 180 degrees about y points that
// front along the heading.
void FaceHeading(float heading) {
  glRotatef(heading + 180.0f, 0.0f, 1.0f, 0.0f);
}

}  // namespace

void DrawShot(const GameState& state, const GlResources& resources) {
  const ShotState& shot = state.shot;
  glBindTexture(GL_TEXTURE_2D, resources.textures[kTextureShot]);
  glTranslatef(shot.x, kShotHeight, shot.z);
  FaceHeading(shot.heading);
  glCallList(resources.shot_list);
}

void DrawRobot(const GameState& state, const GlResources& resources, int index,
               bool flashing) {
  const RobotState& robot = state.robots[index];
  if (robot.hp <= 0) {
    glBindTexture(GL_TEXTURE_2D, resources.textures[kTextureWreck]);
    glTranslatef(robot.x, kWreckHeight, robot.z);
    FaceHeading(robot.heading);
    // Applied to the model first: its front turns up, its top points
    // against the last heading. The robot lies on its back.
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
  } else {
    glBindTexture(GL_TEXTURE_2D, resources.textures[kTextureRobot]);
    glTranslatef(robot.x, kLiveRobotHeight, robot.z);
    FaceHeading(robot.heading);
  }
  if (!flashing) {
    glCallList(resources.robot_list);
    return;
  }
  // The list's normals stay current after it, as when drawn lit, so only
  // the enables are pushed; the colour goes back to the white that every
  // lit drawing leaves current.
  glPushAttrib(GL_ENABLE_BIT);
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glColor3f(1.0f, 0.95f, 0.7f);  // the plasma's white-hot
  glCallList(resources.robot_list);
  glColor3f(1.0f, 1.0f, 1.0f);
  glPopAttrib();
}

}  // namespace vorbexia
