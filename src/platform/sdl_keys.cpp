#include "platform/sdl_keys.h"

namespace cw {

int VirtualKey(SDL_Keycode sym, uint16_t mod) {
  if (sym >= SDLK_a && sym <= SDLK_z) return 'A' + (sym - SDLK_a);
  if (sym >= SDLK_0 && sym <= SDLK_9) return '0' + (sym - SDLK_0);
  if (sym >= SDLK_F1 && sym <= SDLK_F12) return 112 + (sym - SDLK_F1);
  if (sym >= SDLK_KP_1 && sym <= SDLK_KP_9 && (mod & KMOD_NUM)) return 97 + (sym - SDLK_KP_1);
  switch (sym) {
    case SDLK_BACKSPACE: return 8;
    case SDLK_TAB: return 9;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return 13;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return 16;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return 17;
    case SDLK_LALT:
    case SDLK_RALT: return 18;
    case SDLK_PAUSE: return 19;
    case SDLK_CAPSLOCK: return 20;
    case SDLK_ESCAPE: return 27;
    case SDLK_SPACE: return 32;
    case SDLK_PAGEUP: return 33;
    case SDLK_PAGEDOWN: return 34;
    case SDLK_END: return 35;
    case SDLK_HOME: return 36;
    case SDLK_LEFT: return 37;
    case SDLK_UP: return 38;
    case SDLK_RIGHT: return 39;
    case SDLK_DOWN: return 40;
    case SDLK_PRINTSCREEN: return 44;
    case SDLK_INSERT: return 45;
    case SDLK_DELETE: return 46;
    case SDLK_LGUI: return 91;
    case SDLK_RGUI: return 92;
    case SDLK_APPLICATION: return 93;
    case SDLK_KP_MULTIPLY: return 106;
    case SDLK_KP_PLUS: return 107;
    case SDLK_KP_MINUS: return 109;
    case SDLK_KP_DIVIDE: return 111;
    case SDLK_NUMLOCKCLEAR: return 144;
    case SDLK_SCROLLLOCK: return 145;
    case SDLK_SEMICOLON: return 186;
    case SDLK_EQUALS: return 187;
    case SDLK_COMMA: return 188;
    case SDLK_MINUS: return 189;
    case SDLK_PERIOD: return 190;
    case SDLK_SLASH: return 191;
    case SDLK_BACKQUOTE: return 192;
    case SDLK_LEFTBRACKET: return 219;
    case SDLK_BACKSLASH: return 220;
    case SDLK_RIGHTBRACKET: return 221;
    case SDLK_QUOTE: return 222;
    default: break;
  }
  // The keypad without Num Lock moves like the keys printed on it.
  bool num = mod & KMOD_NUM;
  switch (sym) {
    case SDLK_KP_0: return num ? 96 : 45;
    case SDLK_KP_PERIOD: return num ? 110 : 46;
    case SDLK_KP_1: return 35;
    case SDLK_KP_2: return 40;
    case SDLK_KP_3: return 34;
    case SDLK_KP_4: return 37;
    case SDLK_KP_5: return 12;
    case SDLK_KP_6: return 39;
    case SDLK_KP_7: return 36;
    case SDLK_KP_8: return 38;
    case SDLK_KP_9: return 33;
    default: return 0;
  }
}

// Only letters follow Shift: other keys give their unshifted character on every layout alike.
int KeyCharacter(SDL_Keycode sym, uint16_t mod) {
  if (sym >= SDLK_a && sym <= SDLK_z) {
    bool upper = ((mod & KMOD_SHIFT) != 0) != ((mod & KMOD_CAPS) != 0);
    return (upper ? 'A' : 'a') + (sym - SDLK_a);
  }
  bool num = mod & KMOD_NUM;
  if (sym >= SDLK_KP_1 && sym <= SDLK_KP_9) return num ? '1' + (sym - SDLK_KP_1) : 0;
  switch (sym) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return 13;
    case SDLK_BACKSPACE: return 8;
    case SDLK_TAB: return 9;
    case SDLK_ESCAPE: return 27;
    case SDLK_KP_0: return num ? '0' : 0;
    case SDLK_KP_PERIOD: return num ? '.' : 0;
    case SDLK_KP_MULTIPLY: return '*';
    case SDLK_KP_PLUS: return '+';
    case SDLK_KP_MINUS: return '-';
    case SDLK_KP_DIVIDE: return '/';
    default: break;
  }
  // Printable keys have their own character as their SDL key code.
  return (sym >= 32 && sym < 127) ? int(sym) : 0;
}

}  // namespace cw
