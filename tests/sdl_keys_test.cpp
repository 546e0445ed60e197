// SDL's keys as the game sees them: the numbers are Windows' virtual-key codes, written out here
// rather than taken from our own table.
#include "platform/sdl_keys.h"

#include <gtest/gtest.h>

namespace cw {
namespace {

TEST(SdlKeysTest, KeypadFollowsNumLock) {
  // Without Num Lock the keypad moves like the keys printed on it.
  EXPECT_EQ(VirtualKey(SDLK_KP_8, KMOD_NONE), 38);
  EXPECT_EQ(VirtualKey(SDLK_KP_2, KMOD_NONE), 40);
  EXPECT_EQ(VirtualKey(SDLK_KP_4, KMOD_NONE), 37);
  EXPECT_EQ(VirtualKey(SDLK_KP_6, KMOD_NONE), 39);
  EXPECT_EQ(VirtualKey(SDLK_KP_5, KMOD_NONE), 12);
  EXPECT_EQ(VirtualKey(SDLK_KP_0, KMOD_NONE), 45);
  EXPECT_EQ(VirtualKey(SDLK_KP_PERIOD, KMOD_NONE), 46);
  EXPECT_EQ(KeyCharacter(SDLK_KP_8, KMOD_NONE), 0);
  EXPECT_EQ(KeyCharacter(SDLK_KP_0, KMOD_NONE), 0);
  // With it, digits.
  EXPECT_EQ(VirtualKey(SDLK_KP_8, KMOD_NUM), 104);
  EXPECT_EQ(VirtualKey(SDLK_KP_0, KMOD_NUM), 96);
  EXPECT_EQ(VirtualKey(SDLK_KP_PERIOD, KMOD_NUM), 110);
  EXPECT_EQ(KeyCharacter(SDLK_KP_8, KMOD_NUM), '8');
  EXPECT_EQ(KeyCharacter(SDLK_KP_PERIOD, KMOD_NUM), '.');
  // Plus, minus and Enter on the keypad whatever Num Lock says; the main row's minus has its own code.
  for (uint16_t mod : {uint16_t(KMOD_NONE), uint16_t(KMOD_NUM)}) {
    EXPECT_EQ(VirtualKey(SDLK_KP_PLUS, mod), 107);
    EXPECT_EQ(KeyCharacter(SDLK_KP_PLUS, mod), '+');
    EXPECT_EQ(VirtualKey(SDLK_KP_MINUS, mod), 109);
    EXPECT_EQ(KeyCharacter(SDLK_KP_MINUS, mod), '-');
    EXPECT_EQ(VirtualKey(SDLK_KP_ENTER, mod), 13);
    EXPECT_EQ(KeyCharacter(SDLK_KP_ENTER, mod), '\r');
  }
  EXPECT_EQ(VirtualKey(SDLK_MINUS, KMOD_NONE), 189);
  EXPECT_EQ(KeyCharacter(SDLK_MINUS, KMOD_NONE), '-');
}

TEST(SdlKeysTest, LettersFollowShiftAndCapsLockTheirCodeDoesNot) {
  EXPECT_EQ(VirtualKey(SDLK_m, KMOD_NONE), 77);
  EXPECT_EQ(VirtualKey(SDLK_m, KMOD_LSHIFT), 77);
  EXPECT_EQ(VirtualKey(SDLK_m, KMOD_CAPS), 77);
  EXPECT_EQ(KeyCharacter(SDLK_m, KMOD_NONE), 'm');
  EXPECT_EQ(KeyCharacter(SDLK_m, KMOD_LSHIFT), 'M');
  EXPECT_EQ(KeyCharacter(SDLK_m, KMOD_RSHIFT), 'M');
  EXPECT_EQ(KeyCharacter(SDLK_m, KMOD_CAPS), 'M');
  EXPECT_EQ(KeyCharacter(SDLK_m, KMOD_CAPS | KMOD_LSHIFT), 'm');
  // Other keys type their unshifted character on every layout alike.
  EXPECT_EQ(VirtualKey(SDLK_1, KMOD_LSHIFT), '1');
  EXPECT_EQ(KeyCharacter(SDLK_1, KMOD_LSHIFT), '1');
  EXPECT_EQ(KeyCharacter(SDLK_SPACE, KMOD_LSHIFT), ' ');
  // Controls and function keys.
  EXPECT_EQ(VirtualKey(SDLK_LCTRL, KMOD_NONE), 17);
  EXPECT_EQ(VirtualKey(SDLK_RCTRL, KMOD_NONE), 17);
  EXPECT_EQ(VirtualKey(SDLK_ESCAPE, KMOD_NONE), 27);
  EXPECT_EQ(KeyCharacter(SDLK_ESCAPE, KMOD_NONE), 27);
  EXPECT_EQ(VirtualKey(SDLK_F1, KMOD_NONE), 112);
  EXPECT_EQ(VirtualKey(SDLK_F11, KMOD_NONE), 122);
  EXPECT_EQ(KeyCharacter(SDLK_F1, KMOD_NONE), 0);
  EXPECT_EQ(VirtualKey(SDLK_VOLUMEUP, KMOD_NONE), 0);
}

}  // namespace
}  // namespace cw
