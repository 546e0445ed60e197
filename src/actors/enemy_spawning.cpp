#include "actors/enemy_spawning.h"

#include <cmath>

#include "actors/enemy_kinds.h"
#include "play/play_area.h"
#include "runtime/trig.h"

namespace cw {

// Attempts come more often as the level rises; one attempt in ten makes an enemy 100 to 200 pixels
// from the player, unless the point is a wall or enough enemies are about.
void SpawnEnemies(Game& g) {
  g.EnemyFlip = g.EnemyFlip + 1;
  if (!(g.EnemyFlip >= 10 - double(g.Level) * 0.5)) return;
  g.EnemyFlip = 0;

  double t = g.Rnd() * 10;
  if (!(t > 4.5 && t < 5.5)) return;
  g.uholX = g.Rnd() * 6.28;
  g.ramenoX = g.Rnd() * 200;
  if (g.ramenoX <= 100) g.ramenoX = 100;
  if (g.Rnd() * 2 > 1) g.ramenoX = -g.ramenoX;

  double x = g.My_x + g.ramenoX * Sin(g.uholX);
  double y = g.My_y + g.ramenoX * Cos(g.uholX);
  bool on_wall = MaskAt(g, x, y) == kCyan;
  if (on_wall || g.Enemycount >= g.MaxEnemy + double(g.Level)) return;

  // The slot is taken whatever it holds.
  ActorRecord& enemy = EnemyEntry(g, CInt(g.Enemycount));
  enemy.x = x;
  enemy.y = y;
  enemy.state = "x";
  enemy.pose = 1;
  enemy.poseStep = 1;
  enemy.kind = SpawnedEnemyKind(g.Rnd()).text;
  if (g.Enemycount < kLastEnemy) g.Enemycount = g.Enemycount + 1;
}

}  // namespace cw
