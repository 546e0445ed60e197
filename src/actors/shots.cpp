#include "actors/shots.h"

#include <cmath>

#include "actors/collision.h"
#include "play/play_area.h"
#include "runtime/trig.h"

namespace cw {
namespace {

constexpr double kShotSpeed = 6;
constexpr int kShotMoves = 50;

}  // namespace

void MoveShot(Game& g, ActorRecord& shot) {
  double step = shot.step;
  double s = double((step > 0) - (step < 0)) * kShotSpeed;
  shot.x = shot.x + s * Sin(shot.heading);
  shot.y = shot.y + s * Cos(shot.heading);
  shot.tick = shot.tick + 1;
  if (!(shot.tick < kShotMoves && MaskAt(g, shot.x, shot.y) != kCyan)) shot.state = "";
  ShiftWithMap(g, shot.x, shot.y);
}

void DrawShot(Game& g, const ActorRecord& shot) {
  DrawSprite(g, g.ui.Find("picShot_" + shot.kind), shot.x, shot.y, kCyan, shot.degrees, 0);
}

void TestShotOnBoss(Game& g, ActorRecord& shot) {
  if (CirclesOverlap(g.BossX, g.BossY, kBossRadius, shot.x, shot.y, kShotRadius)) {
    shot.state = "";
    g.BossLife = g.BossLife - 10;
  }
}

// Without a live enemy the shots still fly, once per pass.
void UpdateFallbackShots(Game& g) {
  for (size_t j = 1; j < g.Shots.size(); ++j) {
    ActorRecord& shot = g.Shots[j];
    if (shot.state != "x") continue;
    MoveShot(g, shot);
    TestShotOnBoss(g, shot);
    DrawShot(g, shot);
  }
}

}  // namespace cw
