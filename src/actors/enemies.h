#pragma once
namespace cw {
class Game;
// The enemy step, which also moves the player's shots once per live enemy.
void UpdateEnemiesAndShots(Game& g);
}  // namespace cw
