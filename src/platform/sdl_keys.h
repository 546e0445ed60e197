#pragma once
// SDL keys as the game knows them: Windows-style virtual-key codes and the characters keys type.
#include <cstdint>

#include <SDL_keycode.h>

namespace cw {

// The virtual-key code of a key; 0 for keys the game has no code for.
int VirtualKey(SDL_Keycode sym, uint16_t mod);
// The character a key types, from the key itself and Shift / Caps Lock; 0 for keys that type none.
int KeyCharacter(SDL_Keycode sym, uint16_t mod);

}  // namespace cw
