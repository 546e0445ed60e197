#include "screens/death_screen.h"

#include "play/game.h"

namespace cw {

// Any key or button goes back to the main menu; the game music plays on.
void picRIP_KeyDown(Game& g, int, int) {
  g.ui.Hide(g.e.picRIP);
  g.ui.Show(g.e.picMenu);
  g.ui.SetFocus(g.e.picMenu);
}

void picRIP_MouseDown(Game& g, int, int, double, double) { picRIP_KeyDown(g, 0, 0); }

}  // namespace cw
