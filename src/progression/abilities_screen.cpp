#include "progression/abilities_screen.h"

#include "shell/game.h"

namespace cw {

// Not built yet: later work fills these in.
void lblAbilities_Click(Game&) {}
void btnStrenghtUp_Click(Game&) {}
void btnStrenghtDown_Click(Game&) {}
void btnEnduranceUp_Click(Game&) {}
void btnEnduranceDown_Click(Game&) {}
void btnVitalityUp_Click(Game&) {}
void btnVitalityDown_Click(Game&) {}
void btnUltimateUp_Click(Game&) {}
void btnUltimateDown_Click(Game&) {}
void btnHealingUp_Click(Game&) {}
void btnHealingDown_Click(Game&) {}
void lblHelpStrenght_MouseMove(Game&, int, int, double, double) {}
void lblHelpEndurance_MouseMove(Game&, int, int, double, double) {}
void lblHelpVitality_MouseMove(Game&, int, int, double, double) {}
void lblHelpUltimate_MouseMove(Game&, int, int, double, double) {}
void lblHelpHealing_MouseMove(Game&, int, int, double, double) {}
void lblHelpPoints_MouseMove(Game&, int, int, double, double) {}
void picRPG_MouseMove(Game&, int, int, double, double) {}
void picRPG_KeyDown(Game&, int, int) {}
void Command11_Click(Game&) {}
void TypeDescription(Game&, const std::string&) {}

}  // namespace cw
