#pragma once
namespace cw {
class Game;
void UpdateBoss(Game& g);
}  // namespace cw
