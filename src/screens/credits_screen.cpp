#include "screens/credits_screen.h"

#include "shell/game.h"

namespace cw {

// Not built yet: later work fills these in.
void picCred_KeyDown(Game&, int, int) {}
void cmdExit_cred_Click(Game&) {}

}  // namespace cw
