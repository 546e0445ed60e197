#pragma once
namespace cw {
class Game;
void SpawnEnemies(Game& g);
}  // namespace cw
