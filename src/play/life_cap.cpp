#include "play/life_cap.h"

#include "play/game.h"

namespace cw {
namespace {

float StrengthPart(const Game& g) { return float(g.Strength.get()) / 5.0f * 100.0f; }
float VitalityPart(const Game& g) { return float(g.Vitality.get()) / 10.0f * 50.0f; }

}  // namespace

float MaxLifeHundredFirst(const Game& g) { return 100.0f + VitalityPart(g) + StrengthPart(g); }

float MaxLifeHundredLast(const Game& g) { return StrengthPart(g) + VitalityPart(g) + 100.0f; }

}  // namespace cw
