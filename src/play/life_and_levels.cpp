#include "play/life_and_levels.h"

#include <algorithm>
#include <cstdint>

#include "actors/enemy_kinds.h"
#include "play/game.h"
#include "play/life_cap.h"

namespace cw {
namespace {

double Saturate(double d, double lo, double hi) { return std::clamp(RoundHalfEven(d), lo, hi); }

// A caption holding a number, moved by `change`.
void AddToCaption(Element* label, double change) {
  label->caption = NumberText(double(Value(label->caption)) + change);
}

}  // namespace

void ChangeLife(Game& g, double change) { g.Life = Saturate(double(g.Life) + change, INT16_MIN, INT16_MAX); }

void ChangeExperience(Game& g, double change) {
  g.Experience = Saturate(double(g.Experience) + change, INT32_MIN, INT32_MAX);
}

void ChangeLevel(Game& g, double change) {
  Element* label = g.e.lblLevel;
  label->caption = NumberText(Saturate(double(Value(label->caption)) + change, INT16_MIN, INT16_MAX));
}

void ApplyShotKill(Game& g, const EnemyKind& kind) {
  ChangeExperience(g, kind.reward);
  // Tested before healing, so a kill at full life can lift Life above the maximum.
  if (double(MaxLifeHundredFirst(g)) >= double(g.Life)) ChangeLife(g, double(g.Healing) / 5);
}

void ApplyTouch(Game& g, const EnemyKind& kind) {
  ChangeExperience(g, kind.reward);
  // Enough Endurance turns the damage into healing.
  ChangeLife(g, -(double(kind.touch_damage) - double(g.Endurance) / 5));
}

void UpdateStatusLabels(Game& g) {
  g.e.lblLife->caption = NumberText(double(g.Life)) + "/" + SingleNumberText(MaxLifeHundredFirst(g));
  g.e.lblExperience->caption = NumberText(double(g.Experience)) + "/" + NumberText(double(g.ExperienceNeeded));
}

// One level per pass; the abilities screen opens once this pass is over.
void CheckNewLevel(Game& g) {
  if (!(g.Experience >= g.ExperienceNeeded)) return;
  g.blnNewLevel = true;
  g.ExperienceNeeded = Saturate(double(g.ExperienceNeeded) * 2, INT32_MIN, INT32_MAX);
  ChangeLevel(g, 1);
  AddToCaption(g.e.lblPoints, 5);
  g.blnGame = false;
  g.ui.Show(g.e.picRPG);
}

}  // namespace cw
