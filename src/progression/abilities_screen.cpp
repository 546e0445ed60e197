#include "progression/abilities_screen.h"

#include "platform/key_codes.h"
#include "play/game.h"
#include "play/game_loop.h"
#include "play/life_and_levels.h"
#include "play/life_cap.h"

namespace cw {
namespace {

Int16 CaptionInt16(const Element* label) { return Int16(double(Value(label->caption))); }

}  // namespace

void lblAbilities_Click(Game& g) {
  g.blnGame = false;  // the running loop ends after its current pass
  g.ui.Show(g.e.picRPG);
  g.ui.SetFocus(g.e.picRPG);
}

void picRPG_KeyDown(Game& g, int KeyCode, int) {
  if (KeyCode == kKeyEnter) Command11_Click(g);
}

void Command11_Click(Game& g) {
  g.Strength = CaptionInt16(g.e.lblStrenght);
  g.Endurance = CaptionInt16(g.e.lblEndurance);
  g.Healing = CaptionInt16(g.e.lblHealing);
  g.Ultimate = CaptionInt16(g.e.lblUltimate);
  g.Vitality = CaptionInt16(g.e.lblVitality);
  g.Level = CaptionInt16(g.e.lblLevel);

  if (g.blnNewLevel) {
    ChangeLife(g, 20.0 * double(g.Level));
    // Down to the cap with the abilities just confirmed.
    float max_life = MaxLifeHundredLast(g);
    if (max_life < float(g.Life.get())) ChangeLife(g, double(max_life) - double(g.Life));
    g.blnNewLevel = false;
  }

  g.blnWritten = false;
  g.blnWrite = false;
  g.e.lblDescription->caption = "";

  g.ui.Hide(g.e.picRPG);
  g.blnGame = true;
  EnterGameLoop(g);
}

}  // namespace cw
