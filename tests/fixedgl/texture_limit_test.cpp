// The texture limit through the layer is the ES 2 context's own (WebGL's in
// the browser), so the renderer's check refuses there what it refuses on the
// desktop: a picture wider than the graphics take.
#include <gtest/gtest.h>

#include "fixedgl/api.h"
#include "fixedgl/context.h"
#include "fixedgl/es_context.h"
#include "image/dib_bytes.h"
#include "image/texture_directory.h"
#include "render/textures.h"

namespace vorbexia::test {
namespace {

TEST_F(TextureDirectory, LimitIsTheEsContextsAndAWiderPictureIsRefused) {
  EsContext es(64, 64);
  ASSERT_TRUE(es.ok()) << "no OpenGL ES 2 context through EGL";
  fixedgl::Context gl(64, 64);
  fixedgl::MakeCurrent(&gl);
  GLint es_side = 0, side = -1;
  ::glGetIntegerv(GL_MAX_TEXTURE_SIZE, &es_side);
  fixedgl::glGetIntegerv(GL_MAX_TEXTURE_SIZE, &side);
  EXPECT_GT(es_side, 0);
  EXPECT_EQ(side, es_side);
  Replace(0, WithFileHeader(InfoHeader(side + 1, 1, 24), Bytes().Zeros(size_t(side + 1) * 3 + 3)).data);
  TextureTable textures{};
  BoxLog log;
  EXPECT_FALSE(LoadTextures(textures, log.box()));
  ASSERT_EQ(log.texts.size(), 1u);
  EXPECT_EQ(log.texts[0].rfind("Image textures/brick.bmp too large for the graphics: ", 0), 0u);
  fixedgl::MakeCurrent(nullptr);
}

}  // namespace
}  // namespace vorbexia::test
