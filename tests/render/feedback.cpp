#include "render/feedback.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace vorbexia {
namespace {

constexpr float kReach = 100.0f;  // world units mapped onto the viewport
constexpr int kViewportSize = 200;
// GL_3D_COLOR_TEXTURE: x, y, z, then RGBA, then s, t, r, q.
constexpr int kFloatsPerVertex = 11;

FeedbackVertex ToWorld(const GLfloat* v) {
  // Window x = world x + 100; window z = (1 - world z / 100) / 2.
  return FeedbackVertex{v[0] - kReach, v[1] - kReach,
                        kReach * (1.0f - 2.0f * v[2]), v[7], v[8]};
}

bool SamePoint(const FeedbackVertex& a, const FeedbackVertex& b) {
  return a.x == b.x && a.y == b.y && a.z == b.z && a.s == b.s && a.t == b.t;
}

}  // namespace

std::vector<FeedbackTriangle> CaptureTriangles(const std::function<void()>& draw) {
  std::vector<GLfloat> buffer(8 * 1024 * 1024);
  glViewport(0, 0, kViewportSize, kViewportSize);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(-kReach, kReach, -kReach, kReach, -kReach, kReach);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR_TEXTURE,
                   buffer.data());
  glRenderMode(GL_FEEDBACK);
  draw();
  const GLint used = glRenderMode(GL_RENDER);
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  EXPECT_GE(used, 0) << "feedback buffer overflow";

  std::vector<FeedbackTriangle> triangles;
  for (GLint i = 0; i < used;) {
    const GLfloat token = buffer[i++];
    if (token == GL_POLYGON_TOKEN) {
      const int count = static_cast<int>(buffer[i++]);
      FeedbackTriangle polygon;
      for (int k = 0; k < count; ++k, i += kFloatsPerVertex) {
        polygon.push_back(ToWorld(&buffer[i]));
      }
      EXPECT_EQ(count, 3) << "expected triangles from the feedback";
      triangles.push_back(polygon);
    } else if (token == GL_PASS_THROUGH_TOKEN) {
      i += 1;
    } else {
      ADD_FAILURE() << "unexpected feedback token " << token;
      break;
    }
  }
  return triangles;
}

std::vector<FeedbackQuad> QuadsOf(const std::vector<FeedbackTriangle>& triangles) {
  std::vector<FeedbackQuad> quads;
  if (triangles.size() % 2 != 0) {
    ADD_FAILURE() << "odd number of triangles: " << triangles.size();
    return quads;
  }
  for (size_t i = 0; i < triangles.size(); i += 2) {
    const FeedbackTriangle& first = triangles[i];
    const FeedbackTriangle& second = triangles[i + 1];
    if (!SamePoint(first[1], second[0]) || !SamePoint(first[2], second[2])) {
      ADD_FAILURE() << "triangles " << i << " and " << i + 1
                    << " do not make a quad";
      return quads;
    }
    quads.push_back({first[0], first[1], second[1], first[2]});
  }
  return quads;
}

Extent ExtentOf(const std::vector<FeedbackTriangle>& triangles) {
  Extent extent{{1e9f, 1e9f, 1e9f}, {-1e9f, -1e9f, -1e9f}};
  for (const FeedbackTriangle& triangle : triangles) {
    for (const FeedbackVertex& v : triangle) {
      const float coords[3] = {v.x, v.y, v.z};
      for (int a = 0; a < 3; ++a) {
        extent.min[a] = std::min(extent.min[a], coords[a]);
        extent.max[a] = std::max(extent.max[a], coords[a]);
      }
    }
  }
  return extent;
}

}  // namespace vorbexia
