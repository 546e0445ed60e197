#include "world/location_loader.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "actors/enemy_kinds.h"
#include "play/game.h"
#include "runtime/angles.h"
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

// The boss that walks off through the first floor of DUVAVE, once per run of the program.
void SetUpWalkingBoss(Game& g) {
  g.BossX = 352;
  g.BossY = 232;
  g.BossSpeed = "3";
  g.BossPose = 1;
  g.BossPoseStep = 1;
  g.BossTargetX = 704;
  g.BossTargetY = 80;
  g.BossAngle = std::atan((g.BossX - 704) / (g.BossY - 80));
  g.BossTurn = 90 - Degrees(std::fabs(g.BossAngle));
  g.MoveBoss = true;
  g.Duvave1Entered = true;
}

// The final fight, set up afresh on every entry into the boss room.
void SetUpBossFight(Game& g) {
  const Element& picture = *g.e.picHelp_city_base;
  g.BossX = float(picture.width) / 2.0f;
  g.BossY = float(picture.height) / 3.0f + float(double(g.helpYCity));
  g.BossSpeed = "3";
  g.BossPose = 2;
  g.BossPoseStep = 1;
  g.BossLife = 200;
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
    g.LoadPicture(g.e.picHelp_city_collid, std::string(location->mask));
    g.LoadPicture(g.e.picHelp_city_base, std::string(location->picture));

    const ArrivalRow* arrival = FindArrival(*location, Entry);
    if (arrival) {
      g.helpXCity = arrival->view.x;
      g.helpYCity = arrival->view.y;
      g.My_x = arrival->player.x;
      g.My_y = arrival->player.y;
    }
    const auto& places = location->enemies;
    if (!places.empty() && (!arrival || arrival->places_enemies)) {
      PlaceEnemies(g, places);
      if (location->name == "duvave1" && !g.Duvave1Entered) SetUpWalkingBoss(g);
      g.Enemycount = std::min(double(g.Enemycount) + double(places.size()), double(kLastEnemy));
    }
    if (location->name == "duvavelab2") SetUpBossFight(g);
  }
  ClearMovement(g);
}

}  // namespace cw
