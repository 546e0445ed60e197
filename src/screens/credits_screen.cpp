#include "screens/credits_screen.h"

#include "platform/key_codes.h"
#include "play/game.h"

namespace cw {
void picCred_KeyDown(Game& g, int KeyCode, int) {
  if (KeyCode == kKeyEscape) cmdExit_cred_Click(g);
}

void cmdExit_cred_Click(Game& g) {
  g.ui.Hide(g.e.picCred);
  // The menu underneath takes the keys again, so a keyboard player can go on.
  g.ui.SetFocus(g.e.picMenu);
}

}  // namespace cw
