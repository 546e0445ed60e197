#include "actors/enemies.h"

#include <cmath>
#include <numbers>

#include "actors/blood_splats.h"
#include "actors/collision.h"
#include "actors/enemy_kinds.h"
#include "actors/shots.h"
#include "actors/walk_pose.h"
#include "play/life_and_levels.h"
#include "play/play_area.h"
#include "runtime/angles.h"
#include "runtime/trig.h"

namespace cw {
namespace {

// The line to the player as the arctangent of the quotient. Level with the player the quotient
// has no value; its limit, a quarter turn, still walks the enemy straight at the player.
// Returns false when the enemy stands on the player's centre: it keeps its heading and stays put.
bool AimAtPlayer(const Game& g, ActorRecord& enemy) {
  double dx = enemy.x - g.My_x, dy = enemy.y - g.My_y;
  if (dy != 0) {
    enemy.heading = Atan(dx / dy);
  } else if (dx != 0) {
    enemy.heading = dx > 0 ? std::numbers::pi / 2 : -std::numbers::pi / 2;
  } else {
    return false;
  }
  return true;
}

void Walk(const Game& g, ActorRecord& enemy, double k) {
  // The heading only gives the line; which way along it depends on where the player is.
  if (g.My_y > enemy.y) {
    enemy.x = enemy.x + k * Sin(enemy.heading);
    enemy.y = enemy.y + k * Cos(enemy.heading);
  } else {
    enemy.x = enemy.x - k * Sin(enemy.heading);
    enemy.y = enemy.y - k * Cos(enemy.heading);
  }
}

void OneEnemyGone(Game& g) {
  if (g.Enemycount > 0) g.Enemycount = g.Enemycount - 1;
}

// Every live shot flies once in the turn of every live enemy and is tested against it.
void ShotsAgainst(Game& g, ActorRecord& enemy, const EnemyKind& kind) {
  for (size_t j = 1; j < g.Shots.size(); ++j) {
    ActorRecord& shot = g.Shots[j];
    if (shot.state != "x") continue;
    MoveShot(g, shot);
    DrawShot(g, shot);
    g.ShotColDetected = true;
    // Both tests run even for a shot that has just ended, and against an enemy already killed.
    if (CirclesOverlap(shot.x, shot.y, kShotRadius, enemy.x, enemy.y, kind.radius)) {
      shot.state = "";
      enemy.state = "";
      ApplyShotKill(g, kind);
      OneEnemyGone(g);
      MakeBloodSplat(g, enemy);
    }
    TestShotOnBoss(g, shot);
  }
}

void EnemyTurn(Game& g, ActorRecord& enemy) {
  const EnemyKind& kind = EnemyKindOf(enemy);
  bool moves = AimAtPlayer(g, enemy);
  enemy.degrees = Degrees(-std::fabs(enemy.heading));
  if (moves) Walk(g, enemy, kind.speed);
  if (MaskAt(g, enemy.x, enemy.y) == kCyan) {
    // Walked into a wall: gone, without blood or reward.
    enemy.state = "";
    OneEnemyGone(g);
  }
  StepWalkPose(enemy.tick, enemy.pose, enemy.poseStep);
  ShiftWithMap(g, enemy.x, enemy.y);
  ShotsAgainst(g, enemy, kind);
  if (CirclesOverlap(g.My_x, g.My_y, kPlayerRadius, enemy.x, enemy.y, kind.radius)) {
    enemy.state = "";
    MakeBloodSplat(g, enemy);
    OneEnemyGone(g);
    ApplyTouch(g, kind);
    if (g.Duvave2Boss) g.BossLife = g.BossLife + 5;
  }
  // An enemy that died in this turn is still drawn once.
  DrawSprite(g, g.ui.Find(kind.sprite + NumberText(double(enemy.pose))), enemy.x, enemy.y, kCyan, enemy.degrees, 1);
}

}  // namespace

void UpdateEnemiesAndShots(Game& g) {
  g.ShotColDetected = false;
  int last = CInt(g.Enemycount);  // enemies spawned by later steps wait for the next pass
  for (int i = 0; i <= last; ++i) {
    ActorRecord& enemy = EnemyEntry(g, i);
    if (enemy.state == "x") EnemyTurn(g, enemy);
  }
}

}  // namespace cw
