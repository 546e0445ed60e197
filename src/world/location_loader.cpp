#include "world/location_loader.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "actors/enemy_kinds.h"
#include "play/game.h"
#include "runtime/angles.h"
#include "runtime/trig.h"
#include "world/location_catalogue.h"

namespace cw {
namespace {

void PlaceEnemies(Game& g, const std::vector<MapPoint>& places) {
  for (int i = 0; i <= kLastEnemy && i <= g.Enemycount; ++i) g.Enemies[size_t(i)].state = "";
  for (size_t i = 0; i < places.size(); ++i) {
    ActorRecord& enemy = g.Enemies[i];
    enemy.state = "x";
    enemy.x = places[i].x;
    enemy.y = places[i].y;
    enemy.kind = PlacedEnemyKind(g.Rnd()).text;
    enemy.pose = 1;
    enemy.poseStep = 1;
  }
}

// The boss that walks off through its location, once per run of the program.
void SetUpWalkingBoss(Game& g, const WalkingBossSetUp& walk) {
  g.BossX = walk.start.x;
  g.BossY = walk.start.y;
  g.BossSpeed = std::to_string(walk.speed);
  g.BossPose = walk.pose;
  g.BossPoseStep = 1;
  g.BossTargetX = walk.target.x;
  g.BossTargetY = walk.target.y;
  g.BossAngle = Atan((g.BossX - walk.target.x) / (g.BossY - walk.target.y));
  g.BossTurn = 90 - Degrees(std::fabs(g.BossAngle));
  g.MoveBoss = true;
  g.Duvave1Entered = true;
}

// The final fight, set up afresh on every entry into the boss room.
void SetUpBossFight(Game& g, const BossFightSetUp& fight) {
  const Element& picture = *g.e.picHelp_city_base;
  g.BossX = float(picture.width) / float(fight.width_divisor);
  g.BossY = float(picture.height) / float(fight.height_divisor) + float(double(g.helpYCity));
  g.BossSpeed = std::to_string(fight.speed);
  g.BossPose = fight.pose;
  g.BossPoseStep = 1;
  g.BossLife = fight.life;
  g.Duvave2Boss = true;
  g.MoveBoss = true;
}

// The player stands still facing heading 0; a key still held must be pressed again.
void ClearMovement(Game& g) {
  g.r = 0;
  g.u = 0;
  g.angle = 0;
  g.upper = false;
  g.downer = false;
  g.lefter = false;
  g.righter = false;
}

}  // namespace

void LoadLocation(Game& g, const std::string& Entry) {
  if (const LocationInfo* location = FindLocation(g.GamePhase)) {
    g.LoadMask(g.e.picHelp_city_collid, location->mask);
    g.LoadPicture(g.e.picHelp_city_base, location->picture);

    const ArrivalRow* arrival = FindArrival(*location, Entry);
    if (arrival) {
      g.helpXCity = arrival->view.x;
      g.helpYCity = arrival->view.y;
      g.My_x = arrival->player.x;
      g.My_y = arrival->player.y;
    }
    const LocationTable& table = TheLocationTable();
    const auto& places = location->enemies;
    if (!places.empty() && (!arrival || arrival->places_enemies)) {
      PlaceEnemies(g, places);
      if (location->name == table.walking_boss.location && !g.Duvave1Entered) SetUpWalkingBoss(g, table.walking_boss);
      g.Enemycount = std::min(double(g.Enemycount) + double(places.size()), double(kLastEnemy));
    }
    if (location->name == table.boss_fight.location) SetUpBossFight(g, table.boss_fight);
  }
  ClearMovement(g);
}

}  // namespace cw
