#pragma once
// The two kinds of enemy and all that sets them apart, and the entries of the enemy table by number,
// as the spawn step, the enemy step and the boss reach them.
#include <string_view>

#include "play/game.h"

namespace cw {

struct EnemyKind {
  const char* text;    // the kind as the actor record holds it
  int speed;           // pixels per pass
  int reward;          // experience for a kill, and for a touch
  int touch_damage;    // life a touch costs before Endurance takes its share
  double radius;       // for the hit tests
  const char* sprite;  // the walk poses: this name followed by the pose 1..3
};

// The kind a record names, or null for a text that is no kind.
const EnemyKind* EnemyKindNamed(std::string_view text);
// As EnemyKindNamed; a text that is no kind faults.
const EnemyKind& EnemyKindOf(const ActorRecord& enemy);
// A spawned enemy, from Fix(random x 2): either kind with even chances, a zero draw being kind 2.
const EnemyKind& SpawnedEnemyKind(double random);
// An enemy a location places and a minion the boss calls, from Int(random x 3): a zero draw counts as
// kind 1, so kind 1 comes twice as often as kind 2.
const EnemyKind& PlacedEnemyKind(double random);

inline constexpr int kLastEnemy = 20;  // Enemies holds entries 0..20

inline ActorRecord& EnemyEntry(Game& g, int i) {
  if (i < 0 || i > kLastEnemy) throw RuntimeFault("subscript out of range");
  return g.Enemies[size_t(i)];
}

}  // namespace cw
