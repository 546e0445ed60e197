#pragma once
// Entries of the enemy table by number, as the spawn step, the enemy step and the boss reach them.
#include "play/game.h"

namespace cw {

inline constexpr int kLastEnemy = 20;  // Enemies holds entries 0..20

inline ActorRecord& EnemyEntry(Game& g, int i) {
  if (i < 0 || i > kLastEnemy) throw RuntimeFault("subscript out of range");
  return g.Enemies[size_t(i)];
}

}  // namespace cw
