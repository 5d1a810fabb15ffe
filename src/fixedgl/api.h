// The OpenGL 1.1 and GLU calls the game's renderer makes, drawn on OpenGL
// ES 2 (WebGL in the browser; Mesa's GLES2 through EGL in the native tests).
// Each call here has its desktop name inside namespace fixedgl and acts on
// the current fixedgl::Context; fixedgl/gl_names.h maps the plain names onto
// these. See src/fixedgl/README.md for how a platform uses the layer.
#pragma once

#include <GLES2/gl2.h>

#include "fixedgl/quadric.h"

// The GL 1.1 and GLU values OpenGL ES 2 has no name for.
typedef double GLdouble;
typedef double GLclampd;

#define GL_QUADS 0x0007
#define GL_QUAD_STRIP 0x0008
#define GL_POLYGON 0x0009
#define GL_MATRIX_MODE 0x0BA0
#define GL_MODELVIEW 0x1700
#define GL_PROJECTION 0x1701
#define GL_MODELVIEW_MATRIX 0x0BA6
#define GL_PROJECTION_MATRIX 0x0BA7
#define GL_COMPILE 0x1300
#define GL_COMPILE_AND_EXECUTE 0x1301
#define GL_CURRENT_COLOR 0x0B00
#define GL_CURRENT_NORMAL 0x0B02
#define GL_CURRENT_TEXTURE_COORDS 0x0B03
#define GL_LIGHTING 0x0B50
#define GL_LIGHT_MODEL_LOCAL_VIEWER 0x0B51
#define GL_LIGHT_MODEL_TWO_SIDE 0x0B52
#define GL_LIGHT_MODEL_AMBIENT 0x0B53
#define GL_SHADE_MODEL 0x0B54
#define GL_NORMALIZE 0x0BA1
#define GL_PERSPECTIVE_CORRECTION_HINT 0x0C50
#define GL_FLAT 0x1D00
#define GL_SMOOTH 0x1D01
#define GL_AMBIENT 0x1200
#define GL_DIFFUSE 0x1201
#define GL_SPECULAR 0x1202
#define GL_POSITION 0x1203
#define GL_SPOT_DIRECTION 0x1204
#define GL_SPOT_EXPONENT 0x1205
#define GL_SPOT_CUTOFF 0x1206
#define GL_CONSTANT_ATTENUATION 0x1207
#define GL_LINEAR_ATTENUATION 0x1208
#define GL_QUADRATIC_ATTENUATION 0x1209
#define GL_LIGHT0 0x4000
#define GL_LIGHT1 0x4001
#define GL_LIGHT2 0x4002
#define GL_LIGHT3 0x4003
#define GL_LIGHT4 0x4004
#define GL_LIGHT5 0x4005
#define GL_LIGHT6 0x4006
#define GL_LIGHT7 0x4007
#define GL_CURRENT_BIT 0x00000001
#define GL_LIGHTING_BIT 0x00000040
#define GL_VIEWPORT_BIT 0x00000800
#define GL_TRANSFORM_BIT 0x00001000
#define GL_ENABLE_BIT 0x00002000
#define GL_TEXTURE_BIT 0x00040000
#define GL_ALL_ATTRIB_BITS 0x000FFFFF
#define GLU_SMOOTH 100000
#define GLU_FLAT 100001
#define GLU_NONE 100002

// GLU's quadric object: how its surfaces are drawn.
struct GLUquadric {
  fixedgl::QuadricStyle style;
};
typedef GLUquadric GLUquadricObj;

namespace fixedgl {

class Context;

// The context the calls below act on. OpenGL's own calls name no context,
// so this one pointer is the layer's only global; everything else lives in
// the Context. nullptr: none, and the calls do nothing.
void MakeCurrent(Context* context);
Context* CurrentContext();
// Draws what the calls have gathered so far. Call it where the desktop
// swaps buffers, and before reading pixels back.
void Flush();

// OpenGL 1.1.
void glBegin(GLenum mode);
void glEnd();
void glVertex2f(GLfloat x, GLfloat y);
void glVertex3f(GLfloat x, GLfloat y, GLfloat z);
void glTexCoord2f(GLfloat s, GLfloat t);
void glNormal3f(GLfloat x, GLfloat y, GLfloat z);
void glColor3f(GLfloat r, GLfloat g, GLfloat b);
void glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a);
void glMatrixMode(GLenum mode);
void glLoadIdentity();
void glPushMatrix();
void glPopMatrix();
void glTranslatef(GLfloat x, GLfloat y, GLfloat z);
void glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z);
void glScalef(GLfloat x, GLfloat y, GLfloat z);
void glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top,
             GLdouble near_plane, GLdouble far_plane);
GLuint glGenLists(GLsizei range);
void glNewList(GLuint list, GLenum mode);
void glEndList();
void glCallList(GLuint list);
void glLightf(GLenum light, GLenum pname, GLfloat param);
void glLightfv(GLenum light, GLenum pname, const GLfloat* params);
void glLightModelf(GLenum pname, GLfloat param);
void glLightModelfv(GLenum pname, const GLfloat* params);
void glShadeModel(GLenum mode);
void glHint(GLenum target, GLenum mode);
void glPushAttrib(GLbitfield mask);
void glPopAttrib();
void glEnable(GLenum cap);
void glDisable(GLenum cap);
GLboolean glIsEnabled(GLenum cap);
void glGetFloatv(GLenum pname, GLfloat* params);
void glGetIntegerv(GLenum pname, GLint* params);
void glViewport(GLint x, GLint y, GLsizei width, GLsizei height);
void glClearColor(GLfloat r, GLfloat g, GLfloat b, GLfloat a);
void glClearDepth(GLclampd depth);
void glClear(GLbitfield mask);
void glDepthFunc(GLenum func);
void glBindTexture(GLenum target, GLuint texture);
void glTexImage2D(GLenum target, GLint level, GLint internal_format, GLsizei width,
                  GLsizei height, GLint border, GLenum format, GLenum type,
                  const void* pixels);
void glTexParameteri(GLenum target, GLenum pname, GLint param);
void glFinish();
void glFlush();

// GLU.
void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble near_plane,
                    GLdouble far_plane);
GLUquadric* gluNewQuadric();
void gluDeleteQuadric(GLUquadric* quadric);
void gluQuadricNormals(GLUquadric* quadric, GLenum normals);
void gluQuadricTexture(GLUquadric* quadric, GLboolean texture);
void gluCylinder(GLUquadric* quadric, GLdouble base_radius, GLdouble top_radius,
                 GLdouble height, GLint slices, GLint stacks);
void gluSphere(GLUquadric* quadric, GLdouble radius, GLint slices, GLint stacks);

}  // namespace fixedgl
