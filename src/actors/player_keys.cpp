#include "actors/player_keys.h"

#include "shell/game.h"

namespace cw {

// Not built yet: later work fills these in.
void piccity_base_KeyDown(Game&, int, int) {}
void picCity_base_KeyUp(Game&, int, int) {}
void picCity_base_Click(Game&) {}

}  // namespace cw
