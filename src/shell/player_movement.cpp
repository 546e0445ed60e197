#include "shell/player_movement.h"

#include "shell/game.h"

namespace cw {

// Not built yet: later work fills these in.
void MovePlayer(Game&) {}

}  // namespace cw
