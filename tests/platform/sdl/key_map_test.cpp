// SDL keys onto the virtual-key codes of the KeyTable.
#include <gtest/gtest.h>

#include "platform/sdl/key_map.h"

namespace vorbexia {
namespace {

TEST(KeyMapTest, GameKeysGetTheirCodes) {
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_ESCAPE), 27);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_SPACE), 32);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_LEFT), 37);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_UP), 38);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_RIGHT), 39);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_DOWN), 40);
}

TEST(KeyMapTest, OtherKeysGetTheCodesOfTheirKind) {
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_BACKSPACE), 8);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_TAB), 9);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_RETURN), 13);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_LSHIFT), 16);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_RCTRL), 17);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_LALT), 18);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_0), 48);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_9), 57);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_a), 65);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_z), 90);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_F1), 112);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_F12), 123);
}

TEST(KeyMapTest, KeysWithoutCodeAreRefusedAndNoCodeLeavesTheTable) {
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_UNKNOWN), -1);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_F13), -1);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_AUDIOPLAY), -1);
  EXPECT_EQ(VirtualKeyFromSdl(0x7FFFFFFF), -1);
  for (SDL_Keycode key = 0; key < 0x400; ++key) {
    const int code = VirtualKeyFromSdl(key);
    EXPECT_TRUE(code == -1 || (code >= 0 && code <= 255)) << key;
  }
  for (SDL_Keycode key = SDLK_CAPSLOCK; key < SDLK_CAPSLOCK + 0x200; ++key) {
    const int code = VirtualKeyFromSdl(key);
    EXPECT_TRUE(code == -1 || (code >= 0 && code <= 255)) << key;
  }
}

}  // namespace
}  // namespace vorbexia
