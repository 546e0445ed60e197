#pragma once
// The way through the game, decided afresh on every pass from what the player holds and where it is:
// the key in the hut, the access card in the power plant, a save and a reload, the lab button on the
// skyscraper's second floor, then the boss in the lab.
#include <optional>
#include <string>

#include "map_grid.h"
#include "play/game.h"
#include "trigger_rules.h"

namespace cw::autopilot {

// What the player has done that the game doesn't show (a person remembers it).
struct Progress {
  bool saved = false;   // saved through the in-game menu
  bool loaded = false;  // and loaded it back
};

struct Goal {
  enum class Kind { Red, Point, SaveGame, LoadGame, Boss } kind = Kind::Red;
  Trigger red;      // with Red: the red area to step on
  Point point;      // with Point and Boss: where to stand, on the map
  std::string why;  // for the log and failure messages
  // Same goal as another (a new path is planned only when the goal changes).
  bool operator==(const Goal& o) const {
    return kind == o.kind && red.effect == o.red.effect && red.to == o.red.to && point.x == o.point.x &&
           point.y == o.point.y;
  }
};

bool HasKey(const Game& g);
bool HasCard(const Game& g);

// The next goal in the current location. With little life left, a first-aid kit lying here comes first.
Goal NextGoal(const Game& g, const Progress& progress, bool kits = true);

// The nearest first-aid kit of the current location when life is below `fraction` of the maximum.
std::optional<Goal> KitGoal(const Game& g, double fraction);

// Where to stand in the boss room: above the boss's patrol line (its shots then fly away from the player),
// near one end of it and away from where its minions appear.
Point BossPerch(const Game& g);
// The stretch of map the patrolling boss covers, widened by `margin`: its shots start there, so they
// can't be dodged from close by.
void BossPatrolArea(const Game& g, double margin, Point& top_left, Point& bottom_right);

}  // namespace cw::autopilot
