#include "render/models.h"

#include "render/gl_api.h"

namespace vorbexia {
namespace {

// Sphere and cylinder tessellation: fine enough that the lights, computed at
// the vertices, look round.
constexpr GLint kSphereSlices = 20;
constexpr GLint kSphereStacks = 20;
constexpr GLint kCylinderSlices = 50;
constexpr GLint kCylinderStacks = 1;

// The robot's boxes, model units (one model unit is 0.1 world units).
constexpr BoxCorners kRobotBody = {
    -1.5f, -1.0f, 1.0f,   1.5f, -1.0f, 1.0f,   1.5f, -1.0f, -1.0f,
    -1.5f, -1.0f, -1.0f,  -1.5f, 2.0f, 1.0f,   1.5f, 2.0f, 1.0f,
    1.5f, 2.0f, -1.0f,    -1.5f, 2.0f, -1.0f};
constexpr BoxCorners kRobotLeg = {
    -0.5f, -1.0f, 0.5f,   0.5f, -1.0f, 0.5f,   0.5f, -1.0f, -0.5f,
    -0.5f, -1.0f, -0.5f,  -0.5f, 2.5f, 0.5f,   0.5f, 2.5f, 0.5f,
    0.5f, 2.5f, -0.5f,    -0.5f, 2.5f, -0.5f};
constexpr BoxCorners kRobotArm = {
    -0.5f, -0.5f, 2.5f,   0.5f, -0.5f, 2.5f,   0.5f, -0.5f, -0.5f,
    -0.5f, -0.5f, -0.5f,  -0.5f, 0.5f, 2.5f,   0.5f, 0.5f, 2.5f,
    0.5f, 0.5f, -0.5f,    -0.5f, 0.5f, -0.5f};

// The corners of each face of DrawBox, in drawing order.
constexpr int kBoxFaces[6][4] = {
    {0, 1, 2, 3},  // bottom
    {0, 1, 5, 4},  // front
    {0, 3, 7, 4},  // left
    {1, 2, 6, 5},  // right
    {2, 3, 7, 6},  // back
    {4, 5, 6, 7},  // top
};

// Texture coordinates of a face's first to fourth vertex: the whole texture.
constexpr float kFaceTexCoords[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};

// The robot: head and eyes on top, body, two legs and two arms pointing
// forward. The robot's quadric keeps the GLU defaults (smooth normals, no
// texture coordinates), so head and eyes take one constant texture sample.
void CompileRobot(GLuint list, GLUquadric* quadric) {
  glNewList(list, GL_COMPILE);
  glScalef(0.1f, 0.1f, 0.1f);
  glPushMatrix();
  glTranslatef(0.0f, 3.0f, 0.0f);
  gluSphere(quadric, 1.5, kSphereSlices, kSphereStacks);  // head
  glPopMatrix();
  glPushMatrix();
  glTranslatef(0.5f, 3.5f, 1.3f);
  gluSphere(quadric, 0.2, kSphereSlices, kSphereStacks);  // right eye
  glTranslatef(-1.0f, 0.0f, 0.0f);
  gluSphere(quadric, 0.2, kSphereSlices, kSphereStacks);  // left eye
  glPopMatrix();
  DrawBox(kRobotBody);
  // The limbs are placed by the running sum of these translations; they
  // stay on the matrix when the list ends.
  glTranslatef(-1.0f, -3.5f, 0.0f);
  DrawBox(kRobotLeg);  // x -1.5 to -0.5, y -4.5 to -1
  glTranslatef(2.0f, 0.0f, 0.0f);
  DrawBox(kRobotLeg);  // x 0.5 to 1.5
  glTranslatef(-2.5f, 4.0f, 0.0f);
  DrawBox(kRobotArm);  // x -2 to -1, y 0 to 1, z -0.5 to 2.5
  glTranslatef(3.0f, 0.0f, 0.0f);
  DrawBox(kRobotArm);  // x 1 to 2
  glEndList();
}

// The gun: a barrel along +z and, at z = 1, two short prongs and two
// cross-pieces, all drawn with the gun's textured quadric.
void CompileGun(GLuint list, GLUquadric* quadric) {
  glNewList(list, GL_COMPILE);
  glScalef(0.15f, 0.15f, 0.15f);
  gluCylinder(quadric, 0.2, 0.2, 1.5, kCylinderSlices, kCylinderStacks);
  glPushMatrix();
  glTranslatef(0.3f, 0.0f, 1.0f);
  gluCylinder(quadric, 0.1, 0.1, 0.5, kCylinderSlices, kCylinderStacks);
  glPopMatrix();
  glPushMatrix();
  glTranslatef(-0.3f, 0.0f, 1.0f);
  gluCylinder(quadric, 0.1, 0.1, 0.5, kCylinderSlices, kCylinderStacks);
  glPopMatrix();
  glPushMatrix();
  glTranslatef(-0.3f, 0.0f, 1.0f);
  glRotatef(90.0f, 0.0f, 1.0f, 0.0f);  // along +x, x -0.3 to 0.4
  gluCylinder(quadric, 0.1, 0.1, 0.7, kCylinderSlices, kCylinderStacks);
  glPopMatrix();
  glPushMatrix();
  glTranslatef(0.3f, 0.0f, 1.0f);
  glRotatef(-90.0f, 0.0f, 1.0f, 0.0f);  // along -x, x 0.3 to -0.4
  gluCylinder(quadric, 0.1, 0.1, 0.7, kCylinderSlices, kCylinderStacks);
  glPopMatrix();
  glEndList();
}

// The shot: a body from z 0 to 2, a nose cone from z 2 to 2.8 and a second
// cone pointing the same way from z -0.3 to 0.5. Its quadric keeps the GLU
// defaults: no texture coordinates, one constant texture sample.
void CompileShot(GLuint list, GLUquadric* quadric) {
  glNewList(list, GL_COMPILE);
  glScalef(0.15f, 0.15f, 0.15f);
  gluCylinder(quadric, 0.5, 0.5, 2.0, kCylinderSlices, kCylinderStacks);
  glTranslatef(0.0f, 0.0f, 2.0f);
  gluCylinder(quadric, 0.5, 0.01, 0.8, kCylinderSlices, kCylinderStacks);
  glTranslatef(0.0f, 0.0f, -2.3f);
  gluCylinder(quadric, 0.5, 0.01, 0.8, kCylinderSlices, kCylinderStacks);
  glEndList();
}

}  // namespace

void DrawBox(const BoxCorners& corners) {
  glBegin(GL_QUADS);
  for (const auto& face : kBoxFaces) {
    for (int v = 0; v < 4; ++v) {
      const float* corner = &corners[3 * face[v]];
      glTexCoord2f(kFaceTexCoords[v][0], kFaceTexCoords[v][1]);
      glVertex3f(corner[0], corner[1], corner[2]);
    }
  }
  glEnd();
}

// Each model gets its own list name, asked for one at a time (robot, gun,
// shot). The robot's and the shot's quadrics are made just before their
// list is opened rather than inside it: making a quadric is no GL command,
// so the lists come out the same, and a failure is seen before anything is
// compiled. A missing name or quadric ends the build; no list is then drawn
// from an absent object. The lists live as long as the context, the
// quadrics until the holder of `resources` frees them (DeleteQuadrics).
bool BuildModels(GlResources& resources) {
  resources.robot_list = glGenLists(1);
  if (resources.robot_list == 0) return false;
  resources.robot_quadric = gluNewQuadric();
  if (resources.robot_quadric == nullptr) return false;
  CompileRobot(resources.robot_list, resources.robot_quadric);

  if (resources.gun_quadric == nullptr) return false;
  resources.gun_list = glGenLists(1);
  if (resources.gun_list == 0) return false;
  CompileGun(resources.gun_list, resources.gun_quadric);

  resources.shot_list = glGenLists(1);
  if (resources.shot_list == 0) return false;
  resources.shot_quadric = gluNewQuadric();
  if (resources.shot_quadric == nullptr) return false;
  CompileShot(resources.shot_list, resources.shot_quadric);
  return true;
}

}  // namespace vorbexia
