#include "screens/in_game_menu.h"

#include "shell/game.h"

namespace cw {

// Not built yet: later work fills these in.
void Command1_Click(Game&) {}
int InGameMenuEntryAt(Game&, double, double) { return 0; }
void picInGame_MouseMove(Game&, int, int, double, double) {}
void picInGame_MouseDown(Game&, int, int, double, double) {}
void picInGame_KeyDown(Game&, int, int) {}

}  // namespace cw
