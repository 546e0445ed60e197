#include "progression/reset_game.h"

#include "play/game.h"

namespace cw {

void ResetGame(Game& g) {
  g.blnWritten = false;
  g.blnWrite = false;
  g.e.lblDescription->caption = "";

  g.Life = 100;
  g.Strength = 0;
  g.Endurance = 0;
  g.Vitality = 0;
  g.Ultimate = 0;
  g.Healing = 0;
  g.Level = 1;
  g.Experience = 0;
  g.ExperienceNeeded = 100;

  // lblPoints is left alone: New Game sets it, a loaded game takes it from the file.
  g.e.lblEndurance->caption = "0";
  g.e.lblHealing->caption = "0";
  g.e.lblStrenght->caption = "0";
  g.e.lblUltimate->caption = "0";
  g.e.lblVitality->caption = "0";
  g.e.lblLevel->caption = std::to_string(g.Level.get());

  for (auto& kit : g.FirstAidKits) {
    kit.takenAt = 200;
    kit.state = 'x';
  }

  g.Enemycount = 1;
  g.charPhase = 1;
  g.charMoving = false;
  g.u = 0;
  g.r = 0;
  g.angle = 0;
  g.abc = 1;

  g.Boss_Rate = 1;
  g.BossLife = 200;

  g.upper = false;
  g.downer = false;
  g.lefter = false;
  g.righter = false;
  g.MoveBoss = false;
  g.Duvave2Boss = false;

  // A new game must not start with the key, the card or the open lab of an earlier game of this run.
  g.ui.Hide(g.e.imgKey);
  g.ui.Hide(g.e.imgCard);
  g.AccessLab = false;
}

}  // namespace cw
