#include "screens/death_screen.h"

#include "shell/game.h"

namespace cw {

// Not built yet: later work fills these in.
void picRIP_KeyDown(Game&, int, int) {}
void picRIP_MouseDown(Game&, int, int, double, double) {}

}  // namespace cw
