#include "actors/boss.h"

#include <cmath>

#include "actors/collision.h"
#include "actors/enemy_kinds.h"
#include "actors/walk_pose.h"
#include "play/life_and_levels.h"
#include "play/play_area.h"
#include "runtime/angles.h"
#include "runtime/trig.h"
#include "world/location_catalogue.h"

namespace cw {
namespace {

constexpr double kShotSpeed = 4;
constexpr int kShotAge = 100;         // passes a boss shot lives at most, counting from 1
constexpr int kMinionsUpTo = 12;      // minions come only while Enemycount is at most this
constexpr int kMinionCallAge = 99;    // ... and around the end of a full flight
constexpr double kBossHealCap = 200;  // a hit heals the boss only up to here

void DrawBoss(Game& g) {
  const Element& pose = g.ui.Find("picenemy3_" + NumberText(double(g.BossPose)));
  DrawSprite(g, pose, g.BossX, g.BossY, kCyan, g.BossTurn, 1);
}

// The scripted walk: straight on until the boss steps onto a wall or a trigger.
void Walk(Game& g) {
  double s = Value(g.BossSpeed);
  g.BossX = g.BossX - s * Sin(g.BossAngle);
  g.BossY = g.BossY - s * Cos(g.BossAngle);
  uint32_t under = MaskAt(g, g.BossX, g.BossY);
  if (under == kCyan || under == kRed) g.MoveBoss = false;  // still drawn on this pass
  StepWalkPose(g.BossTick, g.BossPose, g.BossPoseStep);
  ShiftWithMap(g, g.BossX, g.BossY);
  DrawBoss(g);
}

void Patrol(Game& g) {
  double w = g.e.picHelp_city_base->width;
  if (w * 0.25 > g.BossX) {
    g.Boss_Rate = 1;
  } else if (w * 0.75 < g.BossX) {
    g.Boss_Rate = -1;
  }
  g.BossX = g.BossX + double(g.Boss_Rate);
}

// The aim points at the player only while the player is below the boss.
void Aim(Game& g) {
  double dy = g.BossY - g.My_y;
  if (dy != 0) g.BossAngle = Atan((g.BossX - g.My_x) / dy);  // level with the player: keep the last aim
}

void CallMinions(Game& g) {
  if (!(g.Enemycount <= kMinionsUpTo && g.BossShotTicks >= kMinionCallAge)) return;
  const std::vector<MapPoint>& places = TheLocationTable().boss_fight.minions;
  int first = CInt(g.Enemycount) + 1;
  for (size_t m = 0; m < places.size(); ++m) {
    ActorRecord& minion = EnemyEntry(g, first + int(m));
    minion.state = "x";
    minion.x = places[m].x;
    minion.y = places[m].y;
    minion.kind = PlacedEnemyKind(g.Rnd()).text;
    minion.pose = 1;
    minion.poseStep = 1;
  }
  g.Enemycount = g.Enemycount + double(places.size());
}

void LaunchShot(Game& g) {
  g.BossOnShot = true;
  g.BossShotAngle = g.BossAngle;
  g.BossShotTurn = g.BossTurn;
  g.BossShotSpeed = kShotSpeed;
  g.BossShotX = g.BossX;
  g.BossShotY = g.BossY;
  g.BossShotTicks = 1;
}

void FlyShot(Game& g) {
  g.BossShotX = g.BossShotX + g.BossShotSpeed * Sin(g.BossShotAngle);
  g.BossShotY = g.BossShotY + g.BossShotSpeed * Cos(g.BossShotAngle);
  g.BossShotTicks = g.BossShotTicks + 1;
  if (g.BossShotTicks >= kShotAge) g.BossOnShot = false;
  // Tested also on the pass that ended the flight.
  if (CirclesOverlap(g.BossShotX, g.BossShotY, kBossShotRadius, g.My_x, g.My_y, kPlayerRadius)) {
    ChangeLife(g, -20);
    if (g.BossLife <= kBossHealCap) g.BossLife = g.BossLife + 10;
    g.BossOnShot = false;
  }
  DrawSprite(g, *g.e.picShot_boss, g.BossShotX, g.BossShotY, kCyan, g.BossShotTurn, 1);
}

// The final fight: patrol, aim, call in minions, one shot in flight. The pose stays as set.
void Fight(Game& g) {
  Patrol(g);
  Aim(g);
  ShiftWithMap(g, g.BossX, g.BossY);
  g.BossTurn = Degrees(-std::fabs(g.BossAngle));
  CallMinions(g);
  if (!g.BossOnShot) LaunchShot(g);
  if (g.BossOnShot) FlyShot(g);
  DrawBoss(g);
}

}  // namespace

void UpdateBoss(Game& g) {
  if (g.Duvave2Boss) {
    Fight(g);
  } else {
    Walk(g);
  }
}

}  // namespace cw
