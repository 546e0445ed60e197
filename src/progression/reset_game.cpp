#include "progression/reset_game.h"

#include "shell/game.h"

namespace cw {

// Not built yet: later work fills these in.
void ResetGame(Game&) {}

}  // namespace cw
