#include "platform/sdl_keys.h"

#include "platform/key_codes.h"

namespace cw {

int VirtualKey(SDL_Keycode sym, uint16_t mod) {
  if (sym >= SDLK_a && sym <= SDLK_z) return 'A' + (sym - SDLK_a);
  if (sym >= SDLK_0 && sym <= SDLK_9) return '0' + (sym - SDLK_0);
  if (sym >= SDLK_F1 && sym <= SDLK_F12) return kKeyF1 + (sym - SDLK_F1);
  if (sym >= SDLK_KP_1 && sym <= SDLK_KP_9 && (mod & KMOD_NUM)) return kKeyNumpad0 + 1 + (sym - SDLK_KP_1);
  switch (sym) {
    case SDLK_BACKSPACE: return kKeyBackspace;
    case SDLK_TAB: return kKeyTab;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return kKeyEnter;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return kKeyShift;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return kKeyCtrl;
    case SDLK_LALT:
    case SDLK_RALT: return kKeyAlt;
    case SDLK_PAUSE: return kKeyPause;
    case SDLK_CAPSLOCK: return kKeyCapsLock;
    case SDLK_ESCAPE: return kKeyEscape;
    case SDLK_SPACE: return kKeySpace;
    case SDLK_PAGEUP: return kKeyPageUp;
    case SDLK_PAGEDOWN: return kKeyPageDown;
    case SDLK_END: return kKeyEnd;
    case SDLK_HOME: return kKeyHome;
    case SDLK_LEFT: return kKeyLeft;
    case SDLK_UP: return kKeyUp;
    case SDLK_RIGHT: return kKeyRight;
    case SDLK_DOWN: return kKeyDown;
    case SDLK_PRINTSCREEN: return kKeyPrintScreen;
    case SDLK_INSERT: return kKeyInsert;
    case SDLK_DELETE: return kKeyDelete;
    case SDLK_LGUI: return kKeyLeftWindows;
    case SDLK_RGUI: return kKeyRightWindows;
    case SDLK_APPLICATION: return kKeyApplication;
    case SDLK_KP_MULTIPLY: return kKeyMultiply;
    case SDLK_KP_PLUS: return kKeyAdd;
    case SDLK_KP_MINUS: return kKeySubtract;
    case SDLK_KP_DIVIDE: return kKeyDivide;
    case SDLK_NUMLOCKCLEAR: return kKeyNumLock;
    case SDLK_SCROLLLOCK: return kKeyScrollLock;
    case SDLK_SEMICOLON: return kKeySemicolon;
    case SDLK_EQUALS: return kKeyEquals;
    case SDLK_COMMA: return kKeyComma;
    case SDLK_MINUS: return kKeyMinus;
    case SDLK_PERIOD: return kKeyPeriod;
    case SDLK_SLASH: return kKeySlash;
    case SDLK_BACKQUOTE: return kKeyBackquote;
    case SDLK_LEFTBRACKET: return kKeyLeftBracket;
    case SDLK_BACKSLASH: return kKeyBackslash;
    case SDLK_RIGHTBRACKET: return kKeyRightBracket;
    case SDLK_QUOTE: return kKeyQuote;
    default: break;
  }
  // The keypad without Num Lock moves like the keys printed on it.
  bool num = mod & KMOD_NUM;
  switch (sym) {
    case SDLK_KP_0: return num ? kKeyNumpad0 : kKeyInsert;
    case SDLK_KP_PERIOD: return num ? kKeyDecimal : kKeyDelete;
    case SDLK_KP_1: return kKeyEnd;
    case SDLK_KP_2: return kKeyDown;
    case SDLK_KP_3: return kKeyPageDown;
    case SDLK_KP_4: return kKeyLeft;
    case SDLK_KP_5: return kKeyClear;
    case SDLK_KP_6: return kKeyRight;
    case SDLK_KP_7: return kKeyHome;
    case SDLK_KP_8: return kKeyUp;
    case SDLK_KP_9: return kKeyPageUp;
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
    case SDLK_KP_ENTER: return '\r';
    case SDLK_BACKSPACE: return '\b';
    case SDLK_TAB: return '\t';
    case SDLK_ESCAPE: return '\x1b';
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
