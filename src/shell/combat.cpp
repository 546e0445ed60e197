#include "shell/combat.h"

#include "shell/game.h"

namespace cw {

// Not built yet: later work fills these in.
bool CirclesOverlap(double, double, double, double, double, double) { return false; }
void MakeBloodSplat(Game&, const ActorRecord&) {}
void UpdateBloodSplats(Game&) {}
void SpawnEnemies(Game&) {}
void UpdateEnemiesAndShots(Game&) {}
void UpdateFallbackShots(Game&) {}

}  // namespace cw
