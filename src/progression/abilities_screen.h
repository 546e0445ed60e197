#pragma once
#include <string>
namespace cw {
class Game;
void lblAbilities_Click(Game& g);
void btnStrenghtUp_Click(Game& g);
void btnStrenghtDown_Click(Game& g);
void btnEnduranceUp_Click(Game& g);
void btnEnduranceDown_Click(Game& g);
void btnVitalityUp_Click(Game& g);
void btnVitalityDown_Click(Game& g);
void btnUltimateUp_Click(Game& g);
void btnUltimateDown_Click(Game& g);
void btnHealingUp_Click(Game& g);
void btnHealingDown_Click(Game& g);
void lblHelpStrenght_MouseMove(Game& g, int Button, int Shift, double X, double Y);
void lblHelpEndurance_MouseMove(Game& g, int Button, int Shift, double X, double Y);
void lblHelpVitality_MouseMove(Game& g, int Button, int Shift, double X, double Y);
void lblHelpUltimate_MouseMove(Game& g, int Button, int Shift, double X, double Y);
void lblHelpHealing_MouseMove(Game& g, int Button, int Shift, double X, double Y);
void lblHelpPoints_MouseMove(Game& g, int Button, int Shift, double X, double Y);
void picRPG_MouseMove(Game& g, int Button, int Shift, double X, double Y);
void picRPG_KeyDown(Game& g, int KeyCode, int Shift);
void Command11_Click(Game& g);
void TypeDescription(Game& g, const std::string& text);
}  // namespace cw
