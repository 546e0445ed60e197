#include "actors/enemy_kinds.h"

#include <cmath>

namespace cw {
namespace {

// The kind's number is also its speed, and reward and damage grow with it.
constexpr EnemyKind kEnemyKinds[] = {
    {"1", 1, 10, 5, 15, "picEnemy1_"},
    {"2", 2, 20, 10, 15, "picEnemy2_"},
};

const EnemyKind& KindNumbered(int n) { return kEnemyKinds[n - 1]; }

}  // namespace

const EnemyKind* EnemyKindNamed(std::string_view text) {
  for (const EnemyKind& kind : kEnemyKinds)
    if (text == kind.text) return &kind;
  return nullptr;
}

const EnemyKind& EnemyKindOf(const ActorRecord& enemy) {
  const EnemyKind* kind = EnemyKindNamed(enemy.kind);
  if (!kind) throw RuntimeFault("no enemy kind " + enemy.kind);
  return *kind;
}

const EnemyKind& SpawnedEnemyKind(double random) {
  int n = int(std::trunc(random * 2));
  return KindNumbered(n == 0 ? 2 : n);
}

const EnemyKind& PlacedEnemyKind(double random) {
  int n = int(std::floor(random * 3));
  return KindNumbered(n == 0 ? 1 : n);
}

}  // namespace cw
