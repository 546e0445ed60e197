#pragma once
// Fighting: pick the enemy that would reach the player first, turn to face it and fire. In the boss room
// the boss is a target too, aimed at where it will be when the shot gets there.
#include <optional>

#include "controls.h"
#include "map_grid.h"
#include "play/game.h"

namespace cw::autopilot {

struct Enemy {
  int index = 0;
  double x = 0, y = 0;  // play area
  double distance = 0;
  double passes_to_touch = 0;
  double shot_hit = 0;  // how near a shot's centre must come to hit it
};

// Live enemies the game draws this pass (entries 0..Enemycount) that have a clear line to the player:
// one behind a wall dies in it and can't be shot anyway.
std::vector<Enemy> VisibleEnemies(const Game& g, const MaskMap& mask);

// Stand, turn and fire at the most urgent enemy within `range` pixels; nothing when none is that close.
std::optional<Intent> FightEnemies(const Game& g, const MaskMap& mask, double range);

// Stand, turn and fire at the boss's predicted position; nothing when the boss is out of reach.
std::optional<Intent> FightBoss(const Game& g);

// Fire when the aim is good enough for a target `distance` away and no shot already on its way will hit it;
// a shot hits when its centre comes within `shot_hit` of the target's.
bool WorthFiring(const Game& g, double heading, double distance, double tx, double ty, double shot_hit);

}  // namespace cw::autopilot
