#include "shell/life_and_levels.h"

#include "shell/game.h"

namespace cw {

// Not built yet: later work fills these in.
float MaxLife(const Game&) { return 100; }
void ApplyShotKill(Game&, int) {}
void ApplyTouch(Game&, int) {}
void UpdateStatusLabels(Game&) {}
void CheckNewLevel(Game&) {}
void CheckBossDeath(Game&) {}
void CheckDeath(Game&) {}
void FadeToEnding(Game&) {}
void FadeToDeath(Game&) {}

}  // namespace cw
