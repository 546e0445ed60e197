#include "play/game.h"
#include "progression/abilities_screen.h"

namespace cw {
namespace {

constexpr double kAbilityCap = 25;

// The captions are the storage of record while the screen is open.
double CaptionNumber(const Element* label) { return Value(label->caption); }

void Raise(Game& g, Element* ability) {
  double v = CaptionNumber(ability);
  double p = CaptionNumber(g.e.lblPoints);
  if (v < kAbilityCap && p > 0) {
    ability->caption = NumberText(v + 1);
    g.e.lblPoints->caption = NumberText(p - 1);
  }
}

// Points spent at earlier levels can be taken back too, down to 0.
void Lower(Game& g, Element* ability) {
  double v = CaptionNumber(ability);
  if (v > 0) {
    double p = CaptionNumber(g.e.lblPoints);
    ability->caption = NumberText(v - 1);
    g.e.lblPoints->caption = NumberText(p + 1);
  }
}

}  // namespace

void btnStrenghtUp_Click(Game& g) { Raise(g, g.e.lblStrenght); }
void btnStrenghtDown_Click(Game& g) { Lower(g, g.e.lblStrenght); }
void btnEnduranceUp_Click(Game& g) { Raise(g, g.e.lblEndurance); }
void btnEnduranceDown_Click(Game& g) { Lower(g, g.e.lblEndurance); }
void btnVitalityUp_Click(Game& g) { Raise(g, g.e.lblVitality); }
void btnVitalityDown_Click(Game& g) { Lower(g, g.e.lblVitality); }
void btnUltimateUp_Click(Game& g) { Raise(g, g.e.lblUltimate); }
void btnUltimateDown_Click(Game& g) { Lower(g, g.e.lblUltimate); }
void btnHealingUp_Click(Game& g) { Raise(g, g.e.lblHealing); }
void btnHealingDown_Click(Game& g) { Lower(g, g.e.lblHealing); }

}  // namespace cw
