#include "screens/main_menu.h"

#include "shell/game.h"

namespace cw {

// Not built yet: later work fills these in.
void Image2_Click(Game&) {}
void Image3_Click(Game&) {}
void Image4_Click(Game&) {}
void Image5_Click(Game&) {}
void Image2_MouseMove(Game&, int, int, double, double) {}
void Image3_MouseMove(Game&, int, int, double, double) {}
void Image4_MouseMove(Game&, int, int, double, double) {}
void Image5_MouseMove(Game&, int, int, double, double) {}
void picMenu_MouseMove(Game&, int, int, double, double) {}
void picMenu_KeyDown(Game&, int, int) {}

}  // namespace cw
