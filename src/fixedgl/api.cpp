#include "fixedgl/api.h"

#include <new>

#include "fixedgl/context.h"

namespace fixedgl {
namespace {

// The one global the GL-style calls force: they name no context.
Context* current = nullptr;

}  // namespace

void MakeCurrent(Context* context) {
  if (current != nullptr && current != context) current->Flush();
  current = context;
}

Context* CurrentContext() { return current; }

void Flush() {
  if (current) current->Flush();
}

void glBegin(GLenum mode) { if (current) current->Begin(mode); }
void glEnd() { if (current) current->End(); }
void glVertex2f(GLfloat x, GLfloat y) { if (current) current->Vertex(x, y, 0.0f); }
void glVertex3f(GLfloat x, GLfloat y, GLfloat z) { if (current) current->Vertex(x, y, z); }
void glTexCoord2f(GLfloat s, GLfloat t) { if (current) current->TexCoord(s, t); }
void glNormal3f(GLfloat x, GLfloat y, GLfloat z) { if (current) current->Normal(x, y, z); }
void glColor3f(GLfloat r, GLfloat g, GLfloat b) { if (current) current->Color(r, g, b, 1.0f); }
void glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
  if (current) current->Color(r, g, b, a);
}

void glMatrixMode(GLenum mode) { if (current) current->MatrixMode(mode); }
void glLoadIdentity() { if (current) current->LoadIdentity(); }
void glPushMatrix() { if (current) current->PushMatrix(); }
void glPopMatrix() { if (current) current->PopMatrix(); }
void glTranslatef(GLfloat x, GLfloat y, GLfloat z) { if (current) current->Translate(x, y, z); }
void glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
  if (current) current->Rotate(angle, x, y, z);
}
void glScalef(GLfloat x, GLfloat y, GLfloat z) { if (current) current->Scale(x, y, z); }
void glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top,
             GLdouble near_plane, GLdouble far_plane) {
  if (current) current->Ortho(left, right, bottom, top, near_plane, far_plane);
}

GLuint glGenLists(GLsizei range) { return current ? current->GenLists(range) : 0; }
void glNewList(GLuint list, GLenum mode) { if (current) current->NewList(list, mode); }
void glEndList() { if (current) current->EndList(); }
void glCallList(GLuint list) { if (current) current->CallList(list); }

void glLightf(GLenum light, GLenum pname, GLfloat param) {
  if (current) current->Lightfv(light, pname, &param);
}
void glLightfv(GLenum light, GLenum pname, const GLfloat* params) {
  if (current) current->Lightfv(light, pname, params);
}
void glLightModelf(GLenum pname, GLfloat param) {
  if (current) current->LightModelfv(pname, &param);
}
void glLightModelfv(GLenum pname, const GLfloat* params) {
  if (current) current->LightModelfv(pname, params);
}
void glShadeModel(GLenum mode) { if (current) current->ShadeModel(mode); }
// Perspective correction is always on in ES 2; the hint has nothing to pick.
void glHint(GLenum, GLenum) {}
void glPushAttrib(GLbitfield mask) { if (current) current->PushAttrib(mask); }
void glPopAttrib() { if (current) current->PopAttrib(); }

void glEnable(GLenum cap) { if (current) current->Enable(cap, true); }
void glDisable(GLenum cap) { if (current) current->Enable(cap, false); }
GLboolean glIsEnabled(GLenum cap) {
  return current && current->IsEnabled(cap) ? GL_TRUE : GL_FALSE;
}
void glGetFloatv(GLenum pname, GLfloat* params) {
  if (!current || !current->GetFloatv(pname, params)) ::glGetFloatv(pname, params);
}
void glGetIntegerv(GLenum pname, GLint* params) {
  // What the layer does not keep, the ES 2 context answers: its limits
  // (GL_MAX_TEXTURE_SIZE, which the texture upload checks) are the real ones.
  if (!current || !current->GetIntegerv(pname, params)) ::glGetIntegerv(pname, params);
}
void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
  if (current) current->Viewport(x, y, width, height);
}
void glClearColor(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
  if (current) current->ClearColor(r, g, b, a);
}
void glClearDepth(GLclampd depth) { if (current) current->ClearDepth(depth); }
void glClear(GLbitfield mask) { if (current) current->Clear(mask); }
void glDepthFunc(GLenum func) { if (current) current->DepthFunc(func); }
void glBindTexture(GLenum target, GLuint texture) {
  if (current) current->BindTexture(target, texture);
}
void glTexImage2D(GLenum target, GLint level, GLint internal_format, GLsizei width,
                  GLsizei height, GLint border, GLenum format, GLenum type,
                  const void* pixels) {
  if (current && target == GL_TEXTURE_2D) {
    current->TexImage2D(level, internal_format, width, height, border, format, type, pixels);
  }
}
void glTexParameteri(GLenum target, GLenum pname, GLint param) {
  if (current && target == GL_TEXTURE_2D) current->TexParameteri(pname, param);
}
void glFinish() {
  Flush();
  ::glFinish();
}
void glFlush() {
  Flush();
  ::glFlush();
}

void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble near_plane,
                    GLdouble far_plane) {
  if (current) current->Perspective(fovy, aspect, near_plane, far_plane);
}

GLUquadric* gluNewQuadric() { return new (std::nothrow) GLUquadric{}; }
void gluDeleteQuadric(GLUquadric* quadric) { delete quadric; }

// GLU_FLAT is not offered: the quadric keeps its normals, as GLU keeps
// them for a value it does not know.
void gluQuadricNormals(GLUquadric* quadric, GLenum normals) {
  if (quadric == nullptr) return;
  if (normals == GLU_SMOOTH) quadric->style.normals = true;
  if (normals == GLU_NONE) quadric->style.normals = false;
}
void gluQuadricTexture(GLUquadric* quadric, GLboolean texture) {
  if (quadric) quadric->style.texture = texture != GL_FALSE;
}
void gluCylinder(GLUquadric* quadric, GLdouble base_radius, GLdouble top_radius,
                 GLdouble height, GLint slices, GLint stacks) {
  if (current && quadric) {
    current->Quadric(*quadric, false, base_radius, top_radius, height, slices, stacks);
  }
}
void gluSphere(GLUquadric* quadric, GLdouble radius, GLint slices, GLint stacks) {
  if (current && quadric) current->Quadric(*quadric, true, radius, 0, 0, slices, stacks);
}

}  // namespace fixedgl
