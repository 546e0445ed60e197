#include "combat.h"

#include <algorithm>
#include <cmath>

#include "actors/collision.h"
#include "actors/enemy_kinds.h"
#include "steering.h"

namespace cw::autopilot {
namespace {

constexpr double kBossShotHit = kShotRadius + kBossRadius;
constexpr double kShotStep = 6;     // pixels per shot move
constexpr double kShotRange = 290;  // a shot lives 50 moves (300 pixels)

int LiveEnemyCount(const Game& g) {
  int n = 0;
  int last = std::clamp(int(std::lround(double(g.Enemycount))), 0, 20);
  for (int i = 0; i <= last; ++i)
    if (g.Enemies[size_t(i)].state == "x") ++n;
  return n;
}

// Where the patrolling boss will be after `passes`, by its turning rule (play-area x).
double BossXAfter(const Game& g, int passes) {
  const double w = g.e.picHelp_city_base->width;
  double x = g.BossX;
  int rate = g.Boss_Rate.get();
  for (int i = 0; i < passes; ++i) {
    if (w * 0.25 > x)
      rate = 1;
    else if (w * 0.75 < x)
      rate = -1;
    x += rate;
  }
  return x;
}

}  // namespace

std::vector<Enemy> VisibleEnemies(const Game& g, const MaskMap& mask) {
  std::vector<Enemy> out;
  const Point me = PlayerOnMap(g);
  int last = std::clamp(int(std::lround(double(g.Enemycount))), 0, 20);
  for (int i = 0; i <= last; ++i) {
    const ActorRecord& a = g.Enemies[size_t(i)];
    if (a.state != "x") continue;
    Enemy e;
    e.index = i;
    e.x = a.x;
    e.y = a.y;
    e.distance = std::hypot(a.x - double(g.My_x), a.y - double(g.My_y));
    const EnemyKind* kind = EnemyKindNamed(a.kind);
    if (!kind) continue;
    e.shot_hit = kShotRadius + kind->radius;
    e.passes_to_touch = std::max(0.0, e.distance - (kPlayerRadius + kind->radius)) / kind->speed;
    if (!mask.WallFree(me, PlayToMap(g, a.x, a.y))) continue;
    out.push_back(e);
  }
  return out;
}

bool WorthFiring(const Game& g, double heading, double distance, double tx, double ty, double shot_hit) {
  if (distance > kShotRange) return false;
  double tolerance = std::max(0.07, std::atan2(shot_hit - 4, distance));
  if (std::fabs(AngleDiff(heading, g.u)) > tolerance) return false;
  // A shot already flying at the target will do.
  for (size_t j = 1; j < g.Shots.size(); ++j) {
    const ActorRecord& s = g.Shots[j];
    if (s.state != "x") continue;
    double dx = tx - s.x, dy = ty - s.y;
    double d = std::hypot(dx, dy);
    double off = std::fabs(AngleDiff(HeadingTowards(dx, dy), s.heading));
    if (d < 1 || std::sin(std::min(off, 1.5)) * d < shot_hit - 4) return false;
  }
  return true;
}

std::optional<Intent> FightEnemies(const Game& g, const MaskMap& mask, double range) {
  auto enemies = VisibleEnemies(g, mask);
  const Enemy* pick = nullptr;
  for (const Enemy& e : enemies) {
    if (e.distance > range) continue;
    if (!pick || e.passes_to_touch < pick->passes_to_touch) pick = &e;
  }
  if (!pick) return std::nullopt;
  double dx = pick->x - double(g.My_x), dy = pick->y - double(g.My_y);
  double heading = HeadingTowards(dx, dy);
  Intent in;
  in.turn = TurnToward(g, heading);
  in.fire = WorthFiring(g, heading, pick->distance, pick->x, pick->y, pick->shot_hit);
  return in;
}

std::optional<Intent> FightBoss(const Game& g) {
  if (!g.MoveBoss || !g.Duvave2Boss) return std::nullopt;
  const double speed = kShotStep * std::max(1, LiveEnemyCount(g));
  double bx = g.BossX, by = g.BossY;
  for (int k = 0; k < 3; ++k) {
    double d = std::hypot(bx - double(g.My_x), by - double(g.My_y));
    int passes = int(std::max(0.0, d - kBossShotHit) / speed);
    bx = BossXAfter(g, passes);
  }
  double dx = bx - double(g.My_x), dy = by - double(g.My_y);
  double d = std::hypot(dx, dy);
  if (d > kShotRange) return std::nullopt;
  double heading = HeadingTowards(dx, dy);
  Intent in;
  in.turn = TurnToward(g, heading);
  double tolerance = std::max(0.07, std::atan2(kBossShotHit - 8, d));
  in.fire = std::fabs(AngleDiff(heading, g.u)) <= tolerance;
  return in;
}

}  // namespace cw::autopilot
