// The plain OpenGL 1.1 and GLU names, each standing for its fixedgl::
// counterpart, for code written against <GL/gl.h> and <GL/glu.h>. Include it
// instead of those headers (render/gl_api.h does), never before another
// header that declares GL functions: the names below become macros.
#pragma once

#include "fixedgl/api.h"

#define glBegin fixedgl::glBegin
#define glBindTexture fixedgl::glBindTexture
#define glCallList fixedgl::glCallList
#define glClear fixedgl::glClear
#define glClearColor fixedgl::glClearColor
#define glClearDepth fixedgl::glClearDepth
#define glColor3f fixedgl::glColor3f
#define glColor4f fixedgl::glColor4f
#define glDepthFunc fixedgl::glDepthFunc
#define glDisable fixedgl::glDisable
#define glEnable fixedgl::glEnable
#define glEnd fixedgl::glEnd
#define glEndList fixedgl::glEndList
#define glFinish fixedgl::glFinish
#define glFlush fixedgl::glFlush
#define glGenLists fixedgl::glGenLists
#define glGetFloatv fixedgl::glGetFloatv
#define glGetIntegerv fixedgl::glGetIntegerv
#define glHint fixedgl::glHint
#define glIsEnabled fixedgl::glIsEnabled
#define glLightModelf fixedgl::glLightModelf
#define glLightModelfv fixedgl::glLightModelfv
#define glLightf fixedgl::glLightf
#define glLightfv fixedgl::glLightfv
#define glLoadIdentity fixedgl::glLoadIdentity
#define glMatrixMode fixedgl::glMatrixMode
#define glNewList fixedgl::glNewList
#define glNormal3f fixedgl::glNormal3f
#define glOrtho fixedgl::glOrtho
#define glPopAttrib fixedgl::glPopAttrib
#define glPopMatrix fixedgl::glPopMatrix
#define glPushAttrib fixedgl::glPushAttrib
#define glPushMatrix fixedgl::glPushMatrix
#define glRotatef fixedgl::glRotatef
#define glScalef fixedgl::glScalef
#define glShadeModel fixedgl::glShadeModel
#define glTexCoord2f fixedgl::glTexCoord2f
#define glTexImage2D fixedgl::glTexImage2D
#define glTexParameteri fixedgl::glTexParameteri
#define glTranslatef fixedgl::glTranslatef
#define glVertex2f fixedgl::glVertex2f
#define glVertex3f fixedgl::glVertex3f
#define glViewport fixedgl::glViewport
#define gluCylinder fixedgl::gluCylinder
#define gluDeleteQuadric fixedgl::gluDeleteQuadric
#define gluNewQuadric fixedgl::gluNewQuadric
#define gluPerspective fixedgl::gluPerspective
#define gluQuadricNormals fixedgl::gluQuadricNormals
#define gluQuadricTexture fixedgl::gluQuadricTexture
#define gluSphere fixedgl::gluSphere
