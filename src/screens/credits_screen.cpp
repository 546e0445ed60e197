#include "screens/credits_screen.h"

#include "play/game.h"

namespace cw {
namespace {
constexpr int kEscape = 27;
}  // namespace

void picCred_KeyDown(Game& g, int KeyCode, int) {
  if (KeyCode == kEscape) cmdExit_cred_Click(g);
}

void cmdExit_cred_Click(Game& g) {
  g.ui.Hide(g.e.picCred);
  // The menu underneath takes the keys again, so a keyboard player can go on.
  g.ui.SetFocus(g.e.picMenu);
}

}  // namespace cw
