#pragma once
namespace cw {
class Game;
// The end of the boss fight, when BossLife < 1.
void CheckBossDeath(Game& g);
void CheckDeath(Game& g);
void FadeToEnding(Game& g);
void FadeToDeath(Game& g);
}  // namespace cw
